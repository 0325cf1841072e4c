#include "reports/ui/StatementPages.h"

#include "common/OutputFile.h"
#include "common/TextNumber.h"
#include "reports/ReportColumns.h"
#include "reports/Statements.h"

#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace zedur::reports {

namespace {

const QColor groupShade(0xCC, 0xFF, 0xFF);
const QColor headShade(0xE0, 0xE0, 0xE0);

// Millimetres on the page, in the device's own units.
class Page
{
public:
    explicit Page(const QPagedPaintDevice &device) : m_dpi(device.logicalDpiY()) {}
    double mm(double millimetres) const { return millimetres * m_dpi / 25.4; }

private:
    double m_dpi;
};

// Widths of the printed columns in millimetres: code, name, mark, left, right.
const double columnWidths[] = {24, 70, 14, 36, 36};
const double rowHeight = 6.5;
const double headerHeight = 34;
const double footerHeight = 12;
const double chartHeight = 75;

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("NanumGothic"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void paintHeader(QPainter &p, const Page &page, const QRectF &body, const StatementPages &s)
{
    p.setFont(font(16, true));
    p.drawText(QRectF(body.left(), body.top(), body.width(), page.mm(10)), Qt::AlignCenter, s.title);
    p.setFont(font(10));
    const QString month =
        s.month.year.trimmed() + QStringLiteral("년 ") + s.month.month.trimmed() + QStringLiteral("월분");
    p.drawText(QRectF(body.left(), body.top() + page.mm(12), body.width(), page.mm(6)), Qt::AlignCenter, month);
    p.drawText(QRectF(body.left(), body.top() + page.mm(20), body.width(), page.mm(6)),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("(단위 : 원)"));

    const QStringList titles{QStringLiteral("계정과목 코드"), QStringLiteral("계정과목 이름"), QStringLiteral("구분"),
                             QStringLiteral("소계 금액"), QStringLiteral("누계 금액")};
    double x = body.left();
    const double y = body.top() + page.mm(27);
    p.setFont(font(9, true));
    for (int c = 0; c < 5; ++c) {
        const QRectF cell(x, y, page.mm(columnWidths[c]), page.mm(rowHeight));
        p.fillRect(cell, headShade);
        p.drawRect(cell);
        p.drawText(cell, Qt::AlignCenter, titles.at(c));
        x += cell.width();
    }
}

void paintLine(QPainter &p, const Page &page, double y, double left, const ResultSet &lines, int row)
{
    const QString code = lines.text(row, QStringLiteral("Report_AcCode"));
    const bool group = statements::isGroupLine(code);
    QString name = lines.value(row, QStringLiteral("Ac_AcNameReport")).toString();
    while (name.endsWith(u' '))
        name.chop(1);
    const QStringList texts{code, name, lines.text(row, QStringLiteral("Report_Kubun")),
                            formatFloat(Amount4ZeroBlank, lines.number(row, QStringLiteral("SoTotal"))),
                            formatFloat(Amount4ZeroBlank, lines.number(row, QStringLiteral("NuTotal")))};
    p.setFont(font(9, group));
    double x = left;
    const double pad = page.mm(1.5);
    for (int c = 0; c < 5; ++c) {
        const QRectF cell(x, y, page.mm(columnWidths[c]), page.mm(rowHeight));
        if (group)
            p.fillRect(cell, groupShade);
        p.drawRect(cell);
        const Qt::Alignment align = c >= 3 ? Qt::AlignRight : (c == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
        p.drawText(cell.adjusted(pad, 0, -pad, 0), align | Qt::AlignVCenter, texts.at(c));
        x += cell.width();
    }
}

void paintFooter(QPainter &p, const Page &page, const QRectF &body, int number, int pages)
{
    p.setFont(font(8));
    const QRectF foot(body.left(), body.bottom() - page.mm(6), body.width(), page.mm(6));
    p.drawText(foot, Qt::AlignCenter, QStringLiteral("- %1 / %2 -").arg(number).arg(pages));
    p.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("출력일 ") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

} // namespace

QVector<ChartBar> chartBars(const ResultSet &lines, const QVector<QPair<QString, QString>> &labelledCodes)
{
    QVector<ChartBar> bars;
    for (const auto &[label, code] : labelledCodes)
        bars << ChartBar{label, statements::rightTotal(lines, code)};
    return bars;
}

void paintBarChart(QPainter &painter, const QRectF &area, const QString &title, const QVector<ChartBar> &bars)
{
    static const QColor colours[] = {QColor(0x4E, 0x79, 0xA7), QColor(0xF2, 0x8E, 0x2B), QColor(0x59, 0xA1, 0x4F),
                                     QColor(0xE1, 0x57, 0x59)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.4), Qt::AlignCenter, title);

    // Room above for the title and the figure over the tallest bar, below for the labels
    // and the figure under the lowest.
    const QRectF plot = area.adjusted(line, line * 2.8, -line, -line * 2.6);
    double high = 0;
    double low = 0;
    for (const ChartBar &b : bars) {
        high = std::max(high, b.value);
        low = std::min(low, b.value);
    }
    const double span = high - low > 0 ? high - low : 1;
    const double zeroY = plot.top() + plot.height() * high / span;
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawLine(QPointF(plot.left(), zeroY), QPointF(plot.right(), zeroY));

    const int n = int(bars.size());
    const double slot = n > 0 ? plot.width() / n : plot.width();
    for (int i = 0; i < n; ++i) {
        const ChartBar &b = bars.at(i);
        const double height = plot.height() * std::abs(b.value) / span;
        const double x = plot.left() + slot * i + slot * 0.2;
        const QRectF bar(x, b.value >= 0 ? zeroY - height : zeroY, slot * 0.6, height);
        painter.fillRect(bar, colours[i % 4]);
        painter.setPen(Qt::black);
        const QString figure = formatFloat(QStringLiteral("#,##0"), b.value);
        const double figureY = b.value >= 0 ? bar.top() - line : bar.bottom();
        painter.drawText(QRectF(plot.left() + slot * i, figureY, slot, line), Qt::AlignCenter, figure);
        painter.drawText(QRectF(plot.left() + slot * i, area.bottom() - line * 1.3, slot, line * 1.3), Qt::AlignCenter,
                         b.label);
    }
    painter.restore();
}

int paintStatement(QPagedPaintDevice &device, const StatementPages &s)
{
    const Page page(device);
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    const QRectF body(0, 0, device.width(), device.height());
    const double tableWidth = page.mm(180);
    const double left = body.left() + (body.width() - tableWidth) / 2;
    const double firstRow = body.top() + page.mm(headerHeight);
    const double lastRow = body.bottom() - page.mm(footerHeight);
    const int perPage = std::max(1, int((lastRow - firstRow) / page.mm(rowHeight)));
    const int lines = s.lines.size();
    int pages = std::max(1, (lines + perPage - 1) / perPage);
    const int onLastPage = lines - (pages - 1) * perPage;
    const bool chartOnNewPage = firstRow + page.mm(rowHeight) * onLastPage + page.mm(chartHeight + 6) > lastRow;
    if (chartOnNewPage)
        ++pages;

    int row = 0;
    for (int number = 1; number <= pages; ++number) {
        if (number > 1)
            device.newPage();
        paintHeader(painter, page, body, s);
        double y = firstRow;
        for (int k = 0; k < perPage && row < lines; ++k, ++row) {
            paintLine(painter, page, y, left, s.lines, row);
            y += page.mm(rowHeight);
        }
        if (number == pages && !s.chart.isEmpty()) {
            const double top = chartOnNewPage ? firstRow : y + page.mm(6);
            painter.setFont(font(9));
            paintBarChart(painter, QRectF(left, top, tableWidth, page.mm(chartHeight)), s.chartTitle, s.chart);
        }
        paintFooter(painter, page, body, number, pages);
    }
    return pages;
}

bool writeStatementPdf(const QString &path, const StatementPages &statement)
{
    return writeOutputFile(path, pdfOutput(), [&statement](const QString &file) {
        int pages = 0;
        {
            // The file is whole once the writer is gone.
            QPdfWriter writer(file);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
                                             QPageLayout::Millimeter));
            writer.setResolution(300);
            writer.setTitle(statement.title);
            writer.setCreator(QStringLiteral("ZedUr"));
            pages = paintStatement(writer, statement);
        }
        return pages > 0;
    });
}

} // namespace zedur::reports
