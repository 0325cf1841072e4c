#include "reports/ui/StatementScreen.h"

#include "common/Messages.h"
#include "common/SpreadsheetExport.h"
#include "common/ui/DataGrid.h"
#include "reports/Statements.h"
#include "reports/ui/ReportGrid.h"
#include "reports/ui/StatementChart.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

using namespace reports;

StatementScreen::StatementScreen(const Setup &setup, QWidget *parent)
    : ReportScreen(setup.screen, {QStringLiteral("Panel1"), QStringLiteral("메세지 출력 부분...........")}, parent),
      m_setup(setup)
{
    DBGrid1 = reportGrid(QStringLiteral("DBGrid1"), statements::columns(), this);
    DBGrid1->setRowStyle([](const Rows &rs, int row) -> std::optional<RowStyle> {
        if (statements::isGroupLine(rs.text(row, QStringLiteral("Report_AcCode"))))
            return RowStyle{QColor(0x00, 0xFF, 0xFF), true, 9};
        return std::nullopt;
    });
    ChartView = new StatementChart(this);
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
    body->addWidget(DBGrid1, 3);
    body->addWidget(ChartView, 1);
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
    ChartView->setBars({}, {});
    PreviewBtn->setEnabled(false);
    PdfBtn->setEnabled(false);
}

void StatementScreen::showMonth(const Period &month)
{
    const ReportList lines = m_setup.build(db(), month);
    m_shown = {month.year.trimmed(), month.month.trimmed()};
    DBGrid1->setResult(lines.rows);
    ChartView->setBars(m_setup.chartTitle, chartBars(lines.rows, m_setup.chartLines));
    PreviewBtn->setEnabled(hasStatement());
    PdfBtn->setEnabled(hasStatement());
}

StatementPages StatementScreen::pages() const
{
    return {m_setup.printTitle, m_shown, DBGrid1->rows().whole(), m_setup.chartTitle, ChartView->bars()};
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
    if (!hasStatement())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
                                      QPageLayout::Millimeter));
    printer.setDocName(m_setup.printTitle);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(m_setup.printTitle + QStringLiteral(" 인쇄 미리보기"));
    const StatementPages statement = pages();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&statement](QPrinter *device) { paintStatement(*device, statement); });
    preview.exec();
}

void StatementScreen::PdfBtnClick()
{
    if (!hasStatement())
        return;
    const QString path =
        newSavedFilePath(m_setup.printTitle + u'_' + m_shown.year + u'_' + m_shown.month, QStringLiteral("pdf"));
    {
        BusyCursor busy;
        if (!writeStatementPdf(path, pages())) {
            msg::warning(QStringLiteral("PDF 화일을 저장할 수 없습니다.") + LB + path, QStringLiteral("주의"));
            return;
        }
    }
    msg::information(QStringLiteral("PDF 화일로 저장되었읍니다....") + LB + path, QStringLiteral("메시지"));
    if (!openSavedFile(path))
        msg::warning(QStringLiteral("PDF를 볼 수 있는 프로그램을 열 수 없습니다. 화일은 저장되었습니다:") + LB + path,
                     QStringLiteral("주의"));
}

} // namespace zedur
