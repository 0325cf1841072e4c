#pragma once

#include "reports/StatementHistory.h"
#include "reports/ui/ReportPages.h"
#include "reports/ui/ReportScreen.h"

namespace zedur {

class MonthChartView;

// The two statements: the month's lines grouped by account code with the month before and
// the year to date beside them, group lines set apart, a chart of the main lines over the
// last twelve months; printed (with a preview) or saved as PDF.
class StatementScreen : public ReportScreen
{
    Q_OBJECT
public:
    struct Setup {
        ScreenSetup screen;
        QString printTitle;
        QString chartTitle;
        QVector<QPair<QString, QString>> chartLines; // label, account code
        reports::statements::StatementKind which;
    };

    DataGrid *DBGrid1;
    MonthChartView *ChartView;
    QPushButton *PreviewBtn;
    QPushButton *PdfBtn;

    // The statement last shown, as it is printed.
    reports::ReportPages pages() const;

protected:
    StatementScreen(const Setup &setup, QWidget *parent);

    void clearLists() override;
    void showMonth(const Period &month) override;

private:
    void PrintBtnClick();
    void PreviewBtnClick();
    void PdfBtnClick();
    bool hasStatement() const;

    Setup m_setup;
    Period m_shown;
};

} // namespace zedur
