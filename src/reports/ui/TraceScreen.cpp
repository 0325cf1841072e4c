#include "reports/ui/TraceScreen.h"

#include "common/Messages.h"
#include "common/SpreadsheetExport.h"
#include "common/ui/DataGrid.h"
#include "reports/ui/ReportGrid.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

using namespace reports;

TraceScreen::TraceScreen(const traces::Trace &trace, QWidget *parent)
    : ReportScreen({trace.className, trace.caption, PeriodRule::Report, QSize(1180, 920)},
                   {QStringLiteral("Panel16"), trace.panelText, QStringLiteral("검색")}, parent),
      m_trace(trace)
{
    PrintBtn->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(messagePanel());
    auto *stages = new QGridLayout;
    stages->setColumnStretch(1, 1);
    for (int i = 0; i < trace.stages.size(); ++i) {
        const traces::Stage &stage = trace.stages.at(i);
        auto *side = new QVBoxLayout;
        for (const QString &label : stage.labels) {
            auto *caption = new QLabel(label, this);
            caption->setAlignment(Qt::AlignCenter);
            side->addWidget(caption);
        }
        auto *exportButton = new QPushButton(QStringLiteral("엑셀전환"), this);
        exportButton->setObjectName(stage.exportButton);
        side->addWidget(exportButton);
        side->addStretch(1);
        stages->addLayout(side, i * 2 + 1, 0);

        DataGrid *grid = reportGrid(stage.grid, stage.columns, this);
        stages->addWidget(grid, i * 2 + 1, 1);
        stages->setRowStretch(i * 2 + 1, 1);
        m_grids << grid;
        m_exports << exportButton;
        exits().addExempt(grid);
        connect(grid, &DataGrid::rowPicked, this, [this, i] { stagePicked(i); });
        connect(exportButton, &QPushButton::clicked, this, [this, i] { exportStage(i); });
    }
    auto *bar = monthBar();
    bar->addStretch(1);
    stages->addLayout(bar, 0, 1);
    layout->addLayout(stages, 1);
    layout->addLayout(footButtons());
}

void TraceScreen::clearLists()
{
    for (DataGrid *grid : m_grids)
        grid->close();
}

void TraceScreen::showMonth(const Period &month)
{
    m_grids.first()->setResult(traces::monthRows(db(), m_trace, month).rows);
}

void TraceScreen::afterShow(const Period &open)
{
    showMonth(open);
}

void TraceScreen::stagePicked(int stage)
{
    if (stage + 1 >= m_grids.size())
        return;
    const QString key = m_grids.at(stage)->currentText(m_trace.stages.at(stage).link);
    perform(QStringLiteral("%1CellClick(Column: TColumn)").arg(m_trace.stages.at(stage).grid), [&] {
        for (int below = stage + 1; below < m_grids.size(); ++below)
            m_grids.at(below)->close();
        m_grids.at(stage + 1)->setResult(traces::stageRows(db(), m_trace, stage + 1, key).rows);
    });
}

void TraceScreen::exportStage(int stage)
{
    DataGrid *grid = m_grids.at(stage);
    if (!grid->isOpen() || grid->rowCount() == 0) {
        msg::warning(QStringLiteral("데이타가 없으므로 ") + LB + LB +
                     QStringLiteral("엑셀전환이 불가능합니다..................... "));
        return;
    }
    BusyCursor busy;
    pExcelExport(grid->exportSheet(m_trace.className));
}

} // namespace zedur
