#include "imports/OpeningStock.h"

#include "common/TextNumber.h"

namespace zedur::imports::opening {

namespace {

const QString Carried = QStringLiteral("전기이월");
constexpr double SumTolerance = 0.00001;

// The descriptive texts every stock row may bring: voucher, invoice book, supplier, memo, remark.
QVector<Field> commonFields(const QString &table, const QString &prefix)
{
    const auto f = [&](const char *stem, const QStringList &titles) {
        return textField(table, prefix + QLatin1StringView(stem), titles);
    };
    return {f("SerialJen", {"전표번호"}),
            f("TaxNumber", {"세금계산서권번호", "권번호"}),
            f("SaleCode", {"거래처코드"}),
            f("SaleName", {"거래처상호"}),
            f("SaleNumber", {"사업자번호", "사업자등록번호"}),
            f("SaleDyiPou", {"대표자명"}),
            f("TextMemo", {"적요및메모", "적요 및 메모", "적요", "적요기재사항"}),
            f("Bigo", {"비고"})};
}

StockKind rawMaterialKind()
{
    const QString t = QStringLiteral("MC_WonJaJeyInPut");
    StockKind k{Stock::RawMaterial,
                QStringLiteral("원자재"),
                t,
                QStringLiteral("InPut_"),
                QStringLiteral("InPut_WonCode"),
                {},
                {}};
    k.fields = {textField(t, k.codeColumn, {"원자재코드", "원자재 코드"}),
                {"InPut_SuKg", {"입고수량(중량)", "수량(중량)", "수량"}},
                {"InPut_DanGa", {"원자재단가", "단가"}},
                {"InPut_GaAmt", {"공급가액(금액)", "공급가액", "금액"}}};
    k.fields += commonFields(t, k.prefix);
    k.required = {k.codeColumn, "InPut_SuKg"};
    return k;
}

const QStringList CostStems{"WonAmt", "NoMu_01", "NoMu_02", "JeyJo_01", "JeyJo_02"};

StockKind wipKind()
{
    const QString t = QStringLiteral("MC_JeyGongPumInPut");
    StockKind k{Stock::Wip, QStringLiteral("재공품"), t, QStringLiteral("Gong_"), QStringLiteral("Gong_WonCode"), {},
                {}};
    k.fields = {textField(t, k.codeColumn, {"원자재 코드", "원자재코드"}),
                {"Gong_SuKg", {"수량(중량)", "원자재수량(중량)", "투입 수량", "수량"}},
                {"Gong_DanGa", {"단가", "원자재단가"}},
                {"Gong_GaAmt", {"공급가액", "원자재금액", "금액"}},
                {"Gong_TotWoul", {"원자재완성율누계", "완성율누계", "완성율합계"}},
                {"Gong_JenGiWoul", {"전월원자재완성율", "전월완성율"}}};
    const QStringList names{"완성율원자재원가", "직접노무비배부액", "간접노무비배부액", "직접제조경비배부액",
                            "간접제조경비배부액"};
    const QStringList shortNames{"완성율원자재금액", "직접노무비", "간접노무비", "직접제조경비", "간접제조경비"};
    const QList<QPair<QString, QString>> periods{{"JenGi", "전월"}, {"Daong", "당월"}};
    for (int i = 0; i < CostStems.size(); ++i)
        for (const auto &[stem, when] : periods)
            k.fields.append({"Gong_" + stem + CostStems.at(i), {when + names.at(i), when + shortNames.at(i)}});
    k.fields += commonFields(t, k.prefix);
    k.required = {k.codeColumn, "Gong_SuKg"};
    return k;
}

const QStringList ProductParts{"GaAmt", "JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo"};

StockKind productKind()
{
    const QString t = QStringLiteral("MC_ChaongGoJeyPumInPut");
    StockKind k{Stock::Product,
                QStringLiteral("제품"),
                t,
                QStringLiteral("JeyPum_"),
                QStringLiteral("JeyPum_JeyPumCode"),
                {},
                {}};
    k.fields = {textField(t, k.codeColumn, {"제품코드", "완제품 코드", "완제품코드"}),
                {"JeyPum_SuKg", {"제품수량", "수량"}},
                {"JeyPum_GaAmt", {"원자재금액", "원자재 금액"}},
                {"JeyPum_JenGiNoMu", {"직접노무비배부액"}},
                {"JeyPum_DaongNoMu", {"간접노무비배부액"}},
                {"JeyPum_JenGiJeyJo", {"직접제조경비배부액"}},
                {"JeyPum_DaongJeyJo", {"간접제조경비배부액"}},
                {"JeyPum_TotGaAmt", {"완성제품금액(제품매출원가)", "완제품완성금액", "완성제품금액", "제품원가"}}};
    k.fields += commonFields(t, k.prefix);
    k.required = {k.codeColumn, "JeyPum_SuKg"};
    return k;
}

bool named(const SheetCells &titles, const StockKind &kind, const QString &key)
{
    for (const Field &f : kind.fields)
        if (f.key == key)
            return titlesName(titles, f);
    return false;
}

// Quantity above zero: opening stock is stock on hand.
double quantityOf(FieldRow &row, const QString &key)
{
    const std::optional<double> q = row.number(key);
    if (!q) {
        if (row.ok())
            row.problem(key, QStringLiteral("수량(중량)이 없습니다."));
        return 0.0;
    }
    if (*q <= 0)
        row.problem(key, QStringLiteral("기초재고 수량은 0보다 커야 합니다: ") + row.shown(key));
    return *q;
}

double value(FieldRow &row, const QString &key)
{
    return row.has(key) ? row.number(key).value_or(0.0) : 0.0;
}

// Unit price and amount as the receipts screen has them: either may be worked out from the
// other and the quantity; with neither, the master's price.
QPair<double, double> priceAndAmount(FieldRow &row, const QString &priceKey, const QString &amountKey, double quantity,
                                     double masterPrice)
{
    const std::optional<double> price = row.has(priceKey) ? row.number(priceKey) : std::nullopt;
    const std::optional<double> amount = row.has(amountKey) ? row.number(amountKey) : std::nullopt;
    double p = price.value_or(masterPrice);
    if (!price && amount && quantity != 0)
        p = *amount / quantity;
    p = roundDecimals(p, 4);
    const double a = amount ? roundDecimals(*amount, 4) : roundDecimals(productCut(quantity, p, 5), 4);
    return {p, a};
}

void copyTexts(const StockKind &kind, FieldRow &row, QHash<QString, QVariant> &values)
{
    for (const char *stem : {"SerialJen", "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou", "Bigo"}) {
        const QString key = kind.prefix + QLatin1StringView(stem);
        values.insert(key, row.has(key) ? row.text(key) : QString());
    }
}

} // namespace

const StockKind &stockKind(Stock stock)
{
    static const StockKind raw = rawMaterialKind();
    static const StockKind wip = wipKind();
    static const StockKind product = productKind();
    switch (stock) {
    case Stock::RawMaterial:
        return raw;
    case Stock::Wip:
        return wip;
    case Stock::Product:
        break;
    }
    return product;
}

std::optional<Stock> stockOfTitles(const SheetCells &titles)
{
    const StockKind &wip = stockKind(Stock::Wip);
    if (named(titles, wip, "Gong_TotWoul") || named(titles, wip, "Gong_JenGiWoul"))
        return Stock::Wip;
    if (named(titles, stockKind(Stock::Product), "JeyPum_JeyPumCode"))
        return Stock::Product;
    if (named(titles, stockKind(Stock::RawMaterial), "InPut_WonCode"))
        return Stock::RawMaterial;
    return std::nullopt;
}

QString carriedMemo(const Period &open)
{
    return open.year + u'-' + open.month + QStringLiteral("-01 전기이월분");
}

QHash<QString, QVariant> stockRow(const StockKind &kind, FieldRow &row, const MasterItem &master, const Period &open)
{
    const QString p = kind.prefix;
    QHash<QString, QVariant> v;
    v.insert(p + "Date", open.year + u'-' + open.month + QStringLiteral("-01"));
    v.insert(p + "Year", open.year);
    v.insert(p + "Month", open.month);
    v.insert(p + "Kubun", Carried);
    const QString memoKey = p + "TextMemo";
    const QString memo = row.has(memoKey) ? row.text(memoKey) : QString();
    v.insert(memoKey, memo.isEmpty() ? carriedMemo(open) : memo);
    copyTexts(kind, row, v);
    const QString nameColumn = kind.stock == Stock::Product ? p + "JeyPumName" : p + "WonName";
    v.insert(kind.codeColumn, master.code);
    v.insert(nameColumn, master.name);
    v.insert(p + "DanWi", master.danWi);
    v.insert(p + "Model", master.model);
    v.insert(p + "PumName", master.pumName);
    v.insert(p + "KuSize", master.kuSize);

    const double quantity = quantityOf(row, p + "SuKg");
    switch (kind.stock) {
    case Stock::RawMaterial: {
        const auto [price, amount] = priceAndAmount(row, p + "DanGa", p + "GaAmt", quantity, master.price);
        v.insert(p + "SuKg", roundDecimals(quantity, 4));
        v.insert(p + "DanGa", price);
        v.insert(p + "GaAmt", amount);
        break;
    }
    case Stock::Wip: {
        const auto [price, amount] = priceAndAmount(row, p + "DanGa", p + "GaAmt", quantity, master.price);
        // The rate so far is the lot's total rate; an earlier month's rate alone will do.
        const QString rateKey = row.filled(p + "TotWoul") ? p + "TotWoul" : p + "JenGiWoul";
        const double rate = value(row, rateKey);
        if (rate < 0 || rate > 100)
            row.problem(rateKey, QStringLiteral("완성율은 0에서 100 사이여야 합니다: ") + row.shown(rateKey));
        v.insert(p + "SuKg", roundDecimals(quantity, 4));
        v.insert(p + "DanGa", price);
        v.insert(p + "GaAmt", amount);
        v.insert(p + "JenGiWoul", round15(rate));
        v.insert(p + "DaongWoul", 0.0);
        v.insert(p + "TotWoul", round15(rate));
        double total = amount;
        for (const QString &stem : CostStems) {
            const QString earlier = p + "JenGi" + stem;
            const QString month = p + "Daong" + stem;
            double cost = value(row, earlier) + value(row, month);
            // Without the raw-material cost completed so far, the rate gives it, as the
            // completion screen works it out.
            if (stem == u"WonAmt" && !row.filled(earlier) && !row.filled(month))
                cost = productRounded(rate / 100.0, amount, 4);
            cost = roundDecimals(cost, 5);
            v.insert(earlier, cost);
            v.insert(month, 0.0);
            if (stem != u"WonAmt")
                total += cost;
        }
        v.insert(p + "WoulAmtTot", roundDecimals(total, 5));
        v.insert(p + "InPutSerial", QString());
        v.insert(p + "GongSerial", QString());
        break;
    }
    case Stock::Product: {
        v.insert(p + "SuKg", round15(quantity));
        double sum = 0.0;
        bool partsGiven = false;
        for (const QString &part : ProductParts) {
            const double share = roundDecimals(value(row, p + part), 5);
            partsGiven = partsGiven || row.filled(p + part);
            v.insert(p + part, share);
            sum += share;
        }
        const QString totalKey = p + "TotGaAmt";
        const std::optional<double> total = row.has(totalKey) ? row.number(totalKey) : std::nullopt;
        if (partsGiven && sum != 0) {
            if (total && std::abs(*total - sum) > SumTolerance)
                row.problem(totalKey, QStringLiteral("원가 %1이(가) 원자재금액과 배부액의 합 %2와(과) 다릅니다.")
                                          .arg(row.shown(totalKey), formatFloat(QStringLiteral("#,##0.00000"), sum)));
            v.insert(totalKey, roundDecimals(sum, 5));
        } else if (total) {
            v.insert(totalKey, roundDecimals(*total, 5));
        } else if (row.ok()) {
            row.problem(totalKey, QStringLiteral("제품의 원가(완성제품금액)가 없습니다."));
        }
        for (const char *link : {"BanPum_ChulGoSerial", "BanPum_ChulGoJeyPumSerial", "BanPum_NewChulGoSerial"})
            v.insert(QLatin1StringView(link), QString());
        v.insert(p + "JeyPumSerial", QString());
        break;
    }
    }
    if (kind.stock == Stock::RawMaterial)
        v.insert(p + "InPutSerial", QString());
    return v;
}

} // namespace zedur::imports::opening
