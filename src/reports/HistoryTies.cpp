#include "reports/HistoryTies.h"

#include "reports/ProductTrend.h"
#include "reports/ReportMonth.h"
#include "reports/StatementHistory.h"

#include <QHash>
#include <QSet>
#include <limits>

namespace zedur::reports::ties {

namespace {

constexpr double FourPlaces = 0.0001;

QString monthText(const Period &p)
{
    return p.year.trimmed() + u'-' + p.month.trimmed();
}

// Many figures compared one by one: one tie for all of them (their sums) when every one
// holds, and beside it a tie of its own for each one that does not.
class TieGroup
{
public:
    explicit TieGroup(QString what) : m_what(std::move(what)) {}

    void add(const QString &item, double left, double right)
    {
        m_left += left;
        m_right += right;
        ++m_count;
        const Tie one{m_what + u' ' + item, left, right, FourPlaces};
        if (!one.holds())
            m_failing << one;
    }

    void addTo(QVector<Tie> &out) const
    {
        out << Tie{m_what + QStringLiteral(" (%1건의 합)").arg(m_count), m_left, m_right, FourPlaces * m_count};
        out << m_failing;
    }

private:
    QString m_what;
    double m_left = 0;
    double m_right = 0;
    int m_count = 0;
    QVector<Tie> m_failing;
};

void statementTies(Db &db, const Period &month, statements::StatementKind which, const QString &name,
                   QVector<Tie> &out)
{
    using namespace statements;
    const ResultSet shown = buildWithHistory(db, month, which).lines.rows;
    const QVector<Period> year = yearToDateMonths(db, month);
    QVector<ResultSet> built;
    for (const Period &p : year)
        built << buildMonth(db, p, which).rows;
    QVector<const ResultSet *> months;
    for (const ResultSet &lines : std::as_const(built))
        months << &lines;
    const Period before = previousMonth(month);
    const bool hasBefore = !booksMonths(db, before, before).isEmpty();
    const ResultSet previous = hasBefore ? buildMonth(db, before, which).rows : ResultSet();

    const QString span = year.isEmpty() ? QString() : monthText(year.first()) + " ~ " + monthText(year.last());
    TieGroup ytd(name + QStringLiteral(" 당기누계 = ") + span + QStringLiteral(" 월별 ") + name);
    TieGroup prior(name + QStringLiteral(" 전월 = ") + monthText(before) + u' ' + name);
    for (int i = 0; i < shown.size(); ++i) {
        const QString code = shown.text(i, "Report_AcCode");
        const QString mark = shown.text(i, "Report_Kubun");
        const QString line = (code + u' ' + mark).trimmed();
        ytd.add(line, shown.number(i, "YtdTotal"), yearFigure(months, code, mark));
        if (hasBefore)
            prior.add(line, shown.number(i, "PrevTotal"), yearFigure({&previous}, code, mark));
    }
    ytd.addTo(out);
    if (hasBefore)
        prior.addTo(out);
}

// One product's figures in the month's product movement report.
struct Moved {
    double made = 0;
    double madeCost = 0;
    double sold = 0;
    double costOfSales = 0;
};

QHash<QString, Moved> movedByProduct(const MovementReport &products)
{
    QHash<QString, Moved> moved;
    const ResultSet &rows = products.detail.rows;
    for (int i = 0; i < rows.size(); ++i) {
        const QString index = rows.text(i, "Ret_KubunIndex");
        const QString kind = rows.text(i, "Ret_Kubun");
        const QString code = rows.text(i, "Ret_JeyPumCode");
        if (index.startsWith(u"10") && kind == u"당월입고") {
            moved[code].made += rows.number(i, "Ret_SuKg_YbGo");
            moved[code].madeCost += rows.number(i, "Ret_TotGaAmt_YbGo");
        } else if (index.startsWith(u"10") && kind == u"매출반품입고") {
            moved[code].sold -= rows.number(i, "Ret_SuKg_YbGo");
            moved[code].costOfSales -= rows.number(i, "Ret_TotGaAmt_YbGo");
        } else if (index.startsWith(u"20")) {
            moved[code].sold += rows.number(i, "Ret_SuKg_ChulGo");
            moved[code].costOfSales += rows.number(i, "Ret_TotGaAmt_ChulGo");
        }
    }
    return moved;
}

} // namespace

void yearToDateTies(Db &db, const Period &month, QVector<Tie> &out)
{
    statementTies(db, month, statements::StatementKind::CostOfGoodsManufactured, QStringLiteral("제조원가명세서"), out);
    statementTies(db, month, statements::StatementKind::Income, QStringLiteral("손익계산서"), out);
}

void productTrendTies(Db &db, const Period &month, const MovementReport &products, QVector<Tie> &out)
{
    const ResultSet trend = productTrend::build(db, {month, month}).rows;
    const QHash<QString, Moved> moved = movedByProduct(products);
    const QString trendName = QStringLiteral("제품별 원가 및 이익 추이 ");
    const QString movements = QStringLiteral(" = 제품 입출고 ");
    TieGroup made(trendName + "완성 수량" + movements + "당월입고 수량");
    TieGroup madeCost(trendName + "완성 금액" + movements + "당월입고 금액");
    TieGroup sold(trendName + "매출 수량" + movements + "출고 수량 - 매출반품입고 수량");
    TieGroup costOfSales(trendName + "매출원가" + movements + "출고 금액 - 매출반품입고 금액");
    double sales = 0;
    QSet<QString> shown;
    for (int i = 0; i < trend.size(); ++i) {
        const QString code = trend.text(i, "Trend_JeyPumCode");
        const Moved m = moved.value(code);
        shown << code;
        made.add(code, trend.number(i, "Trend_MadeSuKg"), m.made);
        madeCost.add(code, trend.number(i, "Trend_MadeAmt"), m.madeCost);
        sold.add(code, trend.number(i, "Trend_SoldSuKg"), m.sold);
        costOfSales.add(code, trend.number(i, "Trend_SaleCost"), m.costOfSales);
        sales += trend.number(i, "Trend_SaleAmt");
    }
    // A product the movements have and the trend leaves out is a difference too.
    for (auto it = moved.cbegin(); it != moved.cend(); ++it) {
        if (shown.contains(it.key()))
            continue;
        made.add(it.key(), 0, it->made);
        madeCost.add(it.key(), 0, it->madeCost);
        sold.add(it.key(), 0, it->sold);
        costOfSales.add(it.key(), 0, it->costOfSales);
    }
    for (const TieGroup *group : {&made, &madeCost, &sold, &costOfSales})
        group->addTo(out);
    const double movedSales = products.summary.rows.isEmpty()
                                  ? std::numeric_limits<double>::quiet_NaN()
                                  : products.summary.rows.number(0, "Ret_SaleTotAmt");
    out << Tie{trendName + "매출액의 합" + movements + "당월 전체 매출액", sales, movedSales, FourPlaces};
}

} // namespace zedur::reports::ties
