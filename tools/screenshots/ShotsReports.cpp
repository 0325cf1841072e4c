#include "Shots.h"

#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "reports/ui/ReportPages.h"
#include "reports/ui/TMC_ReportBeyBu01_Form.h"
#include "reports/ui/TMC_ReportBeyBu02_Form.h"
#include "reports/ui/TMC_ReportBeyBu03_Form.h"
#include "reports/ui/TMC_ReportBeyBu04_Form.h"
#include "reports/ui/TMC_ReportBeyBu05_Form.h"
#include "reports/ui/TMC_ReportJeyGongPumYbChulGo_Form.h"
#include "reports/ui/TMC_ReportJeyJoAmtVw_Form.h"
#include "reports/ui/TMC_ReportJeyJoVwList_Form.h"
#include "reports/ui/TMC_ReportJeyPumYbChulGo_Form.h"
#include "reports/ui/TMC_ReportPLVwList_Form.h"
#include "reports/ui/TMC_ReportWonJaJeyYbChulGo_Form.h"

#include <QPushButton>
#include <cstdio>

namespace shots {

namespace {

template <class Screen> void searched(const QString &file)
{
    Screen screen;
    screen.show();
    press(screen.SearchBtn);
    shoot(screen, file);
}

// Picks the first row of every list from the top, as a user walking the trace would.
template <class Screen> void traced(const QString &file)
{
    Screen screen;
    screen.show();
    for (int stage = 0; stage < screen.stageCount() && screen.stageGrid(stage)->rowCount() > 0; ++stage)
        pickRow(screen.stageGrid(stage), 0, 1);
    shoot(screen, file);
}

template <class Screen> void statement(const QString &out, const QString &name)
{
    Screen screen;
    screen.show();
    press(screen.SearchBtn);
    shoot(screen, out + "/" + name + ".png");
    const QString pdf = out + "/" + name + ".pdf";
    std::printf("%s %s\n", qPrintable(pdf), zedur::reports::writeReportPdf(pdf, screen.pages()) ? "" : "(failed)");
}

} // namespace

void shootReports(const QString &out)
{
    searched<zedur::TMC_ReportWonJaJeyYbChulGo_Form>(out + "/report-raw.png");
    searched<zedur::TMC_ReportJeyGongPumYbChulGo_Form>(out + "/report-wip.png");
    searched<zedur::TMC_ReportJeyPumYbChulGo_Form>(out + "/report-products.png");
    statement<zedur::TMC_ReportJeyJoVwList_Form>(out, "report-cogm");
    statement<zedur::TMC_ReportPLVwList_Form>(out, "report-income");
    traced<zedur::TMC_ReportBeyBu01_Form>(out + "/trace-sales.png");
    traced<zedur::TMC_ReportBeyBu02_Form>(out + "/trace-products.png");
    traced<zedur::TMC_ReportBeyBu03_Form>(out + "/trace-product-transfers.png");
    traced<zedur::TMC_ReportBeyBu04_Form>(out + "/trace-wip-transfers.png");
    traced<zedur::TMC_ReportBeyBu05_Form>(out + "/trace-raw-transfers.png");
    searched<zedur::TMC_ReportJeyJoAmtVw_Form>(out + "/report-cost-links.png");
    {
        // A month the books never opened: the warning, and nothing shown.
        std::printf("report: 2005-06 chosen\n");
        zedur::TMC_ReportWonJaJeyYbChulGo_Form screen;
        screen.show();
        typeAndLeave(screen.cbMonth, QString());
        screen.cbMonth->setCurrentIndex(5);
        press(screen.SearchBtn);
        shoot(screen, out + "/report-raw-month-not-open.png");
    }
}

} // namespace shots
