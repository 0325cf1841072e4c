#pragma once

#include "reports/ReportColumns.h"
#include "reports/ui/ReportScreen.h"
#include "reports/ui/StatementPages.h"

#include <functional>

namespace zedur {

class StatementChart;

// The two statements: their lines grouped by account code, group lines set apart, a small
// chart of the main lines beside them; printed (with a preview) or saved as PDF.
class StatementScreen : public ReportScreen
{
    Q_OBJECT
public:
    struct Setup {
        ScreenSetup screen;
        QString printTitle;
        QString chartTitle;
        QVector<QPair<QString, QString>> chartLines; // label, account code
        std::function<reports::ReportList(Db &, const Period &)> build;
    };

    DataGrid *DBGrid1;
    StatementChart *ChartView;
    QPushButton *PreviewBtn;
    QPushButton *PdfBtn;

    // The statement last shown, as it is printed.
    reports::StatementPages pages() const;

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
