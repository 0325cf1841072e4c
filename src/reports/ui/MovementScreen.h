#pragma once

#include "reports/ReportColumns.h"
#include "reports/ui/ReportScreen.h"

#include <functional>

class QLabel;

namespace zedur {

// The movement reports of raw material, WIP and products: the month's movements with their
// total row, a heading, and the summary below.
class MovementScreen : public ReportScreen
{
    Q_OBJECT
public:
    struct Setup {
        ScreenSetup screen;
        QString panelText;
        QString heading;    // over the summary
        QString kubunField; // the total row is the one whose kind is "합계"
        reports::ReportColumns detailColumns;
        reports::ReportColumns summaryColumns;
        int summaryRows = 1; // how tall the summary is drawn
        // Which row of the summary is drawn as its total (field, value); empty: none.
        QPair<QString, QString> summaryTotal;
        bool exportSummary = false; // the export writes the summary after the detail
        std::function<void(Db &)> recreateTables;
        std::function<reports::MovementReport(Db &, const Period &)> build;
    };

    DataGrid *DBGrid1;
    QLabel *Panel3;
    DataGrid *DBGrid2;

protected:
    MovementScreen(const Setup &setup, QWidget *parent);

    void clearLists() override;
    void showMonth(const Period &month) override;

private:
    void PrintBtnClick();

    Setup m_setup;
};

} // namespace zedur
