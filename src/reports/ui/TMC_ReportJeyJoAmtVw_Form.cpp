#include "reports/ui/TMC_ReportJeyJoAmtVw_Form.h"

#include "common/SpreadsheetExport.h"
#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "reports/CostLinks.h"
#include "reports/ui/ReportGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

TMC_ReportJeyJoAmtVw_Form::TMC_ReportJeyJoAmtVw_Form(QWidget *parent)
    : ReportScreen({QStringLiteral("TMC_ReportJeyJoAmtVw_Form"),
                    QStringLiteral("직간접비와 제조공정(재공품) 내역 연결 현황 폼 입니다."), PeriodRule::Report,
                    QSize(1100, 700)},
                   {QStringLiteral("Panel1"), QStringLiteral("월별 직간접비와 제조공정(재공품) 내역 연결 현황")},
                   parent)
{
    DBGrid1 = reports::reportGrid(QStringLiteral("DBGrid1"), reports::costLinks::columns(), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(messagePanel());
    auto *bar = monthBar();
    bar->addStretch(1);
    layout->addLayout(bar);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(footButtons());

    // Leaving a list with a month picked shows that month at once.
    for (ListCombo *list : {cbYear, cbMonth})
        exits().onLeave(list, [this, list] {
            if (!list->checkPick())
                return false;
            runReport();
            return true;
        });
    connect(PrintBtn, &QPushButton::clicked, this, &TMC_ReportJeyJoAmtVw_Form::PrintBtnClick);
}

void TMC_ReportJeyJoAmtVw_Form::clearLists()
{
    DBGrid1->close();
}

void TMC_ReportJeyJoAmtVw_Form::showMonth(const Period &month)
{
    DBGrid1->setResult(reports::costLinks::build(db(), month).rows);
}

void TMC_ReportJeyJoAmtVw_Form::PrintBtnClick()
{
    if (!DBGrid1->isOpen() || DBGrid1->rowCount() == 0)
        return;
    BusyCursor busy;
    pExcelExport(DBGrid1->exportSheet(setup().className));
}

} // namespace zedur
