#pragma once

#include "reports/ProductTrend.h"
#include "reports/ui/ReportPages.h"
#include "reports/ui/ReportScreen.h"

class QComboBox;

namespace zedur {

class MonthChartView;

// "제품별 원가 및 이익 추이": each product's completions at unit cost and its sales, cost of
// sales and gross margin over a range of months (the last twelve up to the open month when
// shown), with a chart of the chosen product's unit cost and margin per unit; exported,
// printed (with a preview) or saved as PDF, its charts after the table.
class TMC_ReportJeyPumTrend_Form : public ReportScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportJeyPumTrend_Form(QWidget *parent = nullptr);

    ListCombo *cbFromYear;
    ListCombo *cbFromMonth;
    DataGrid *DBGrid1;
    QComboBox *cbJeyPum; // whose chart is shown
    MonthChartView *ChartView;
    QPushButton *PreviewBtn;
    QPushButton *PdfBtn;

    reports::productTrend::Range chosenRange() const;
    // The report last shown, as it is printed.
    reports::ReportPages pages() const;

protected:
    void clearLists() override;
    void showMonth(const Period &month) override;
    void afterShow(const Period &open) override;

private:
    void PrintBtnClick();
    void PreviewBtnClick();
    void PdfBtnClick();
    void cbJeyPumChange();
    bool hasReport() const;

    reports::productTrend::Range m_shown;
    QVector<reports::MonthChart> m_charts;
};

} // namespace zedur
