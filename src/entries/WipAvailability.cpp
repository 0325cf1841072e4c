#include "entries/WipAvailability.h"

#include "common/TextNumber.h"
#include "store/Db.h"
#include "store/Schema.h"

#include <QHash>

namespace zedur::warehouse {

namespace {

QStringList amountColumns()
{
    QStringList columns;
    for (const QString &stem : RateStems)
        columns << QStringLiteral("SumVw_") + stem;
    for (const QString &stem : CostStems)
        columns << QStringLiteral("SumVw_") + stem;
    return columns << QStringLiteral("SumVw_WoulAmtTot");
}

QVector<ColumnDef> movementColumns()
{
    const auto text = [](const QString &name, int width) {
        return ColumnDef{name, ColumnType::Text, width};
    };
    const auto real = [](const QString &name) {
        return ColumnDef{name, ColumnType::Real};
    };
    QVector<ColumnDef> columns{text("SumVw_Serial", 50),     text("SumVw_Date", 10),      text("SumVw_Year", 4),
                               text("SumVw_Month", 2),       text("SumVw_WonCode", 50),   text("SumVw_WonName", 200),
                               text("SumVw_DanWi", 50),      text("SumVw_Model", 100),    text("SumVw_PumName", 100),
                               text("SumVw_KuSize", 100),    text("SumVw_SerialJen", 50), text("SumVw_TaxNumber", 50),
                               text("SumVw_SaleCode", 50),   text("SumVw_SaleName", 200), text("SumVw_SaleNumber", 50),
                               text("SumVw_SaleDyiPou", 50), real("SumVw_SuKg"),          real("SumVw_DanGa"),
                               real("SumVw_GaAmt"),          text("SumVw_Kubun", 30)};
    for (const QString &column : amountColumns())
        columns << real(column);
    columns << text("SumVw_InPutSerial", 50);
    for (const char *name : {"Parent_SuKg", "InPut_SuKg", "Total_SuKg", "JanCheck_SuKg"})
        columns << real(name);
    return columns;
}

QVector<ColumnDef> without(QVector<ColumnDef> columns, const QStringList &names)
{
    columns.removeIf([&](const ColumnDef &c) { return names.contains(c.name); });
    return columns;
}

// The rates, the ten cost components and the total under a prefix, each put into the pattern
// ("total(%1)", "-%1"); rates given as 0 where the rows carry none.
enum class RatesAre { Columns, Zero };
QString listOf(const QString &prefix, const QString &pattern, RatesAre rates = RatesAre::Columns)
{
    QStringList parts;
    for (const QString &stem : RateStems)
        parts << (rates == RatesAre::Zero ? QStringLiteral("0") : pattern.arg(prefix + stem));
    for (const QString &stem : CostStems)
        parts << pattern.arg(prefix + stem);
    parts << pattern.arg(prefix + QStringLiteral("WoulAmtTot"));
    return parts.join(QStringLiteral(", "));
}

const QString MovementInsert = QStringLiteral(
    "Insert InTo MC_JeyGongPumTaAcChaongGo_SumVw01 (SumVw_Serial, SumVw_Date, SumVw_Year, SumVw_Month, "
    "SumVw_WonCode, SumVw_WonName, SumVw_SuKg, SumVw_DanGa, SumVw_GaAmt, SumVw_Kubun, %1, SumVw_InPutSerial, "
    "Parent_SuKg, InPut_SuKg, Total_SuKg, JanCheck_SuKg) ");

// A movement that takes from a lot: the completion rows and the transfers at 100 %.
QString takenFrom(const QString &table, const QString &prefix, const QString &kind, const QString &condition)
{
    const QString p = prefix;
    return MovementInsert.arg(amountColumns().join(QStringLiteral(", "))) +
           QStringLiteral("Select %1GongSerial, '', %1Year, %1Month, %1WonCode, %1WonName, -%1SuKg, %1DanGa, "
                          "-%1GaAmt, '%2', %3, '', 0, 0, 0, 0 From %4 Where %1Year = :tbYear And %1Month = "
                          ":tbMonth%5")
               .arg(p, kind, listOf(p, QStringLiteral("-%1"), RatesAre::Zero), table, condition);
}

// total(%1) with the same figure on both engines, as a pattern for listOf.
QString totalOf(const Db &db)
{
    return dialect::stableSum(db.engine(), QStringLiteral("total"), QStringLiteral("%1"));
}

// The quantities, amounts and rates of the rows in `from`, summed per group into `table`.
QString sumsInto(const Db &db, const QString &table, const QString &keyColumns, const QString &keySelect,
                 const QString &from, const QString &groupBy)
{
    const QString total = totalOf(db);
    return QStringLiteral("Insert InTo %1 (%2, SumVw_SuKg, SumVw_GaAmt, %3, Parent_SuKg, InPut_SuKg, Total_SuKg, "
                          "JanCheck_SuKg) Select %4, %5, %6, %7, 0, 0, 0, 0 From %8 Group By %9 Having %5 > 0.00001")
        .arg(table, keyColumns, amountColumns().join(QStringLiteral(", ")), keySelect,
             total.arg(QStringLiteral("SumVw_SuKg")), total.arg(QStringLiteral("SumVw_GaAmt")),
             listOf(QStringLiteral("SumVw_"), total), from, groupBy);
}

} // namespace

void recreateAvailabilityTables(Db &db)
{
    const QVector<ColumnDef> movements = movementColumns();
    const QVector<ColumnDef> perLot = without(movements, {"SumVw_Kubun"});
    const QVector<ColumnDef> perMaterial =
        without(perLot, {"SumVw_Serial", "SumVw_Date", "SumVw_Year", "SumVw_Month", "SumVw_InPutSerial"});
    schema::recreateWorkTable(db, OfferMovements, movements);
    schema::recreateWorkTable(db, OffersPerLot, perLot);
    schema::recreateWorkTable(db, OffersPerMaterial, perMaterial);
}

void refillAvailability(Db &db, const Period &month)
{
    for (const QString &table : {OfferMovements, OffersPerLot, OffersPerMaterial})
        db.exec(QStringLiteral("Delete From ") + table);
    const Params ym{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}};
    db.exec(MovementInsert.arg(amountColumns().join(QStringLiteral(", "))) +
                QStringLiteral("Select Gong_Serial, Gong_Date, Gong_Year, Gong_Month, Gong_WonCode, Gong_WonName, "
                               "Gong_SuKg, Gong_DanGa, Gong_GaAmt, '01-제조공정', %1, Gong_InPutSerial, 0, 0, 0, 0 "
                               "From MC_JeyGongPumInPut Where Gong_Year = :tbYear And Gong_Month = :tbMonth And "
                               "Gong_TotWoul = 100.0")
                    .arg(listOf(QStringLiteral("Gong_"), QStringLiteral("%1"))),
            ym);
    db.exec(takenFrom(QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"), QStringLiteral("InGong_"),
                      QStringLiteral("02-창고입고재공"), {}),
            ym);
    db.exec(takenFrom(QStringLiteral("MC_JeyGongPumInPut_TaAc"), QStringLiteral("TaGong_"),
                      QStringLiteral("03-타계정대체"), QStringLiteral(" And TaGong_TotWoul = 100.0")),
            ym);
    // A lot's own row carries its date and receipt; the rows taken from it carry none.
    db.exec(sumsInto(db, OffersPerLot,
                     QStringLiteral("SumVw_Serial, SumVw_Date, SumVw_Year, SumVw_Month, SumVw_WonCode, "
                                    "SumVw_WonName, SumVw_DanGa, SumVw_InPutSerial"),
                     QStringLiteral("SumVw_Serial, Max(SumVw_Date), SumVw_Year, SumVw_Month, SumVw_WonCode, '', "
                                    "SumVw_DanGa, Max(SumVw_InPutSerial)"),
                     OfferMovements,
                     QStringLiteral("SumVw_Serial, SumVw_Year, SumVw_Month, SumVw_WonCode, SumVw_DanGa")));
    // What a material offers is what its lots offer: a lot taken beyond its quantity takes
    // nothing from the others.
    db.exec(sumsInto(db, OffersPerMaterial, QStringLiteral("SumVw_WonCode, SumVw_WonName, SumVw_DanGa"),
                     QStringLiteral("SumVw_WonCode, '', 0"), OffersPerLot, QStringLiteral("SumVw_WonCode")));
}

QVector<LotOffer> offeredLots(Db &db, const QVector<Material> &materials)
{
    QStringList codes;
    for (const Material &m : materials)
        codes << m.code;
    QVector<LotOffer> lots;
    if (codes.isEmpty())
        return lots;
    const ResultSet rs = db.query(QStringLiteral("Select * From MC_JeyGongPumTaAcChaongGo_SumVw02 Where "
                                                 "SumVw_SuKg > 0.00001 Order By SumVw_WonCode, SumVw_Date, "
                                                 "SumVw_Serial, SumVw_DanGa"));
    for (int i = 0; i < rs.size(); ++i) {
        if (!codes.contains(rs.text(i, "SumVw_WonCode"), Qt::CaseInsensitive))
            continue;
        LotOffer lot;
        lot.serial = rs.text(i, "SumVw_Serial");
        lot.date = rs.text(i, "SumVw_Date");
        lot.code = rs.text(i, "SumVw_WonCode");
        lot.price = rs.number(i, "SumVw_DanGa");
        lot.quantity = rs.number(i, "SumVw_SuKg");
        lot.gaAmt = rs.number(i, "SumVw_GaAmt");
        for (int c = 0; c < CostStems.size(); ++c)
            lot.costs[c] = rs.number(i, QStringLiteral("SumVw_") + CostStems.at(c));
        for (int r = 0; r < RateStems.size(); ++r)
            lot.rates[r] = rs.number(i, QStringLiteral("SumVw_") + RateStems.at(r));
        lot.inPutSerial = rs.text(i, "SumVw_InPutSerial");
        lots << lot;
    }
    return lots;
}

QString newestOfferedDate(Db &db)
{
    return db.scalar(QStringLiteral("Select Max(SumVw_Date) From MC_JeyGongPumTaAcChaongGo_SumVw02"))
        .toString()
        .trimmed();
}

ResultSet checkRows(Db &db, const QVector<Material> &materials, double productQuantity, bool missing)
{
    const ResultSet offers = db.query(QStringLiteral("Select * From MC_JeyGongPumTaAcChaongGo_SumVw03"));
    QHash<QString, int> offerOf;
    for (int i = 0; i < offers.size(); ++i)
        offerOf.insert(offers.text(i, "SumVw_WonCode").toUpper(), i);

    QStringList columns{"Tr_Code",    "SumVw_WonCode", "SumVw_WonName", "JanCheck_SuKg", "Parent_SuKg",
                        "InPut_SuKg", "Total_SuKg",    "SumVw_SuKg",    "SumVw_DanGa",   "SumVw_GaAmt",
                        "Tr_Model",   "Tr_PumName",    "Tr_KuSize"};
    const QStringList amounts = amountColumns();
    columns << amounts << QStringLiteral("Tr_DanWi");
    QVector<QVector<QVariant>> rows;
    for (const Material &m : materials) {
        const int offer = offerOf.value(m.code.toUpper(), -1);
        const double need = m.perUnit * productQuantity;
        const double offered = offer < 0 ? 0.0 : offers.number(offer, "SumVw_SuKg");
        if (missing != (offer < 0) || (!missing && !fallsShort(offered, need)))
            continue;
        QVector<QVariant> row{m.code,    offer < 0 ? QVariant() : QVariant(offers.text(offer, "SumVw_WonCode")),
                              m.name,    offer < 0 ? QVariant() : QVariant(offered - need),
                              m.perUnit, productQuantity,
                              need,      offer < 0 ? QVariant() : QVariant(offered)};
        for (const QString &column : QStringList{"SumVw_DanGa", "SumVw_GaAmt"})
            row << (offer < 0 ? QVariant() : offers.value(offer, column));
        row << m.model << m.pumName << m.kuSize;
        for (const QString &column : amounts)
            row << (offer < 0 ? QVariant() : offers.value(offer, column));
        row << m.danWi;
        rows << row;
    }
    return ResultSet(columns, rows);
}

} // namespace zedur::warehouse
