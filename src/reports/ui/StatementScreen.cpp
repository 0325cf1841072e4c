#include "reports/ui/StatementScreen.h"

#include "common/Messages.h"
#include "common/SpreadsheetExport.h"
#include "common/ui/DataGrid.h"
#include "reports/Statements.h"
#include "reports/ui/MonthChartView.h"
#include "reports/ui/ReportGrid.h"
#include "reports/ui/ReportPrinting.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

using namespace reports;

StatementScreen::StatementScreen(const Setup &setup, QWidget *parent)
    : ReportScreen(setup.screen, {QStringLiteral("Panel1"), QStringLiteral("메세지 출력 부분...........")}, parent),
      m_setup(setup)
{
    DBGrid1 = reportGrid(QStringLiteral("DBGrid1"), statements::historyColumns(), this);
    DBGrid1->setRowStyle([](const Rows &rs, int row) -> std::optional<RowStyle> {
        if (statements::isGroupLine(rs.text(row, QStringLiteral("Report_AcCode"))))
            return RowStyle{QColor(0x00, 0xFF, 0xFF), true, 9};
        return std::nullopt;
    });
    ChartView = new MonthChartView(QStringLiteral("ChartView"), this);
    PreviewBtn = new QPushButton(QStringLiteral("인쇄 미리보기"), this);
    PreviewBtn->setObjectName(QStringLiteral("PreviewBtn"));
    PdfBtn = new QPushButton(QStringLiteral("PDF 저장"), this);
    PdfBtn->setObjectName(QStringLiteral("PdfBtn"));
    PreviewBtn->setEnabled(false);
    PdfBtn->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(messagePanel());
    auto *bar = monthBar();
    bar->addStretch(1);
    layout->addLayout(bar);
    auto *body = new QHBoxLayout;
    body->addWidget(DBGrid1, 7);
    body->addWidget(ChartView, 4);
    layout->addLayout(body, 1);
    auto *buttons = footButtons();
    buttons->insertWidget(0, PreviewBtn);
    buttons->insertWidget(1, PdfBtn);
    layout->addLayout(buttons);

    connect(PrintBtn, &QPushButton::clicked, this, &StatementScreen::PrintBtnClick);
    connect(PreviewBtn, &QPushButton::clicked, this, &StatementScreen::PreviewBtnClick);
    connect(PdfBtn, &QPushButton::clicked, this, &StatementScreen::PdfBtnClick);
    if (connected())
        perform(QStringLiteral("FormCreate(Sender: TObject)"), [&] { statements::recreateTable(db()); });
}

bool StatementScreen::hasStatement() const
{
    return DBGrid1->isOpen() && DBGrid1->rowCount() > 0;
}

void StatementScreen::clearLists()
{
    DBGrid1->close();
    ChartView->setMonthChart({});
    PreviewBtn->setEnabled(false);
    PdfBtn->setEnabled(false);
}

void StatementScreen::showMonth(const Period &month)
{
    const statements::StatementWithHistory statement = statements::buildWithHistory(db(), month, m_setup.which);
    m_shown = {month.year.trimmed(), month.month.trimmed()};
    DBGrid1->setResult(statement.lines.rows);
    ChartView->setMonthChart(statements::chartOf(statement, m_setup.chartTitle, m_setup.chartLines));
    PreviewBtn->setEnabled(hasStatement());
    PdfBtn->setEnabled(hasStatement());
}

ReportPages StatementScreen::pages() const
{
    ReportPages p;
    p.title = m_setup.printTitle;
    p.period = monthPeriodText(m_shown);
    p.columns = statements::historyColumns();
    p.widths = {22, 62, 12, 42, 42, 42, 42};
    p.rows = DBGrid1->rows().whole();
    p.setApart = [](const ResultSet &rows, int row) {
        return statements::isGroupLine(rows.text(row, QStringLiteral("Report_AcCode")));
    };
    if (!ChartView->monthChart().isEmpty())
        p.charts = {ChartView->monthChart()};
    return p;
}

void StatementScreen::PrintBtnClick()
{
    if (!hasStatement())
        return;
    BusyCursor busy;
    pExcelExport(DBGrid1->exportSheet(setup().className));
}

void StatementScreen::PreviewBtnClick()
{
    if (hasStatement())
        previewReport(this, pages());
}

void StatementScreen::PdfBtnClick()
{
    if (hasStatement())
        saveReportPdf(pages(), m_setup.printTitle + u'_' + m_shown.year + u'_' + m_shown.month);
}

} // namespace zedur
