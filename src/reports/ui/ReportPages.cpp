#include "reports/ui/ReportPages.h"

#include "common/OutputFile.h"
#include "common/TextNumber.h"
#include "reports/ui/MonthChartView.h"

#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace zedur::reports {

namespace {

const QColor setApartShade(0xCC, 0xFF, 0xFF);
const QColor headShade(0xE0, 0xE0, 0xE0);

const double rowHeight = 6;
const double headerHeight = 33; // title, period, unit, column titles
const double footerHeight = 10;
const double chartHeight = 80;
const double chartGap = 5;

// Millimetres on the page, in the device's own units.
class Page
{
public:
    explicit Page(const QPagedPaintDevice &device) : m_dpi(device.logicalDpiY()) {}
    double mm(double millimetres) const { return millimetres * m_dpi / 25.4; }

private:
    double m_dpi;
};

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("NanumGothic"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

class Painter
{
public:
    Painter(QPagedPaintDevice &device, const ReportPages &report)
        : m_device(device), m_report(report), m_page(device), m_painter(&device),
          m_body(0, 0, device.width(), device.height())
    {
        double width = 0;
        for (const double w : report.widths)
            width += w;
        m_tableWidth = m_page.mm(width);
        m_left = m_body.left() + std::max(0.0, (m_body.width() - m_tableWidth) / 2);
    }

    bool active() const { return m_painter.isActive(); }

    int paint()
    {
        const double firstRow = m_body.top() + m_page.mm(headerHeight);
        const double lastRow = m_body.bottom() - m_page.mm(footerHeight);
        const int perPage = std::max(1, int((lastRow - firstRow) / m_page.mm(rowHeight)));
        const int rows = m_report.rows.size();
        const int tablePages = std::max(1, (rows + perPage - 1) / perPage);

        // The charts after the rows: on the last page of rows while they fit, then on pages
        // of their own.
        const double chartRow = m_page.mm(chartHeight + chartGap);
        const int chartRows = (int(m_report.charts.size()) + m_report.chartsPerRow - 1) / m_report.chartsPerRow;
        const double afterRows = firstRow + m_page.mm(rowHeight) * (rows - (tablePages - 1) * perPage);
        const int fitBelow = std::min(chartRows, int((lastRow - afterRows) / chartRow));
        const int chartsOnPage = std::max(1, int((lastRow - (m_body.top() + m_page.mm(headerHeight - 7))) / chartRow));
        const int chartPages = (chartRows - fitBelow + chartsOnPage - 1) / chartsOnPage;
        m_pages = tablePages + chartPages;

        int row = 0;
        int chartRowDone = 0;
        for (int number = 1; number <= m_pages; ++number) {
            if (number > 1)
                m_device.newPage();
            const bool rowsPage = number <= tablePages;
            paintHeader(rowsPage);
            double y = rowsPage ? firstRow : m_body.top() + m_page.mm(headerHeight - 7);
            for (int k = 0; rowsPage && k < perPage && row < rows; ++k, ++row, y += m_page.mm(rowHeight))
                paintRow(y, row);
            if (number >= tablePages) {
                const int limit = number == tablePages ? fitBelow : chartsOnPage;
                if (rowsPage)
                    y += m_page.mm(chartGap);
                for (int k = 0; k < limit && chartRowDone < chartRows; ++k, ++chartRowDone, y += chartRow)
                    paintChartRow(y, chartRowDone);
            }
            paintFooter(number);
        }
        return m_pages;
    }

private:
    void paintHeader(bool withColumns)
    {
        QPainter &p = m_painter;
        p.setPen(Qt::black);
        p.setFont(font(15, true));
        p.drawText(QRectF(m_body.left(), m_body.top(), m_body.width(), m_page.mm(9)), Qt::AlignCenter,
                   m_report.title);
        p.setFont(font(9.5));
        p.drawText(QRectF(m_body.left(), m_body.top() + m_page.mm(11), m_body.width(), m_page.mm(6)),
                   Qt::AlignCenter, m_report.period);
        if (!withColumns)
            return;
        p.drawText(QRectF(m_left, m_body.top() + m_page.mm(19), m_tableWidth, m_page.mm(6)),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("(단위 : 원)"));
        double x = m_left;
        const double y = m_body.top() + m_page.mm(headerHeight - rowHeight - 1);
        p.setFont(font(m_report.fontPoints, true));
        for (int c = 0; c < m_report.columns.size(); ++c) {
            const QRectF cell(x, y, m_page.mm(m_report.widths.value(c)), m_page.mm(rowHeight + 1));
            p.fillRect(cell, headShade);
            p.drawRect(cell);
            p.drawText(cell, Qt::AlignCenter | Qt::TextWordWrap, m_report.columns.at(c).title);
            x += cell.width();
        }
    }

    QString textOf(int row, const ReportColumn &c) const
    {
        const QVariant value = m_report.rows.value(row, c.field);
        if (c.picture.isEmpty()) {
            QString text = value.toString();
            while (text.endsWith(u' '))
                text.chop(1);
            return c.leadingBlanks ? text : text.trimmed();
        }
        if (value.isNull())
            return {};
        const QString picture = m_report.numberPicture.isEmpty() ? c.picture : m_report.numberPicture;
        return formatFloat(picture, value.toDouble());
    }

    void paintRow(double y, int row)
    {
        QPainter &p = m_painter;
        const bool apart = m_report.setApart && m_report.setApart(m_report.rows, row);
        p.setFont(font(m_report.fontPoints, apart));
        const QFontMetricsF metrics(p.font());
        const double pad = m_page.mm(1.2);
        double x = m_left;
        for (int c = 0; c < m_report.columns.size(); ++c) {
            const ReportColumn &column = m_report.columns.at(c);
            const QRectF cell(x, y, m_page.mm(m_report.widths.value(c)), m_page.mm(rowHeight));
            if (apart)
                p.fillRect(cell, setApartShade);
            p.drawRect(cell);
            const QRectF inside = cell.adjusted(pad, 0, -pad, 0);
            const Qt::Alignment align = column.picture.isEmpty() ? Qt::AlignLeft : Qt::AlignRight;
            p.drawText(inside, align | Qt::AlignVCenter,
                       metrics.elidedText(textOf(row, column), Qt::ElideRight, inside.width()));
            x += cell.width();
        }
    }

    void paintChartRow(double y, int chartRow)
    {
        const int perRow = m_report.chartsPerRow;
        const double width = m_tableWidth / perRow;
        for (int k = 0; k < perRow; ++k) {
            const int index = chartRow * perRow + k;
            if (index >= m_report.charts.size())
                break;
            const QRectF area(m_left + width * k, y, width - m_page.mm(2), m_page.mm(chartHeight));
            paintMonthChart(m_painter, area, m_report.charts.at(index));
        }
    }

    void paintFooter(int number)
    {
        QPainter &p = m_painter;
        p.setFont(font(8));
        const QRectF foot(m_body.left(), m_body.bottom() - m_page.mm(6), m_body.width(), m_page.mm(6));
        p.drawText(foot, Qt::AlignCenter, QStringLiteral("- %1 / %2 -").arg(number).arg(m_pages));
        p.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("출력일 ") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    }

    QPagedPaintDevice &m_device;
    const ReportPages &m_report;
    Page m_page;
    QPainter m_painter;
    QRectF m_body;
    double m_tableWidth = 0;
    double m_left = 0;
    int m_pages = 1;
};

} // namespace

QString monthPeriodText(const Period &month)
{
    return month.year.trimmed() + QStringLiteral("년 ") + month.month.trimmed() + QStringLiteral("월분");
}

void setReportPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 12),
                                     QPageLayout::Millimeter));
}

int paintReport(QPagedPaintDevice &device, const ReportPages &report)
{
    Painter painter(device, report);
    if (!painter.active())
        return 0;
    return painter.paint();
}

bool writeReportPdf(const QString &path, const ReportPages &report)
{
    return writeOutputFile(path, pdfOutput(), [&report](const QString &file) {
        int pages = 0;
        {
            // The file is whole once the writer is gone.
            QPdfWriter writer(file);
            setReportPage(writer);
            writer.setResolution(300);
            writer.setTitle(report.title);
            writer.setCreator(QStringLiteral("ZedUr"));
            pages = paintReport(writer, report);
        }
        return pages > 0;
    });
}

} // namespace zedur::reports
