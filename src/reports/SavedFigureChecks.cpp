#include "reports/SavedFigureChecks.h"

#include "entries/CompletionRates.h"
#include "entries/Issues.h"
#include "entries/LotConsumption.h"
#include "entries/ProductFigures.h"
#include "entries/ProductShipments.h"
#include "entries/SalesReturns.h"
#include "entries/TakenAmount.h"
#include "entries/WarehouseReceipts.h"
#include "entries/WipTransfers.h"
#include "store/Dialect.h"

#include <cmath>
#include <limits>

namespace zedur::reports::rowchecks {

namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN();

using warehouse::CostStems;
using warehouse::RateStems;

// The slice columns a completion is saved with and the allocation never rewrites: the
// raw-material amounts and what the lot brought forward.
const QStringList SavedSliceStems = CostStems.mid(0, 6);
// A lot's total as the allocation forms it: its raw-material amount and eight labour and
// overhead amounts.
const QStringList LotTotalStems{"GaAmt",        "JenGiNoMu_01", "JenGiNoMu_02",  "JenGiJeyJo_01", "JenGiJeyJo_02",
                                "DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02"};
// Product rows: raw material, direct and indirect labour, direct and indirect overhead, total.
const QStringList ProductStems{"GaAmt", "JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo", "TotGaAmt"};

// A column of a row read through an outer join: NaN where no row was found.
double figure(const RowReader &row, const QString &column)
{
    const QVariant value = row.value(column);
    return value.isNull() ? None : value.toDouble();
}

// The columns under `prefix` of the row aliased `alias`, each selected under `as` + its stem.
QString picked(const QString &alias, const QString &prefix, const QStringList &stems, const QString &as)
{
    QStringList out;
    for (const QString &stem : stems)
        out << QStringLiteral("%1.%2%3 As %4%3").arg(alias, prefix, stem, as);
    return out.join(QStringLiteral(", "));
}

warehouse::Costs costsOf(const RowReader &row, const QString &as)
{
    warehouse::Costs costs{};
    for (int i = 0; i < CostStems.size(); ++i)
        costs[size_t(i)] = row.number(as + CostStems.at(i));
    return costs;
}

productfigures::ProductCost productCostOf(const RowReader &row, const QString &as)
{
    const auto n = [&](const char *stem) {
        return row.number(as + QLatin1String(stem));
    };
    return {n("GaAmt"), n("JenGiNoMu"), n("DaongNoMu"), n("JenGiJeyJo"), n("DaongJeyJo"), n("TotGaAmt")};
}

QVector<double> partsOf(const productfigures::ProductCost &c)
{
    return {c.gaAmt, c.jenGiNoMu, c.daongNoMu, c.jenGiJeyJo, c.daongJeyJo, c.totGaAmt};
}

// The sale a return took back from, as stored (aliased S, selected as Sale_*).
const QString SaleColumns =
    QStringLiteral("S.ChulGo_Serial As Sale_Serial, S.ChulGo_SuKg As Sale_SuKg, S.ChulGo_DanGa As Sale_DanGa, "
                   "S.ChulGo_GaAmt As Sale_GaAmt, S.ChulGo_WonJaJeyAmt As Sale_Cost");

productfigures::SaleTakenBack saleOf(const RowReader &row)
{
    return {row.number("Sale_SuKg"), row.number("Sale_DanGa"), row.number("Sale_GaAmt"), row.number("Sale_Cost")};
}

} // namespace

SavedFigureChecks::SavedFigureChecks(Db &db, const MonthCopies &copies, Findings &findings, bool allocated)
    : m_db(db), m_copies(copies), m_findings(findings), m_allocated(allocated),
      m_lots(db, copies.of(entryTables::Lots)), m_productReceipts(db, copies.of(entryTables::ProductReceipts))
{
}

void SavedFigureChecks::issues()
{
    struct Take {
        const EntryTable *table;
        QString serial;
        double quantity, price, amount;
        QString receipt;
        double receiptQuantity, receiptPrice, receiptAmount;
    };
    QVector<Take> takes;
    QHash<QString, int> perReceipt;
    const auto read = [&](const EntryTable &table, const QString &which, const Params &params) {
        m_db.forEachRow(QStringLiteral("Select T.%1Serial As Serial, T.%1SuKg As SuKg, T.%1DanGa As DanGa, "
                                       "T.%1GaAmt As GaAmt, R.InPut_Serial As Receipt, R.InPut_SuKg As R_SuKg, "
                                       "R.InPut_DanGa As R_DanGa, R.InPut_GaAmt As R_GaAmt From %2 T Left Join "
                                       "MC_WonJaJeyInPut R On R.InPut_Serial = T.%1InPutSerial%3")
                            .arg(table.prefix, m_copies.of(table).name(), which),
                        params, [&](const RowReader &r) {
                            takes.append({&table, r.text("Serial"), r.number("SuKg"), r.number("DanGa"),
                                          r.number("GaAmt"), r.text("Receipt"), figure(r, "R_SuKg"),
                                          r.number("R_DanGa"), r.number("R_GaAmt")});
                            ++perReceipt[r.text("Receipt")];
                        });
    };
    read(entryTables::Lots, QStringLiteral(" Where T.Gong_Kubun = :tbKind"), {{":tbKind", issues::LotKubun}});
    read(entryTables::MaterialTransfers, {}, {});

    Repairs transfers(m_db, m_copies.of(entryTables::MaterialTransfers));
    for (const Take &t : std::as_const(takes)) {
        Repairs &repairs = t.table == &entryTables::Lots ? m_lots : transfers;
        const QString &name = t.table->name;
        if (std::isnan(t.receiptQuantity)) {
            m_findings.differs(name, t.serial, t.table->column("GaAmt"), t.amount, None, FourPlaces);
            continue;
        }
        const double price = issues::issuedPrice(t.receiptPrice);
        if (m_findings.differs(name, t.serial, t.table->column("DanGa"), t.price, price, FourPlaces))
            repairs.set(t.serial, t.table->column("DanGa"), price);
        // Worked out as any take but the one that took all that was left: that one took the
        // rest of a typed amount, which is its share give or take the rounding of the other
        // shares and of a quantity within half the last place of what was left.
        const taken::Source source{t.receiptQuantity, price, t.receiptAmount, std::numeric_limits<double>::infinity(),
                                   0.0};
        double slack = 0;
        if (!taken::atUnitPrice(t.receiptQuantity, price, t.receiptAmount))
            slack = FourPlaces * (perReceipt.value(t.receipt) - 1) +
                    (t.receiptQuantity == 0 ? 0.0 : std::fabs(t.receiptAmount / t.receiptQuantity) * FourPlaces);
        const double amount = taken::amountTaken(source, t.quantity);
        if (m_findings.differs(name, t.serial, t.table->column("GaAmt"), t.amount, amount, FourPlaces + slack))
            repairs.set(t.serial, t.table->column("GaAmt"), amount, slack);
    }
    m_lots.apply();
    transfers.apply();
}

void SavedFigureChecks::completionRates()
{
    const QString table = entryTables::Lots.name;
    m_db.forEachRow(
        QStringLiteral("Select G.Gong_Serial As Serial, G.Gong_JenGiWoul As JenGiWoul, G.Gong_DaongWoul As DaongWoul, "
                       "G.Gong_TotWoul As TotWoul, G.Gong_DaongWonAmt As DaongWonAmt, G.Gong_WoulAmtTot As WoulAmtTot, "
                       "%1 From %2 G")
            .arg(picked("G", "Gong_", LotTotalStems, {}), m_copies.of(entryTables::Lots).name()),
        {}, [&](const RowReader &r) {
            const QString serial = r.text("Serial");
            const double slack = m_lots.slack(serial);
            const completion::CompletionFigures f =
                completion::completionFigures(r.number("DaongWoul"), r.number("JenGiWoul"), r.number("GaAmt"));
            if (m_findings.differs(table, serial, "Gong_TotWoul", r.number("TotWoul"), f.cumulative, TwoPlaces))
                m_lots.set(serial, "Gong_TotWoul", f.cumulative);
            if (m_findings.differs(table, serial, "Gong_DaongWonAmt", r.number("DaongWonAmt"), f.monthCost,
                                   FourPlaces + f.rate / 100.0 * slack))
                m_lots.set(serial, "Gong_DaongWonAmt", f.monthCost, slack);
            if (m_allocated)
                return; // the allocation's run says what the total must be
            // Brought forward at five places, or as the allocation or the issue left it.
            double total = 0;
            for (const QString &stem : LotTotalStems)
                total += r.number(stem);
            if (m_findings.differs(table, serial, "Gong_WoulAmtTot", r.number("WoulAmtTot"), total, FivePlaces + slack))
                m_lots.set(serial, "Gong_WoulAmtTot", total, slack);
        });
    m_lots.apply();
}

void SavedFigureChecks::lotTransfers()
{
    const EntryTable &t = entryTables::LotTransfers;
    Repairs repairs(m_db, m_copies.of(t));
    m_db.forEachRow(
        QStringLiteral("Select T.TaGong_Serial As Serial, T.TaGong_GongSerial As Lot, T.TaGong_SuKg As SuKg, "
                       "T.TaGong_DanGa As DanGa, T.TaGong_GaAmt As GaAmt, T.TaGong_WoulAmtTot As WoulAmtTot, %1, %2, "
                       "G.Gong_Serial As G_Serial, G.Gong_SuKg As G_SuKg, G.Gong_DanGa As G_DanGa, G.Gong_GaAmt As "
                       "G_GaAmt, %3, %4 From %5 T Left Join %6 G On G.Gong_Serial = T.TaGong_GongSerial")
            .arg(picked("T", "TaGong_", RateStems, "T_"), picked("T", "TaGong_", CostStems, "T_"),
                 picked("G", "Gong_", RateStems, "G_"), picked("G", "Gong_", CostStems, "G_"), m_copies.of(t).name(),
                 m_copies.of(entryTables::Lots).name()),
        {}, [&](const RowReader &r) {
            const QString serial = r.text("Serial");
            const QString lot = r.text("Lot");
            if (r.number("T_TotWoul") == 100.0)
                ++m_fullTransfers[lot];
            if (r.value("G_Serial").isNull()) {
                m_findings.differs(t.name, serial, t.column("GaAmt"), r.number("GaAmt"), None, FourPlaces);
                return;
            }
            const double slack = m_lots.slack(lot);
            const wiptransfer::LotShare share =
                wiptransfer::shareOfLot(r.number("G_SuKg"), r.number("G_GaAmt"), costsOf(r, "G_"), r.number("SuKg"));
            if (m_findings.differs(t.name, serial, t.column("DanGa"), r.number("DanGa"), r.number("G_DanGa"),
                                   FourPlaces))
                repairs.set(serial, t.column("DanGa"), r.number("G_DanGa"));
            if (m_findings.differs(t.name, serial, t.column("GaAmt"), r.number("GaAmt"), share.gaAmt,
                                   FourPlaces + slack))
                repairs.set(serial, t.column("GaAmt"), share.gaAmt, slack);
            if (m_allocated)
                return; // the rates and amounts below are the allocation's to check
            for (const QString &stem : RateStems)
                if (m_findings.differs(t.name, serial, t.column(stem), r.number("T_" + stem), r.number("G_" + stem),
                                       TwoPlaces))
                    repairs.set(serial, t.column(stem), r.number("G_" + stem));
            for (int i = 0; i < CostStems.size(); ++i)
                if (m_findings.differs(t.name, serial, t.column(CostStems.at(i)), r.number("T_" + CostStems.at(i)),
                                       share.costs[size_t(i)], FourPlaces + slack))
                    repairs.set(serial, t.column(CostStems.at(i)), share.costs[size_t(i)], slack);
            if (m_findings.differs(t.name, serial, t.column("WoulAmtTot"), r.number("WoulAmtTot"), share.woulAmtTot,
                                   FourPlaces + slack))
                repairs.set(serial, t.column("WoulAmtTot"), share.woulAmtTot, slack);
        });
    repairs.apply();
}

void SavedFigureChecks::slices()
{
    const EntryTable &t = entryTables::LotCompletions;
    const QString copy = m_copies.of(t).name();
    QHash<QString, int> takesOf = m_fullTransfers;
    m_db.forEachRow(
        QStringLiteral("Select InGong_GongSerial As Lot, count(*) As Slices From %1 Group By InGong_GongSerial")
            .arg(copy),
        {}, [&](const RowReader &r) { takesOf[r.text("Lot")] += r.value("Slices").toInt(); });

    Repairs repairs(m_db, m_copies.of(t));
    m_db.forEachRow(
        QStringLiteral(
            "Select C.InGong_Serial As Serial, C.InGong_GongSerial As Lot, C.InGong_JeyPumSerial As Receipt, "
            "C.InGong_SuKg As SuKg, C.InGong_DanGa As DanGa, C.InGong_GaAmt As GaAmt, %1, %2, "
            "G.Gong_Serial As G_Serial, G.Gong_SuKg As G_SuKg, G.Gong_DanGa As G_DanGa, G.Gong_GaAmt As "
            "G_GaAmt, %3, %4 From %5 C Left Join %6 G On G.Gong_Serial = C.InGong_GongSerial")
            .arg(picked("C", "InGong_", RateStems, "C_"), picked("C", "InGong_", SavedSliceStems, "C_"),
                 picked("G", "Gong_", RateStems, "G_"), picked("G", "Gong_", CostStems, "G_"), copy,
                 m_copies.of(entryTables::Lots).name()),
        {}, [&](const RowReader &r) {
            const QString serial = r.text("Serial");
            const QString lot = r.text("Lot");
            if (r.value("G_Serial").isNull()) {
                m_findings.differs(t.name, serial, t.column("GaAmt"), r.number("GaAmt"), None, FourPlaces);
                return;
            }
            // Each completion takes from what the lot still offered when it was saved: what
            // earlier ones left. Its slice is its share of the whole lot, give or take the
            // rounding of each take from the lot in the month.
            const double slack = FourPlaces * (std::max(1, takesOf.value(lot)) - 1) + m_lots.slack(lot);
            warehouse::LotOffer whole;
            whole.quantity = r.number("G_SuKg");
            whole.gaAmt = r.number("G_GaAmt");
            whole.costs = costsOf(r, "G_");
            const warehouse::Slice slice = warehouse::sliceOf(whole, r.number("SuKg"));
            bool repaired = false;
            const auto compare = [&](const QString &stem, double stored, double workedOut, double tolerance,
                                     double rangeOfIt) {
                if (m_findings.differs(t.name, serial, t.column(stem), stored, workedOut, tolerance)) {
                    repairs.set(serial, t.column(stem), workedOut, rangeOfIt);
                    repaired = true;
                }
            };
            compare("GaAmt", r.number("GaAmt"), slice.gaAmt, FourPlaces + slack, slack);
            for (int i = 0; i < SavedSliceStems.size(); ++i)
                compare(SavedSliceStems.at(i), r.number("C_" + SavedSliceStems.at(i)), slice.costs[size_t(i)],
                        FourPlaces + slack, slack);
            for (const QString &stem : RateStems)
                compare(stem, r.number("C_" + stem), r.number("G_" + stem), TwoPlaces, 0);
            compare("DanGa", r.number("DanGa"), r.number("G_DanGa"), FourPlaces, 0);
            if (repaired)
                m_receiptSlack[r.text("Receipt")] += FourPlaces + slack;
        });
    repairs.apply();
}

void SavedFigureChecks::productReceipts()
{
    const EntryTable &t = entryTables::ProductReceipts;
    const QString copy = m_copies.of(t).name();
    // The product columns hold direct labour, indirect labour, direct overhead and indirect
    // overhead: each the sum of both months' parts of the slices.
    const QStringList sliceSums{"InGong_GaAmt",
                                "InGong_JenGiNoMu_01 + InGong_DaongNoMu_01",
                                "InGong_JenGiNoMu_02 + InGong_DaongNoMu_02",
                                "InGong_JenGiJeyJo_01 + InGong_DaongJeyJo_01",
                                "InGong_JenGiJeyJo_02 + InGong_DaongJeyJo_02",
                                "InGong_WoulAmtTot"};
    QStringList sums;
    for (int i = 0; i < sliceSums.size(); ++i)
        sums << QStringLiteral("%1 As Sum_%2")
                    .arg(dialect::stableSum(m_db.engine(), QStringLiteral("total"), sliceSums.at(i)),
                         ProductStems.at(i));
    m_db.forEachRow(
        QStringLiteral("Select R.JeyPum_Serial As Serial, %1, %2 From %3 R Left Join (Select InGong_JeyPumSerial As "
                       "Receipt, %4 From %5 Group By InGong_JeyPumSerial) S On S.Receipt = R.JeyPum_Serial "
                       "Where R.JeyPum_Kubun = :tbKind")
            .arg(picked("R", "JeyPum_", ProductStems, "R_"), picked("S", "Sum_", ProductStems, "Sum_"), copy,
                 sums.join(QStringLiteral(", ")), m_copies.of(entryTables::LotCompletions).name()),
        {{":tbKind", warehouse::ReceiptKubun}}, [&](const RowReader &r) {
            const QString serial = r.text("Serial");
            const double slack = m_receiptSlack.value(serial);
            // The raw-material amount is summed when the receipt is saved only; the others the
            // allocation sums again.
            for (int i = 0; i < ProductStems.size() && (i == 0 || !m_allocated); ++i) {
                const QString &stem = ProductStems.at(i);
                const double sum = r.value("Sum_" + stem).isNull() ? 0.0 : r.number("Sum_" + stem);
                if (m_findings.differs(t.name, serial, t.column(stem), r.number("R_" + stem), sum, Unrounded + slack))
                    m_productReceipts.set(serial, t.column(stem), sum, slack);
            }
        });
    // A return receipt holds the goods at their share of the sale's cost, as a total alone.
    m_db.forEachRow(QStringLiteral("Select R.JeyPum_Serial As Serial, R.JeyPum_SuKg As SuKg, %1, %2 From %3 R "
                                   "Left Join MC_ChaongGoJeyPumInPut_ChulGo S On S.ChulGo_Serial = "
                                   "R.BanPum_ChulGoSerial Where R.JeyPum_Kubun = :tbKind")
                        .arg(picked("R", "JeyPum_", ProductStems, "R_"), SaleColumns, copy),
                    {{":tbKind", salesreturns::ReturnReceiptKubun}}, [&](const RowReader &r) {
                        const QString serial = r.text("Serial");
                        const bool sold = !r.value("Sale_Serial").isNull();
                        const productfigures::ReturnFigures f =
                            productfigures::returnFigures(r.number("SuKg"), saleOf(r));
                        for (int i = 0; i + 1 < ProductStems.size(); ++i)
                            if (m_findings.differs(t.name, serial, t.column(ProductStems.at(i)),
                                                   r.number("R_" + ProductStems.at(i)), 0.0, Unrounded))
                                m_productReceipts.set(serial, t.column(ProductStems.at(i)), 0.0);
                        if (m_findings.differs(t.name, serial, t.column("TotGaAmt"), r.number("R_TotGaAmt"),
                                               sold ? f.receiptCost : None, FourPlaces) &&
                            sold)
                            m_productReceipts.set(serial, t.column("TotGaAmt"), f.receiptCost);
                    });
    m_productReceipts.apply();
}

void SavedFigureChecks::returnedSales()
{
    const EntryTable &t = entryTables::Shipments;
    Repairs repairs(m_db, m_copies.of(t));
    m_db.forEachRow(
        QStringLiteral("Select C.ChulGo_Serial As Serial, C.ChulGo_SuKg As SuKg, C.ChulGo_DanGa As DanGa, "
                       "C.ChulGo_GaAmt As GaAmt, C.ChulGo_WonJaJeyAmt As Cost, %1 From %2 C Left Join "
                       "MC_ChaongGoJeyPumInPut_ChulGo S On S.ChulGo_Serial = C.BanPum_ChulGoSerial "
                       "Where C.ChulGo_Kubun = :tbKind")
            .arg(SaleColumns, m_copies.of(t).name()),
        {{":tbKind", shipments::ReturnKubun}}, [&](const RowReader &r) {
            const QString serial = r.text("Serial");
            if (r.value("Sale_Serial").isNull()) {
                m_findings.differs(t.name, serial, t.column("WonJaJeyAmt"), r.number("Cost"), None, FourPlaces);
                return;
            }
            const productfigures::ReturnFigures f = productfigures::returnFigures(r.number("SuKg"), saleOf(r));
            const QVector<QPair<QString, double>> figures{
                {"DanGa", f.rowPrice}, {"GaAmt", f.rowAmount}, {"WonJaJeyAmt", f.receiptCost}};
            const QVector<double> stored{r.number("DanGa"), r.number("GaAmt"), r.number("Cost")};
            for (int i = 0; i < figures.size(); ++i)
                if (m_findings.differs(t.name, serial, t.column(figures.at(i).first), stored.at(i),
                                       figures.at(i).second, FourPlaces))
                    repairs.set(serial, t.column(figures.at(i).first), figures.at(i).second);
        });
    repairs.apply();
}

void SavedFigureChecks::productMovements()
{
    const EntryTable &transfers = entryTables::ProductTransfers;
    const QString receipts = m_copies.of(entryTables::ProductReceipts).name();
    Repairs repairs(m_db, m_copies.of(transfers));
    m_db.forEachRow(
        QStringLiteral("Select T.TaJeyPum_Serial As Serial, T.TaJeyPum_JeyPumSerial As Receipt, T.TaJeyPum_SuKg As "
                       "SuKg, %1, R.JeyPum_Serial As R_Serial, R.JeyPum_SuKg As R_SuKg, %2 From %3 T Left Join %4 R "
                       "On R.JeyPum_Serial = T.TaJeyPum_JeyPumSerial")
            .arg(picked("T", "TaJeyPum_", ProductStems, "T_"), picked("R", "JeyPum_", ProductStems, "R_"),
                 m_copies.of(transfers).name(), receipts),
        {}, [&](const RowReader &r) {
            const QString serial = r.text("Serial");
            if (r.value("R_Serial").isNull()) {
                m_findings.differs(transfers.name, serial, transfers.column("GaAmt"), r.number("T_GaAmt"), None,
                                   FourPlaces);
                return;
            }
            const double slack = m_productReceipts.slack(r.text("Receipt"));
            const QVector<double> parts =
                partsOf(productfigures::shareOf(productCostOf(r, "R_"), r.number("R_SuKg"), r.number("SuKg")));
            // The raw-material amount is shared when the transfer is saved only.
            for (int i = 0; i < ProductStems.size() && (i == 0 || !m_allocated); ++i) {
                const QString column = transfers.column(ProductStems.at(i));
                if (m_findings.differs(transfers.name, serial, column, r.number("T_" + ProductStems.at(i)), parts.at(i),
                                       FourPlaces + slack))
                    repairs.set(serial, column, parts.at(i), slack);
            }
        });
    repairs.apply();
    if (m_allocated)
        return; // the cost of goods sold is the allocation's to check
    const EntryTable &sales = entryTables::Shipments;
    m_db.forEachRow(
        QStringLiteral("Select C.ChulGo_Serial As Serial, C.ChulGo_JeyPumSerial As Receipt, C.ChulGo_SuKg "
                       "As SuKg, C.ChulGo_WonJaJeyAmt As Cost, R.JeyPum_Serial As R_Serial, R.JeyPum_SuKg "
                       "As R_SuKg, R.JeyPum_TotGaAmt As R_TotGaAmt From %1 C Left Join %2 R On "
                       "R.JeyPum_Serial = C.ChulGo_JeyPumSerial Where COALESCE(C.ChulGo_Kubun, '') <> :tbKind")
            .arg(m_copies.of(sales).name(), receipts),
        {{":tbKind", shipments::ReturnKubun}}, [&](const RowReader &r) {
            const double cost =
                r.value("R_Serial").isNull()
                    ? None
                    : productfigures::share(r.number("R_TotGaAmt"), r.number("SuKg"), r.number("R_SuKg"));
            m_findings.differs(sales.name, r.text("Serial"), sales.column("WonJaJeyAmt"), r.number("Cost"), cost,
                               FourPlaces + m_productReceipts.slack(r.text("Receipt")));
        });
}

} // namespace zedur::reports::rowchecks
