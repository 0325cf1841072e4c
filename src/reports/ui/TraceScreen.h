#pragma once

#include "reports/Traces.h"
#include "reports/ui/ReportScreen.h"

namespace zedur {

// A trace report: a stack of lists, one per stage of the flow of goods. Picking a row
// (click, or any key that moves in the list) fills the list below with what that row was
// built from and empties the lists further down. Each list has its own export button.
class TraceScreen : public ReportScreen
{
    Q_OBJECT
public:
    int stageCount() const { return int(m_grids.size()); }
    DataGrid *stageGrid(int stage) const { return m_grids.at(stage); }
    QPushButton *stageExport(int stage) const { return m_exports.at(stage); }

protected:
    TraceScreen(const reports::traces::Trace &trace, QWidget *parent);

    void clearLists() override;
    void showMonth(const Period &month) override;
    void afterShow(const Period &open) override;

private:
    void stagePicked(int stage);
    void exportStage(int stage);

    const reports::traces::Trace &m_trace;
    QVector<DataGrid *> m_grids;
    QVector<QPushButton *> m_exports;
};

} // namespace zedur
