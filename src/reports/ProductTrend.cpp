#include "reports/ProductTrend.h"

#include "reports/ReportMonth.h"
#include "store/Db.h"

#include <QHash>
#include <QMap>
#include <limits>

namespace zedur::reports::productTrend {

namespace {

// What one product did in one month.
struct Figures {
    double made = 0; // quantity completed
    double material = 0;
    double labour = 0;
    double overhead = 0;
    double madeCost = 0;
    double sold = 0; // regular sales less returns
    double sales = 0;
    double costOfSales = 0;
};

QString monthKey(const QString &year, const QString &month)
{
    return year.trimmed() + u'-' + month.trimmed();
}

// The range's condition on a table's period columns: the year bounds let the period index
// serve it.
QString inRange(const QString &prefix)
{
    return QStringLiteral("%1Year Between :tbFirstYear And :tbLastYear And %1Year || %1Month Between :tbFirst And "
                          ":tbLast")
        .arg(prefix);
}

Params rangeParams(const Range &r)
{
    return {{":tbFirstYear", r.first.year},
            {":tbLastYear", r.last.year},
            {":tbFirst", r.first.year + r.first.month},
            {":tbLast", r.last.year + r.last.month}};
}

QVariant perUnit(double amount, double quantity)
{
    return quantity == 0 ? QVariant() : QVariant(amount / quantity);
}

} // namespace

Range lastTwelveMonths(const Period &last)
{
    const Period l{last.year.trimmed(), last.month.trimmed()};
    return {monthsBefore(l, 11), l};
}

Range ordered(const Range &range)
{
    const Range r{{range.first.year.trimmed(), range.first.month.trimmed()},
                  {range.last.year.trimmed(), range.last.month.trimmed()}};
    if (r.first.text() > r.last.text())
        return {r.last, r.first};
    return r;
}

const ReportColumns &columns()
{
    static const ReportColumns list{
        {"Trend_JeyPumCode", "제품  코드"},
        {"Trend_JeyPumName", "제품명"},
        {"Trend_YearMonth", "년월"},
        {"Trend_MadeSuKg", "완성 수량", Amount4ZeroBlank},
        {"Trend_UnitGaAmt", "단위당 재료비", Amount4ZeroBlank},
        {"Trend_UnitNoMu", "단위당 노무비", Amount4ZeroBlank},
        {"Trend_UnitJeyJo", "단위당 제조경비", Amount4ZeroBlank},
        {"Trend_UnitCost", "단위당 원가", Amount4ZeroBlank, Shade::Subtotal},
        {"Trend_MadeAmt", "완성 금액", Amount4ZeroBlank},
        {"Trend_SoldSuKg", "매출 수량", Amount4ZeroBlank},
        {"Trend_SaleAmt", "매출액", Amount4ZeroBlank},
        {"Trend_SaleCost", "매출원가", Amount4ZeroBlank},
        {"Trend_Margin", "매출총이익", Amount4ZeroBlank},
        {"Trend_UnitMargin", "단위당 매출총이익", Amount4ZeroBlank, Shade::Subtotal},
    };
    return list;
}

ReportList build(Db &db, const Range &asked)
{
    const Range range = ordered(asked);
    const Params params = rangeParams(range);
    Transaction t(db);
    QMap<QString, QHash<QString, Figures>> products; // code -> month -> figures
    QHash<QString, QString> names;
    const auto nameOf = [&](const QString &code, const QString &name) {
        if (!name.isEmpty() && names.value(code).isEmpty())
            names.insert(code, name);
    };

    db.forEachRow(
        QStringLiteral(
            "Select JeyPum_JeyPumCode As Code, Max(JeyPum_JeyPumName) As Name, JeyPum_Year As Y, JeyPum_Month As M, "
            "total(Case When JeyPum_Kubun = '당월입고' Then JeyPum_SuKg End) As Made, "
            "total(Case When JeyPum_Kubun = '당월입고' Then JeyPum_GaAmt End) As Material, "
            "total(Case When JeyPum_Kubun = '당월입고' Then JeyPum_JenGiNoMu + JeyPum_DaongNoMu End) As Labour, "
            "total(Case When JeyPum_Kubun = '당월입고' Then JeyPum_JenGiJeyJo + JeyPum_DaongJeyJo End) As Overhead, "
            "total(Case When JeyPum_Kubun = '당월입고' Then JeyPum_TotGaAmt End) As MadeCost, "
            "total(Case When JeyPum_Kubun = '매출반품입고' Then JeyPum_SuKg End) As Returned, "
            "total(Case When JeyPum_Kubun = '매출반품입고' Then JeyPum_TotGaAmt End) As ReturnedCost "
            "From MC_ChaongGoJeyPumInPut Where JeyPum_Kubun In ('당월입고', '매출반품입고') And ") +
            inRange("JeyPum_") + QStringLiteral(" Group By JeyPum_JeyPumCode, JeyPum_Year, JeyPum_Month"),
        params, [&](const RowReader &r) {
            const QString code = r.text("Code");
            nameOf(code, r.text("Name"));
            Figures &f = products[code][monthKey(r.text("Y"), r.text("M"))];
            f.made += r.number("Made");
            f.material += r.number("Material");
            f.labour += r.number("Labour");
            f.overhead += r.number("Overhead");
            f.madeCost += r.number("MadeCost");
            f.sold -= r.number("Returned");
            f.costOfSales -= r.number("ReturnedCost");
        });
    // Sales of every kind count, the negative sales of returns too; the cost of regular ones.
    db.forEachRow(
        QStringLiteral("Select ChulGo_JeyPumCode As Code, Max(ChulGo_JeyPumName) As Name, ChulGo_Year As Y, "
                       "ChulGo_Month As M, "
                       "total(Case When ChulGo_Kubun = '정기매출출고' Then ChulGo_SuKg End) As Sold, "
                       "total(Case When ChulGo_Kubun = '정기매출출고' Then ChulGo_WonJaJeyAmt End) As Cost, "
                       "total(ChulGo_GaAmt) As Sales "
                       "From MC_ChaongGoJeyPumInPut_ChulGo Where ") +
            inRange("ChulGo_") + QStringLiteral(" Group By ChulGo_JeyPumCode, ChulGo_Year, ChulGo_Month"),
        params, [&](const RowReader &r) {
            const QString code = r.text("Code");
            nameOf(code, r.text("Name"));
            Figures &f = products[code][monthKey(r.text("Y"), r.text("M"))];
            f.sold += r.number("Sold");
            f.costOfSales += r.number("Cost");
            f.sales += r.number("Sales");
        });
    const QVector<Period> months = booksMonths(db, range.first, range.last);
    t.commit();

    QVector<QVector<QVariant>> rows;
    for (auto product = products.cbegin(); product != products.cend(); ++product) {
        for (const Period &month : months) {
            const QString ym = monthKey(month.year, month.month);
            const Figures f = product.value().value(ym);
            const double margin = f.sales - f.costOfSales;
            rows << QVector<QVariant>{product.key(),
                                      names.value(product.key()),
                                      ym,
                                      f.made,
                                      perUnit(f.material, f.made),
                                      perUnit(f.labour, f.made),
                                      perUnit(f.overhead, f.made),
                                      perUnit(f.madeCost, f.made),
                                      f.madeCost,
                                      f.sold,
                                      f.sales,
                                      f.costOfSales,
                                      margin,
                                      perUnit(margin, f.sold)};
        }
    }
    QStringList fields;
    for (const ReportColumn &c : columns())
        fields << c.field;
    return {columns(), ResultSet(fields, rows)};
}

QVector<MonthChart> productCharts(const ReportList &trend)
{
    QVector<MonthChart> charts;
    const ResultSet &rows = trend.rows;
    const auto figure = [&](int row, const QString &field) {
        const QVariant v = rows.value(row, field);
        return v.isNull() ? std::numeric_limits<double>::quiet_NaN() : v.toDouble();
    };
    for (int i = 0; i < rows.size(); ++i) {
        const QString code = rows.text(i, "Trend_JeyPumCode");
        if (i == 0 || rows.text(i - 1, "Trend_JeyPumCode") != code)
            charts << MonthChart{code + u' ' + rows.text(i, "Trend_JeyPumName"),
                                 {},
                                 {{QStringLiteral("단위당 원가"), {}}, {QStringLiteral("단위당 매출총이익"), {}}}};
        MonthChart &chart = charts.last();
        chart.months << rows.text(i, "Trend_YearMonth");
        chart.series[0].values << figure(i, "Trend_UnitCost");
        chart.series[1].values << figure(i, "Trend_UnitMargin");
    }
    return charts;
}

} // namespace zedur::reports::productTrend
