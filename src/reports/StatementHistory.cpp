#include "reports/StatementHistory.h"

#include "reports/ReportMonth.h"
#include "reports/Statements.h"
#include "store/Db.h"

#include <QMap>

namespace zedur::reports::statements {

namespace {

constexpr int ChartMonths = 12;

const QString manufacturingTotal = QStringLiteral("40405000");
const QString openingWip = QStringLiteral("40406000");

struct LineKey {
    QString code;
    QString mark;
    bool operator<(const LineKey &o) const { return code != o.code ? code < o.code : mark < o.mark; }
};

// Where a line is found in a month's statement; -1 when the month has no such line.
int rowOf(const ResultSet &lines, const QString &code, const QString &mark)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines.text(i, QStringLiteral("Report_AcCode")) == code &&
            lines.text(i, QStringLiteral("Report_Kubun")) == mark)
            return i;
    return -1;
}

double figureOf(const ResultSet &lines, const QString &code, const QString &mark)
{
    const int row = rowOf(lines, code, mark);
    return row < 0 ? 0 : lineFigure(lines, row);
}

// The month's lines with the two columns beside them. A line that only the month before or
// an earlier month of the year has is shown too, with an empty month.
ResultSet besideEachOther(const ResultSet &month, const ResultSet *previous, const QVector<const ResultSet *> &year)
{
    QMap<LineKey, QVector<QVariant>> rows;
    const auto collect = [&](const ResultSet &lines, bool isMonth) {
        for (int i = 0; i < lines.size(); ++i) {
            const LineKey k{lines.text(i, QStringLiteral("Report_AcCode")),
                            lines.text(i, QStringLiteral("Report_Kubun"))};
            if (rows.contains(k))
                continue;
            rows.insert(k, {k.code, lines.value(i, QStringLiteral("Ac_AcNameReport")), k.mark,
                            isMonth ? lines.value(i, QStringLiteral("SoTotal")) : QVariant(0.0),
                            isMonth ? lines.value(i, QStringLiteral("NuTotal")) : QVariant(0.0)});
        }
    };
    collect(month, true);
    if (previous)
        collect(*previous, false);
    for (const ResultSet *lines : year)
        collect(*lines, false);

    QVector<QVector<QVariant>> out;
    for (auto it = rows.begin(); it != rows.end(); ++it) {
        QVector<QVariant> row = it.value();
        // No books before the month: the column stays empty rather than showing zeros.
        row << (previous ? QVariant(figureOf(*previous, it.key().code, it.key().mark)) : QVariant());
        row << yearFigure(year, it.key().code, it.key().mark);
        out << row;
    }
    return {{"Report_AcCode", "Ac_AcNameReport", "Report_Kubun", "SoTotal", "NuTotal", "PrevTotal", "YtdTotal"}, out};
}

} // namespace

Span spanOf(const QString &code)
{
    // Raw material and WIP at the start and the end of the month; products likewise.
    static const QStringList opening{"40401001", "40406000", "40304002"};
    static const QStringList closing{"40401007", "40408000", "40304006"};
    if (opening.contains(code))
        return Span::Opening;
    if (closing.contains(code))
        return Span::Closing;
    if (code == u"40407000")
        return Span::OpeningTotal;
    return Span::Flow;
}

double lineFigure(const ResultSet &lines, int row)
{
    return lines.number(row, QStringLiteral("SoTotal")) + lines.number(row, QStringLiteral("NuTotal"));
}

double yearFigure(const QVector<const ResultSet *> &months, const QString &code, const QString &mark)
{
    if (months.isEmpty())
        return 0;
    switch (spanOf(code)) {
    case Span::Opening:
        return figureOf(*months.first(), code, mark);
    case Span::Closing:
        return figureOf(*months.last(), code, mark);
    case Span::OpeningTotal:
        return yearFigure(months, manufacturingTotal, mark) + yearFigure(months, openingWip, mark);
    case Span::Flow:
        break;
    }
    double sum = 0;
    for (const ResultSet *lines : months)
        sum += figureOf(*lines, code, mark);
    return sum;
}

QVector<Period> yearToDateMonths(Db &db, const Period &month)
{
    return booksMonths(db, {month.year.trimmed(), QStringLiteral("01")}, month);
}

MonthChart chartOf(const StatementWithHistory &statement, const QString &title,
                   const QVector<QPair<QString, QString>> &labelledCodes)
{
    MonthChart chart{title, {}, {}};
    for (const MonthStatement &m : statement.months)
        chart.months << m.month.year + u'-' + m.month.month;
    for (const auto &[label, code] : labelledCodes) {
        ChartSeries series{label, {}};
        for (const MonthStatement &m : statement.months)
            series.values << rightTotal(m.lines, code) + leftTotal(m.lines, code);
        chart.series << series;
    }
    return chart;
}

ReportList buildMonth(Db &db, const Period &month, StatementKind which)
{
    return which == StatementKind::Income ? incomeStatement(db, month) : costOfGoodsManufactured(db, month);
}

StatementWithHistory buildWithHistory(Db &db, const Period &month, StatementKind which)
{
    const Period chosen{month.year.trimmed(), month.month.trimmed()};
    Transaction t(db);
    StatementWithHistory out;
    for (const Period &p : booksMonths(db, monthsBefore(chosen, ChartMonths - 1), previousMonth(chosen)))
        out.months << MonthStatement{p, buildMonth(db, p, which).rows};
    // The chosen month last, so that the work table keeps its lines.
    const ResultSet chosenLines = buildMonth(db, chosen, which).rows;
    out.months << MonthStatement{chosen, chosenLines};

    const Period before = previousMonth(chosen);
    const ResultSet *previous = nullptr;
    QVector<const ResultSet *> year;
    for (const MonthStatement &m : std::as_const(out.months)) {
        if (m.month == before)
            previous = &m.lines;
        if (m.month.year == chosen.year)
            year << &m.lines;
    }
    out.lines = {historyColumns(), besideEachOther(chosenLines, previous, year)};
    t.commit();
    return out;
}

} // namespace zedur::reports::statements
