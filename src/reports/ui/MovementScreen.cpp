#include "reports/ui/MovementScreen.h"

#include "common/SpreadsheetExport.h"
#include "common/ui/DataGrid.h"
#include "reports/ReportCatalogue.h"
#include "reports/ui/ReportGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

using namespace reports;

MovementScreen::MovementScreen(const Setup &setup, QWidget *parent)
    : ReportScreen(setup.screen, {QStringLiteral("Panel1"), setup.panelText}, parent), m_setup(setup)
{
    DBGrid1 = reportGrid(QStringLiteral("DBGrid1"), setup.detailColumns, this);
    DBGrid1->setRowStyle(styleWhere(setup.kubunField, QStringLiteral("합계"), totalRowStyle()));
    Panel3 = new QLabel(setup.heading, this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::Panel);
    Panel3->setFrameShadow(QFrame::Raised);
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setMinimumHeight(24);
    DBGrid2 = reportGrid(QStringLiteral("DBGrid2"), setup.summaryColumns, this);
    if (!setup.summaryTotal.first.isEmpty())
        DBGrid2->setRowStyle(styleWhere(setup.summaryTotal.first, setup.summaryTotal.second, totalRowStyle()));
    DBGrid2->setFixedHeight(DBGrid2->horizontalHeader()->sizeHint().height() + 20 * setup.summaryRows + 24);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(messagePanel());
    auto *bar = monthBar();
    bar->addStretch(1);
    layout->addLayout(bar);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Panel3);
    layout->addWidget(DBGrid2);
    layout->addLayout(footButtons());

    connect(PrintBtn, &QPushButton::clicked, this, &MovementScreen::PrintBtnClick);
    if (connected())
        perform(QStringLiteral("FormCreate(Sender: TObject)"), [&] { m_setup.recreateTables(db()); });
}

void MovementScreen::clearLists()
{
    DBGrid1->close();
    DBGrid2->close();
}

void MovementScreen::showMonth(const Period &month)
{
    const MovementReport report = m_setup.build(db(), month);
    DBGrid1->setResult(report.detail.rows);
    DBGrid2->setResult(report.summary.rows);
}

void MovementScreen::PrintBtnClick()
{
    if (!DBGrid1->isOpen() || DBGrid1->rowCount() == 0)
        return;
    BusyCursor busy;
    pExcelExport(movementSheets(
        MovementReport{{m_setup.detailColumns, DBGrid1->rows().whole()}, {m_setup.summaryColumns, DBGrid2->rows().whole()}},
        setup().className, m_setup.exportSummary));
}

} // namespace zedur
