#include "reports/ui/TMC_ReportJeyPumTrend_Form.h"

#include "common/SpreadsheetExport.h"
#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "reports/ui/MonthChartView.h"
#include "reports/ui/ReportGrid.h"
#include "reports/ui/ReportPrinting.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

using namespace reports;

namespace {
const QString title = QStringLiteral("제품별 원가 및 이익 추이");

QString monthText(const Period &p)
{
    return p.year + QStringLiteral("년 ") + p.month + QStringLiteral("월");
}
} // namespace

TMC_ReportJeyPumTrend_Form::TMC_ReportJeyPumTrend_Form(QWidget *parent)
    : ReportScreen({QStringLiteral("TMC_ReportJeyPumTrend_Form"),
                    QStringLiteral("제품별 원가와 이익의 월별 추이를 조회하는 폼 입니다."), PeriodRule::Report,
                    QSize(1280, 800)},
                   {QStringLiteral("Panel1"), QStringLiteral("메세지 출력 부분...........")}, parent)
{
    cbFromYear = new ListCombo(QStringLiteral("cbFromYear"), {}, this);
    cbFromMonth = new ListCombo(QStringLiteral("cbFromMonth"), {}, this);
    setUpMonthLists(cbFromYear, cbFromMonth);
    DBGrid1 = reportGrid(QStringLiteral("DBGrid1"), productTrend::columns(), this);
    cbJeyPum = new QComboBox(this);
    cbJeyPum->setObjectName(QStringLiteral("cbJeyPum"));
    cbJeyPum->setMinimumWidth(260);
    ChartView = new MonthChartView(QStringLiteral("ChartView"), this);
    ChartView->setMinimumHeight(260);
    PreviewBtn = new QPushButton(QStringLiteral("인쇄 미리보기"), this);
    PreviewBtn->setObjectName(QStringLiteral("PreviewBtn"));
    PdfBtn = new QPushButton(QStringLiteral("PDF 저장"), this);
    PdfBtn->setObjectName(QStringLiteral("PdfBtn"));
    PreviewBtn->setEnabled(false);
    PdfBtn->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(messagePanel());
    auto *bar = monthBar();
    int at = 0;
    for (QWidget *w : {static_cast<QWidget *>(cbFromYear), static_cast<QWidget *>(new QLabel(QStringLiteral("년"), this)),
                       static_cast<QWidget *>(cbFromMonth),
                       static_cast<QWidget *>(new QLabel(QStringLiteral("월 부터  ~  "), this))})
        bar->insertWidget(at++, w);
    bar->insertWidget(bar->indexOf(SearchBtn), new QLabel(QStringLiteral("까지"), this));
    bar->addSpacing(24);
    bar->addWidget(new QLabel(QStringLiteral("그래프 제품"), this));
    bar->addWidget(cbJeyPum);
    bar->addStretch(1);
    layout->addLayout(bar);
    layout->addWidget(DBGrid1, 3);
    layout->addWidget(ChartView, 2);
    auto *buttons = footButtons();
    buttons->insertWidget(0, PreviewBtn);
    buttons->insertWidget(1, PdfBtn);
    layout->addLayout(buttons);

    connect(PrintBtn, &QPushButton::clicked, this, &TMC_ReportJeyPumTrend_Form::PrintBtnClick);
    connect(PreviewBtn, &QPushButton::clicked, this, &TMC_ReportJeyPumTrend_Form::PreviewBtnClick);
    connect(PdfBtn, &QPushButton::clicked, this, &TMC_ReportJeyPumTrend_Form::PdfBtnClick);
    connect(cbJeyPum, &QComboBox::currentIndexChanged, this, &TMC_ReportJeyPumTrend_Form::cbJeyPumChange);
}

productTrend::Range TMC_ReportJeyPumTrend_Form::chosenRange() const
{
    return productTrend::ordered({{cbFromYear->pickOrFirst(), cbFromMonth->pickOrFirst()}, chosenMonth()});
}

void TMC_ReportJeyPumTrend_Form::afterShow(const Period &open)
{
    const Period first = productTrend::lastTwelveMonths(open).first;
    cbFromYear->setCurrentIndex(cbFromYear->findText(first.year));
    cbFromMonth->setCurrentIndex(cbFromMonth->findText(first.month));
}

bool TMC_ReportJeyPumTrend_Form::hasReport() const
{
    return DBGrid1->isOpen() && DBGrid1->rowCount() > 0;
}

void TMC_ReportJeyPumTrend_Form::clearLists()
{
    DBGrid1->close();
    m_charts.clear();
    cbJeyPum->clear();
    ChartView->setMonthChart({});
    PreviewBtn->setEnabled(false);
    PdfBtn->setEnabled(false);
}

void TMC_ReportJeyPumTrend_Form::showMonth(const Period &)
{
    m_shown = chosenRange();
    const ReportList trend = productTrend::build(db(), m_shown);
    DBGrid1->setResult(trend.rows);
    m_charts = productTrend::productCharts(trend);
    {
        const QSignalBlocker quiet(cbJeyPum);
        for (const MonthChart &chart : std::as_const(m_charts))
            cbJeyPum->addItem(chart.title);
    }
    cbJeyPum->setCurrentIndex(m_charts.isEmpty() ? -1 : 0);
    cbJeyPumChange();
    PreviewBtn->setEnabled(hasReport());
    PdfBtn->setEnabled(hasReport());
}

void TMC_ReportJeyPumTrend_Form::cbJeyPumChange()
{
    const int index = cbJeyPum->currentIndex();
    ChartView->setMonthChart(index >= 0 && index < m_charts.size() ? m_charts.at(index) : MonthChart{});
}

ReportPages TMC_ReportJeyPumTrend_Form::pages() const
{
    ReportPages p;
    p.title = title;
    p.period = monthText(m_shown.first) + QStringLiteral(" ~ ") + monthText(m_shown.last);
    p.columns = productTrend::columns();
    p.widths = {14, 30, 13, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19};
    p.rows = DBGrid1->rows().whole();
    p.numberPicture = Amount2ZeroBlank;
    p.fontPoints = 6.5;
    p.charts = m_charts;
    p.chartsPerRow = 2;
    return p;
}

void TMC_ReportJeyPumTrend_Form::PrintBtnClick()
{
    if (!hasReport())
        return;
    BusyCursor busy;
    pExcelExport(DBGrid1->exportSheet(setup().className));
}

void TMC_ReportJeyPumTrend_Form::PreviewBtnClick()
{
    if (hasReport())
        previewReport(this, pages());
}

void TMC_ReportJeyPumTrend_Form::PdfBtnClick()
{
    if (hasReport())
        saveReportPdf(pages(), title + u'_' + m_shown.first.year + m_shown.first.month + u'_' + m_shown.last.year +
                                   m_shown.last.month);
}

} // namespace zedur
