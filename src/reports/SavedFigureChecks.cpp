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
#include <optional>

namespace zedur::reports::rowchecks {

namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN();

using warehouse::CostStems;
using warehouse::RateStems;

// The slice columns a completion is saved with and the allocation never rewrites: the
// raw-material amounts and what the lot brought forward.
const QStringList SavedSliceStems = CostStems.mid(0, 6);
// A lot's labour and overhead, which make its total with its raw-material amount.
const QStringList LabourAndOverhead{"JenGiNoMu_01", "JenGiNoMu_02", "JenGiJeyJo_01", "JenGiJeyJo_02",
                                    "DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02"};
// Product rows: raw material, direct and indirect labour, direct and indirect overhead, total.
const QStringList ProductStems{"GaAmt", "JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo", "TotGaAmt"};

// The columns under `prefix` of the row aliased `alias`, each selected under `as` + its stem.
QString picked(const QString &alias, const QString &prefix, const QStringList &stems, const QString &as)
{
    QStringList out;
    for (const QString &stem : stems)
        out << QStringLiteral("%1.%2%3 As %4%3").arg(alias, prefix, stem, as);
    return out.join(QStringLiteral(", "));
}

// The cost components of a lot as read under `as`; those not read stay zero.
warehouse::Costs costsOf(const RowReader &row, const QString &as, const QStringList &stems)
{
    warehouse::Costs costs{};
    for (int i = 0; i < CostStems.size(); ++i)
        if (stems.contains(CostStems.at(i)))
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

// What an issue or a transfer of `quantity` takes from its receipt (read as R_*), by the issue
// screen's rule, worked out as for any take but the one that took all that was left. That one
// took the rest of a typed amount: its share give or take the rounding of the receipt's other
// takes' shares and a quantity within half the last place of what was left, at the receipt's
// unit value. `slack` is that range (none for a receipt priced at quantity x price).
struct Taken {
    double price = 0;
    double amount = 0;
    double slack = 0;
};

Taken takenFrom(const RowReader &r, double quantity, const QHash<QString, int> &takesPerReceipt)
{
    const double receiptQuantity = r.number("R_SuKg");
    const double receiptAmount = r.number("R_GaAmt");
    Taken t;
    t.price = issues::issuedPrice(r.number("R_DanGa"));
    const taken::Source source{receiptQuantity, t.price, receiptAmount, std::numeric_limits<double>::infinity(), 0.0};
    t.amount = taken::amountTaken(source, quantity);
    if (!taken::atUnitPrice(receiptQuantity, t.price, receiptAmount))
        t.slack = FourPlaces * (takesPerReceipt.value(r.text("Receipt"), 1) - 1) +
                  (receiptQuantity == 0 ? 0.0 : std::fabs(receiptAmount / receiptQuantity) * FourPlaces);
    return t;
}

} // namespace

SavedFigureChecks::SavedFigureChecks(Db &db, const Period &month, const MonthCopies &copies, Findings &findings,
                                     bool allocated)
    : m_db(db), m_month{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}}, m_copies(copies),
      m_findings(findings), m_allocated(allocated), m_lots(db, copies.of(entryTables::Lots)),
      m_productReceipts(db, copies.of(entryTables::ProductReceipts))
{
}

QHash<QString, int> SavedFigureChecks::takesPerReceipt()
{
    const EntryTable &t = entryTables::MaterialTransfers;
    QHash<QString, int> takes;
    m_db.forEachRow(QStringLiteral("Select Receipt, count(*) As Takes From (Select Gong_InPutSerial As Receipt From "
                                   "%1 Where Gong_Kubun = :tbKind Union All Select TaInPut_InPutSerial From %2 Where "
                                   "TaInPut_Year = :tbYear And TaInPut_Month = :tbMonth) U Group By Receipt "
                                   "Having count(*) > 1")
                        .arg(m_copies.of(entryTables::Lots).name(), m_copies.has(t) ? m_copies.of(t).name() : t.name),
                    m_month + Params{{":tbKind", issues::LotKubun}},
                    [&](const RowReader &r) { takes.insert(r.text("Receipt"), r.value("Takes").toInt()); });
    return takes;
}

void SavedFigureChecks::lots()
{
    const EntryTable &t = entryTables::Lots;
    m_takesPerReceipt = takesPerReceipt();
    const QHash<QString, int> &takes = m_takesPerReceipt;
    const QString totals = m_allocated ? QString()
                                       : QStringLiteral(", G.Gong_WoulAmtTot As WoulAmtTot, ") +
                                             picked("G", "Gong_", LabourAndOverhead, {});
    m_db.forEachRow(
        QStringLiteral("Select G.Gong_Serial As Serial, G.Gong_InPutSerial As Receipt, G.Gong_SuKg As SuKg, "
                       "G.Gong_DanGa As DanGa, G.Gong_GaAmt As GaAmt, G.Gong_JenGiWoul As JenGiWoul, G.Gong_DaongWoul "
                       "As DaongWoul, G.Gong_TotWoul As TotWoul, G.Gong_DaongWonAmt As DaongWonAmt, G.Gong_Kubun = "
                       ":tbKind As Issued, R.InPut_Serial As R_Serial, R.InPut_SuKg As R_SuKg, R.InPut_DanGa As "
                       "R_DanGa, R.InPut_GaAmt As R_GaAmt%1 From %2 G Left Join MC_WonJaJeyInPut R On R.InPut_Serial "
                       "= G.Gong_InPutSerial And G.Gong_Kubun = :tbKind")
            .arg(totals, m_copies.of(t).name()),
        {{":tbKind", issues::LotKubun}}, [&](const RowReader &r) {
            const auto check = [&](const char *stem, double stored, double workedOut, double tolerance, double slack) {
                if (!Findings::apart(stored, workedOut, tolerance))
                    return false;
                const QString serial = r.text("Serial");
                m_findings.differs(t.name, serial, t.column(stem), stored, workedOut, tolerance);
                if (!std::isnan(workedOut))
                    m_lots.set(serial, t.column(stem), workedOut, slack);
                return true;
            };
            // An issue of the month: its price and amount from its receipt.
            double gaAmt = r.number("GaAmt");
            double slack = 0;
            if (r.value("Issued").toBool() && r.value("R_Serial").isNull()) {
                check("GaAmt", gaAmt, None, FourPlaces, 0);
            } else if (r.value("Issued").toBool()) {
                const Taken taken = takenFrom(r, r.number("SuKg"), takes);
                check("DanGa", r.number("DanGa"), taken.price, FourPlaces, 0);
                if (check("GaAmt", gaAmt, taken.amount, FourPlaces + taken.slack, taken.slack)) {
                    gaAmt = taken.amount;
                    slack = taken.slack;
                }
            }
            // The cumulative rate and the raw-material cost of the month's rate.
            const completion::CompletionFigures f =
                completion::completionFigures(r.number("DaongWoul"), r.number("JenGiWoul"), gaAmt);
            check("TotWoul", r.number("TotWoul"), f.cumulative, TwoPlaces, 0);
            check("DaongWonAmt", r.number("DaongWonAmt"), f.monthCost, FourPlaces + f.rate / 100.0 * slack,
                  f.rate / 100.0 * slack);
            if (m_allocated)
                return; // the allocation's run says what the total must be
            // The raw-material amount with labour and overhead: brought forward at five places,
            // or as the allocation or the issue left it.
            double total = gaAmt;
            for (const QString &stem : LabourAndOverhead)
                total += r.number(stem);
            check("WoulAmtTot", r.number("WoulAmtTot"), total, FivePlaces + slack, slack);
        });
    m_lots.apply();
}

void SavedFigureChecks::materialTransfers()
{
    const EntryTable &t = entryTables::MaterialTransfers;
    const bool copied = m_copies.has(t);
    std::optional<Repairs> repairs;
    if (copied)
        repairs.emplace(m_db, m_copies.of(t));
    const QHash<QString, int> &takes = m_takesPerReceipt;
    int read = 0;
    m_db.forEachRow(
        QStringLiteral("Select T.TaInPut_Serial As Serial, T.TaInPut_InPutSerial As Receipt, T.TaInPut_SuKg As SuKg, "
                       "T.TaInPut_DanGa As DanGa, T.TaInPut_GaAmt As GaAmt, R.InPut_Serial As R_Serial, R.InPut_SuKg "
                       "As R_SuKg, R.InPut_DanGa As R_DanGa, R.InPut_GaAmt As R_GaAmt From %1 T Left Join "
                       "MC_WonJaJeyInPut R On R.InPut_Serial = T.TaInPut_InPutSerial Where T.TaInPut_Year = :tbYear "
                       "And T.TaInPut_Month = :tbMonth")
            .arg(copied ? m_copies.of(t).name() : t.name),
        m_month, [&](const RowReader &r) {
            ++read;
            const QString serial = r.text("Serial");
            if (r.value("R_Serial").isNull()) {
                m_findings.differs(t.name, serial, t.column("GaAmt"), r.number("GaAmt"), None, FourPlaces);
                return;
            }
            const Taken taken = takenFrom(r, r.number("SuKg"), takes);
            if (m_findings.differs(t.name, serial, t.column("DanGa"), r.number("DanGa"), taken.price, FourPlaces) &&
                repairs)
                repairs->set(serial, t.column("DanGa"), taken.price);
            if (m_findings.differs(t.name, serial, t.column("GaAmt"), r.number("GaAmt"), taken.amount,
                                   FourPlaces + taken.slack) &&
                repairs)
                repairs->set(serial, t.column("GaAmt"), taken.amount, taken.slack);
        });
    if (repairs)
        repairs->apply();
    else
        m_findings.counted(read); // read from the books, not counted among the copies' rows
}

void SavedFigureChecks::copiedFromLots(const EntryTable &table, const QStringList &stems)
{
    const ScratchCopy &copy = m_copies.of(table);
    QStringList select;
    QStringList apart;
    for (int i = 0; i < stems.size(); ++i) {
        select << QStringLiteral("C.%1%2 As S%3, G.Gong_%2 As W%3").arg(table.prefix, stems.at(i)).arg(i);
        // An empty figure reads as nought, as everywhere the rows are read.
        apart << QStringLiteral("COALESCE(C.%1%2, 0) <> COALESCE(G.Gong_%2, 0)").arg(table.prefix, stems.at(i));
    }
    Repairs repairs(m_db, copy);
    m_db.forEachRow(QStringLiteral("Select C.%1Serial As Serial, %2 From %3 C Join %4 G On G.Gong_Serial = "
                                   "C.%1GongSerial Where %5")
                        .arg(table.prefix, select.join(QStringLiteral(", ")), copy.name(),
                             m_copies.of(entryTables::Lots).name(), apart.join(QStringLiteral(" Or "))),
                    {}, [&](const RowReader &r) {
                        for (int i = 0; i < stems.size(); ++i) {
                            const double workedOut = r.number(QStringLiteral("W%1").arg(i));
                            // Rates are kept to two places, prices to four.
                            const double tolerance =
                                stems.at(i).endsWith(QStringLiteral("Woul")) ? TwoPlaces : FourPlaces;
                            if (m_findings.differs(table.name, r.text("Serial"), table.column(stems.at(i)),
                                                   r.number(QStringLiteral("S%1").arg(i)), workedOut, tolerance))
                                repairs.set(r.text("Serial"), table.column(stems.at(i)), workedOut);
                        }
                    });
    repairs.apply();
}

void SavedFigureChecks::lotTransfers()
{
    const EntryTable &t = entryTables::LotTransfers;
    // The rates, as all but the raw-material amount, are the allocation's to check.
    copiedFromLots(t, m_allocated ? QStringList{"DanGa"} : QStringList{"DanGa"} + RateStems);
    const QStringList costs = m_allocated ? QStringList() : CostStems;
    const QString amounts =
        m_allocated ? QString()
                    : QStringLiteral(", T.TaGong_WoulAmtTot As WoulAmtTot, %1, %2")
                          .arg(picked("T", "TaGong_", CostStems, "T_"), picked("G", "Gong_", CostStems, "G_"));
    Repairs repairs(m_db, m_copies.of(t));
    m_db.forEachRow(
        QStringLiteral("Select T.TaGong_Serial As Serial, T.TaGong_GongSerial As Lot, T.TaGong_SuKg As SuKg, "
                       "T.TaGong_GaAmt As GaAmt, G.Gong_Serial As G_Serial, G.Gong_SuKg As G_SuKg, G.Gong_GaAmt As "
                       "G_GaAmt%1 From %2 T Left Join %3 G On G.Gong_Serial = T.TaGong_GongSerial")
            .arg(amounts, m_copies.of(t).name(), m_copies.of(entryTables::Lots).name()),
        {}, [&](const RowReader &r) {
            if (r.value("G_Serial").isNull()) {
                m_findings.differs(t.name, r.text("Serial"), t.column("GaAmt"), r.number("GaAmt"), None, FourPlaces);
                return;
            }
            const double slack = m_lots.anySlack() ? m_lots.slack(r.text("Lot")) : 0.0;
            const wiptransfer::LotShare share = wiptransfer::shareOfLot(r.number("G_SuKg"), r.number("G_GaAmt"),
                                                                        costsOf(r, "G_", costs), r.number("SuKg"));
            const auto check = [&](const QString &stem, double stored, double workedOut) {
                if (!Findings::apart(stored, workedOut, FourPlaces + slack))
                    return;
                m_findings.differs(t.name, r.text("Serial"), t.column(stem), stored, workedOut, FourPlaces + slack);
                repairs.set(r.text("Serial"), t.column(stem), workedOut, slack);
            };
            check("GaAmt", r.number("GaAmt"), share.gaAmt);
            for (int i = 0; i < costs.size(); ++i)
                check(costs.at(i), r.number("T_" + costs.at(i)), share.costs[size_t(i)]);
            if (!m_allocated)
                check("WoulAmtTot", r.number("WoulAmtTot"), share.woulAmtTot);
        });
    repairs.apply();
}

void SavedFigureChecks::slices()
{
    const EntryTable &t = entryTables::LotCompletions;
    const QString copy = m_copies.of(t).name();
    copiedFromLots(t, QStringList{"DanGa"} + RateStems);
    // What the warehouse took from each lot in the month: its completions, and its transfers
    // at 100 %, which the warehouse's offer leaves out too.
    QHash<QString, int> takesOf;
    m_db.forEachRow(QStringLiteral("Select Lot, count(*) As Takes From (Select InGong_GongSerial As Lot From %1 Union "
                                   "All Select TaGong_GongSerial From %2 Where TaGong_TotWoul = 100.0) U Group By Lot "
                                   "Having count(*) > 1")
                        .arg(copy, m_copies.of(entryTables::LotTransfers).name()),
                    {}, [&](const RowReader &r) { takesOf.insert(r.text("Lot"), r.value("Takes").toInt()); });

    Repairs repairs(m_db, m_copies.of(t));
    m_db.forEachRow(
        QStringLiteral(
            "Select C.InGong_Serial As Serial, C.InGong_GongSerial As Lot, C.InGong_JeyPumSerial As Receipt, "
            "C.InGong_SuKg As SuKg, C.InGong_GaAmt As GaAmt, %1, G.Gong_Serial As G_Serial, G.Gong_SuKg As "
            "G_SuKg, G.Gong_GaAmt As G_GaAmt, %2 From %3 C Left Join %4 G On G.Gong_Serial = "
            "C.InGong_GongSerial")
            .arg(picked("C", "InGong_", SavedSliceStems, "C_"), picked("G", "Gong_", SavedSliceStems, "G_"), copy,
                 m_copies.of(entryTables::Lots).name()),
        {}, [&](const RowReader &r) {
            if (r.value("G_Serial").isNull()) {
                m_findings.differs(t.name, r.text("Serial"), t.column("GaAmt"), r.number("GaAmt"), None, FourPlaces);
                return;
            }
            const QString lot = r.text("Lot");
            // Each completion takes from what the lot still offered when it was saved: what the
            // takes before it left. Its slice is its share of the whole lot give or take the
            // rounding of each take from the lot in the month.
            const double slack =
                FourPlaces * (takesOf.value(lot, 1) - 1) + (m_lots.anySlack() ? m_lots.slack(lot) : 0.0);
            warehouse::LotOffer whole;
            whole.quantity = r.number("G_SuKg");
            whole.gaAmt = r.number("G_GaAmt");
            whole.costs = costsOf(r, "G_", SavedSliceStems);
            const warehouse::Slice slice = warehouse::sliceOf(whole, r.number("SuKg"));
            bool repaired = false;
            const auto check = [&](const QString &stem, double stored, double workedOut) {
                if (!Findings::apart(stored, workedOut, FourPlaces + slack))
                    return;
                m_findings.differs(t.name, r.text("Serial"), t.column(stem), stored, workedOut, FourPlaces + slack);
                repairs.set(r.text("Serial"), t.column(stem), workedOut, slack);
                repaired = true;
            };
            check("GaAmt", r.number("GaAmt"), slice.gaAmt);
            for (int i = 0; i < SavedSliceStems.size(); ++i)
                check(SavedSliceStems.at(i), r.number("C_" + SavedSliceStems.at(i)), slice.costs[size_t(i)]);
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
    // The raw-material amount is summed when the receipt is saved only; the others the
    // allocation sums again.
    const int summed = m_allocated ? 1 : int(ProductStems.size());
    QStringList sums;
    for (int i = 0; i < summed; ++i)
        sums << QStringLiteral("%1 As Sum_%2")
                    .arg(dialect::stableSum(m_db.engine(), QStringLiteral("total"), sliceSums.at(i)),
                         ProductStems.at(i));
    const QStringList stems = ProductStems.mid(0, summed);
    m_db.forEachRow(
        QStringLiteral("Select R.JeyPum_Serial As Serial, %1, %2 From %3 R Left Join (Select InGong_JeyPumSerial As "
                       "Receipt, %4 From %5 Group By InGong_JeyPumSerial) S On S.Receipt = R.JeyPum_Serial "
                       "Where R.JeyPum_Kubun = :tbKind")
            .arg(picked("R", "JeyPum_", stems, "R_"), picked("S", "Sum_", stems, "Sum_"), copy,
                 sums.join(QStringLiteral(", ")), m_copies.of(entryTables::LotCompletions).name()),
        {{":tbKind", warehouse::ReceiptKubun}}, [&](const RowReader &r) {
            const QString serial = r.text("Serial");
            const double slack = m_receiptSlack.value(serial);
            for (const QString &stem : stems) {
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
    m_db.forEachRow(QStringLiteral("Select C.ChulGo_Serial As Serial, C.ChulGo_JeyPumSerial As Receipt, C.ChulGo_SuKg "
                                   "As SuKg, C.ChulGo_WonJaJeyAmt As Cost, R.JeyPum_Serial As R_Serial, R.JeyPum_SuKg "
                                   "As R_SuKg, R.JeyPum_TotGaAmt As R_TotGaAmt From %1 C Left Join %2 R On "
                                   "R.JeyPum_Serial = C.ChulGo_JeyPumSerial Where COALESCE(C.ChulGo_Kubun, '') <> "
                                   ":tbKind")
                        .arg(m_copies.of(sales).name(), receipts),
                    {{":tbKind", shipments::ReturnKubun}}, [&](const RowReader &r) {
                        const double cost =
                            r.value("R_Serial").isNull()
                                ? None
                                : productfigures::share(r.number("R_TotGaAmt"), r.number("SuKg"), r.number("R_SuKg"));
                        m_findings.differs(sales.name, r.text("Serial"), sales.column("WonJaJeyAmt"), r.number("Cost"),
                                           cost, FourPlaces + m_productReceipts.slack(r.text("Receipt")));
                    });
}

} // namespace zedur::reports::rowchecks
