#include "closing/CarryForward.h"

#include "common/Messages.h"
#include "entries/LotBalances.h"
#include "entries/ProductBalances.h"
#include "entries/ReceiptBalances.h"
#include "entries/TakenAmount.h"
#include "store/Db.h"
#include "store/Dialect.h"
#include "store/Schema.h"

#include <QStringList>

namespace zedur::closing {

namespace {

using Assignments = QList<QPair<QString, QString>>; // column, value

// The serials of the rows a carry writes, numbered in the order they are written.
const QString CarryOrder = QStringLiteral("MC_MonthCloseCarry_SumVw01");

// One kind of movement of a source row in the month, as one row of the month's movements:
// the source table, its column naming the row it moves, its period columns, its values for
// the balance's value columns ("0" where it has none) and what else chooses its rows.
struct Movement {
    QString table;
    QString key;
    QString year;
    QString month;
    QStringList values;
    QString filter;
};

// What differs between the three carried tables; the statements are the same for all.
struct CarriedTable {
    QString step;
    QString kind; // as the refusal names a row
    // The month's balances: one row per source row with the sums of its movements.
    QString balanceTable;
    QString key;
    QString year;
    QString month;
    QStringList valueColumns;
    Assignments remainders; // what is left, summed from the value columns
    QVector<Movement> movements;
    QString remainder;  // the remaining quantity: decides what is carried and its share
    QString carriedToo; // on T and S: a row carried although no quantity is left of it
    // The source rows and their new rows in the next month.
    QString table;
    QString prefix;
    QStringList texts;   // descriptive texts copied, trimmed
    QString uncarriable; // on T: a row with a remainder that cannot be carried
    QStringList read;    // T's columns the new row reads besides its serial and texts
    QStringList derived; // "expression As Name" from T and its balance S
    Assignments values;  // the new row's own columns, from T's columns and the derived ones
};

QString prefixed(const QString &prefix, const QStringList &stems)
{
    QStringList names;
    for (const QString &stem : stems)
        names << prefix + stem;
    return names.join(QStringLiteral(", "));
}

QString carried(const QString &remainder)
{
    return QStringLiteral("Abs(%1) >= %2").arg(remainder).arg(Residue);
}

// Source rows are reached from the month's balances (Cross Join fixes that order in SQLite):
// the source table holds every month of the books, and a plan that walks it would grow with
// their years.
QString sourcesWithRemainder(const CarriedTable &t)
{
    QString kept = carried(QStringLiteral("S.") + t.remainder);
    if (!t.carriedToo.isEmpty())
        kept = QStringLiteral("(%1 Or %2)").arg(kept, t.carriedToo);
    return QStringLiteral("%1 S Cross Join %2 T Where T.%3Serial = S.%4 And %5")
        .arg(t.balanceTable, t.table, t.prefix, t.key, kept);
}

// A row priced at quantity x unit price carries its remaining quantity at the price, as it
// always did; one whose amount was typed apart carries what is left of its amount, which is
// what its issues, transfers and completions have not taken of it.
QString carriedAmount(const QString &prefix, const QString &leftQuantity, const QString &leftAmount)
{
    return QStringLiteral("Case When %1 Then round_decimals(%2 * T.%3DanGa, 4) Else round_decimals(%4, 4) End")
        .arg(taken::atUnitPriceSql(QStringLiteral("T.%1SuKg").arg(prefix), QStringLiteral("T.%1DanGa").arg(prefix),
                                   QStringLiteral("T.%1GaAmt").arg(prefix)),
             leftQuantity, prefix, leftAmount);
}

// The month's balances in one pass: the movements of every kind read as one list and summed
// per source row as they are grouped, without writing them down first.
void collect(Db &db, const CarriedTable &t, const Params &ym)
{
    db.exec(QStringLiteral("Delete From ") + t.balanceTable);
    QStringList movements;
    for (const Movement &m : t.movements) {
        QStringList values{m.key + QStringLiteral(" As K"), m.year + QStringLiteral(" As Y"),
                           m.month + QStringLiteral(" As M")};
        for (qsizetype i = 0; i < t.valueColumns.size(); ++i)
            values << m.values.at(i) + QStringLiteral(" As ") + t.valueColumns.at(i);
        QString where = QStringLiteral("%1 = :tbYear And %2 = :tbMonth").arg(m.year, m.month);
        if (!m.filter.isEmpty())
            where += QStringLiteral(" And ") + m.filter;
        movements << QStringLiteral("Select %1 From %2 Where %3").arg(values.join(QStringLiteral(", ")), m.table, where);
    }
    QStringList columns{t.key, t.year, t.month};
    columns += t.valueColumns;
    // Every movement is of the month, so a source row's movements share its year and month.
    QStringList sums{QStringLiteral("K"), QStringLiteral("Min(Y)"), QStringLiteral("Min(M)")};
    for (const QString &column : t.valueColumns)
        sums << dialect::stableSum(db.engine(), QStringLiteral("Sum"), column);
    for (const auto &[column, sum] : t.remainders) {
        columns << column;
        sums << dialect::stableSum(db.engine(), QStringLiteral("Sum"), sum);
    }
    db.exec(QStringLiteral("Insert InTo %1 (%2) Select %3 From (%4) Movements Group By K")
                .arg(t.balanceTable, columns.join(QStringLiteral(", ")), sums.join(QStringLiteral(", ")),
                     movements.join(QStringLiteral(" Union All "))),
            ym);
}

Verdict refuseUncarriable(Db &db, const CarriedTable &t)
{
    const QVariant serial = db.scalar(QStringLiteral("Select T.%1Serial From %2 And (%3) Order By T.%1Serial Limit 1")
                                          .arg(t.prefix, sourcesWithRemainder(t), t.uncarriable));
    if (!serial.isValid())
        return std::nullopt;
    return Refusal(t.kind + QStringLiteral(" 저장순서 ") + serial.toString().trimmed() + QStringLiteral(" 의") + LB +
                   QStringLiteral("수량(중량)이 0[제로]이거나 단가, 금액이 비어 있어") + LB +
                   QStringLiteral("남은 재고를 다음 월로") + LB + QStringLiteral("이월할 수 없습니다......."));
}

// The rows to carry in the order of their sources' serials, numbered from 1: the new rows
// are written in that order, and the k-th takes the serial that drawing one for each insert
// in turn would give. Only the serials are sorted, not the rows they name.
void numberCarriedRows(Db &db, const CarriedTable &t)
{
    db.exec(QStringLiteral("Delete From ") + CarryOrder);
    db.exec(QStringLiteral("Insert InTo %1 (Carry_Seq, Carry_Serial) Select Row_Number() Over (Order By T.%2Serial), "
                           "T.%2Serial From %3")
                .arg(CarryOrder, t.prefix, sourcesWithRemainder(t)));
}

int carry(Db &db, const CarriedTable &t, const Params &next)
{
    numberCarriedRows(db, t);
    const QString serial = t.prefix + QStringLiteral("Serial");
    QStringList columns{serial,
                        t.prefix + QStringLiteral("Date"),
                        t.prefix + QStringLiteral("Year"),
                        t.prefix + QStringLiteral("Month"),
                        prefixed(t.prefix, t.texts),
                        t.prefix + QStringLiteral("TextMemo")};
    QStringList values{QStringLiteral("serial_plus(:tbLastSerial, T.Carry_Seq)"), QStringLiteral(":tbDate"),
                       QStringLiteral(":tbNextYear"), QStringLiteral(":tbNextMonth")};
    for (const QString &stem : t.texts)
        values << QStringLiteral("COALESCE(Trim(T.%1%2), '')").arg(t.prefix, stem);
    values << QStringLiteral(":tbMemo");
    for (const auto &[column, value] : t.values) {
        columns << column;
        values << value;
    }
    const Assignments marks{{QStringLiteral("Kubun"), QStringLiteral("'전기이월'")},
                            {QStringLiteral("Bigo"), QStringLiteral("'전월분 저장순서' || Trim(T.%1)").arg(serial)},
                            {QStringLiteral("Check_01"), QStringLiteral("''")},
                            {QStringLiteral("Check_02"), QStringLiteral("''")},
                            {QStringLiteral("Check_03"), QStringLiteral(":tbVolume")},
                            {QStringLiteral("SaveDate"), QStringLiteral(":tbSaveDate")}};
    for (const auto &[stem, value] : marks) {
        columns << t.prefix + stem;
        values << value;
    }
    QStringList read{QStringLiteral("O.Carry_Seq"), QStringLiteral("T.") + serial};
    for (const QString &column : t.read)
        read << QStringLiteral("T.") + column;
    for (const QString &stem : t.texts)
        read << QStringLiteral("T.%1%2").arg(t.prefix, stem);
    read += t.derived;
    Params p = next;
    p.append({":tbLastSerial", db.scalar(QStringLiteral("Select Max(%1) From %2").arg(serial, t.table)).toString()});
    // Read in the order of the numbers (Cross Join keeps SQLite to it), each source row and
    // its balance looked up by its serial.
    return db.exec(QStringLiteral("Insert InTo %1 (%2) Select %3 From (Select %4 From %5 O Cross Join %6 S "
                                  "Cross Join %1 T Where S.%7 = O.Carry_Serial And T.%8 = O.Carry_Serial) T "
                                  "Order By T.Carry_Seq")
                       .arg(t.table, columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")),
                            read.join(QStringLiteral(", ")), CarryOrder, t.balanceTable, t.key, serial),
                   p);
}

QString anyNull(const QString &prefix, const QStringList &stems)
{
    QStringList terms;
    for (const QString &stem : stems)
        terms << prefix + stem + QStringLiteral(" Is Null");
    return terms.join(QStringLiteral(" Or "));
}

// The new row's share of the source's amounts: in proportion to what remains of it.
QStringList shares(const QString &expression, const QStringList &stems)
{
    QStringList out;
    for (const QString &stem : stems)
        out << expression.arg(stem);
    return out;
}

const QStringList MaterialTexts{"WonCode",   "WonName",   "DanWi",    "Model",    "PumName",    "KuSize",
                                "SerialJen", "TaxNumber", "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};
const QStringList ProductTexts{"JeyPumCode", "JeyPumName", "DanWi",    "Model",    "PumName",    "KuSize",
                               "SerialJen",  "TaxNumber",  "SaleCode", "SaleName", "SaleNumber", "SaleDyiPou"};

// Raw material: receipts less issues into lots of the month ("당월투입") and transfers.
CarriedTable receipts()
{
    CarriedTable t;
    t.step = QStringLiteral("원자재 이월");
    t.kind = QStringLiteral("원자재");
    t.balanceTable = balances::PerReceipt;
    t.key = QStringLiteral("InPut_InPutSerial");
    t.year = QStringLiteral("InPut_Year");
    t.month = QStringLiteral("InPut_Month");
    t.valueColumns = QStringList{"InPut_SuKg",         "InPut_GaAmt",    "InPut_SuKgJeyGong",
                                 "InPut_GaAmtJeyGong", "InPut_SuKgTaAc", "InPut_GaAmtTaAc"};
    t.remainders = {{"InPut_SuKgJan", "InPut_SuKg - InPut_SuKgJeyGong - InPut_SuKgTaAc"},
                    {"InPut_GaAmtJan", "InPut_GaAmt - InPut_GaAmtJeyGong - InPut_GaAmtTaAc"}};
    t.movements = {{"MC_WonJaJeyInPut",
                    "InPut_Serial",
                    "InPut_Year",
                    "InPut_Month",
                    {"InPut_SuKg", "InPut_GaAmt", "0", "0", "0", "0"},
                    {}},
                   {"MC_WonJaJeyInPut_TaAc",
                    "TaInPut_InPutSerial",
                    "TaInPut_Year",
                    "TaInPut_Month",
                    {"0", "0", "0", "0", "TaInPut_SuKg", "TaInPut_GaAmt"},
                    {}},
                   // Only lots issued this month draw on the month's receipts; a brought-forward lot's
                   // link names a receipt of an earlier month.
                   {"MC_JeyGongPumInPut",
                    "Gong_InPutSerial",
                    "Gong_Year",
                    "Gong_Month",
                    {"0", "0", "Gong_SuKg", "Gong_GaAmt", "0", "0"},
                    "Gong_Kubun = '당월투입'"}};
    t.remainder = QStringLiteral("InPut_SuKgJan");
    t.table = QStringLiteral("MC_WonJaJeyInPut");
    t.prefix = QStringLiteral("InPut_");
    t.texts = MaterialTexts;
    // A typed amount with no quantity left to take it (a receipt of no quantity, or one
    // issued before issues took their share) stays in stock as an amount alone.
    t.carriedToo = QStringLiteral("(Abs(S.InPut_GaAmtJan) >= %1 And Not %2)")
                       .arg(Residue)
                       .arg(taken::atUnitPriceSql("T.InPut_SuKg", "T.InPut_DanGa", "T.InPut_GaAmt"));
    t.uncarriable = QStringLiteral("T.InPut_DanGa Is Null");
    t.derived = {"round_decimals(S.InPut_SuKgJan, 4) As NewSuKg", "round_decimals(T.InPut_DanGa, 4) As NewDanGa",
                 carriedAmount("InPut_", "S.InPut_SuKgJan", "S.InPut_GaAmtJan") + " As NewGaAmt"};
    t.values = {{"InPut_SuKg", "NewSuKg"},
                {"InPut_DanGa", "NewDanGa"},
                {"InPut_GaAmt", "NewGaAmt"},
                {"InPut_InPutSerial", "Trim(T.InPut_Serial)"}};
    return t;
}

// WIP: every lot of the month less its completions into the warehouse and its transfers. A
// lot's cost so far (brought forward and of the month) goes forward in proportion to what
// remains of it, as earlier months' cost; its total rate becomes the earlier rate.
CarriedTable lots()
{
    CarriedTable t;
    t.step = QStringLiteral("재공품 이월");
    t.kind = QStringLiteral("재공품");
    t.balanceTable = lotbalances::PerLot;
    t.key = QStringLiteral("Gong_GongSerial");
    t.year = QStringLiteral("Gong_Year");
    t.month = QStringLiteral("Gong_Month");
    t.valueColumns =
        QStringList{"Gong_GongSuKg",       "Gong_GongGaAmt", "Gong_GongWoulAmtTot", "ChaongGo_SuKg",  "ChaongGo_GaAmt",
                    "ChaongGo_WoulAmtTot", "TaAc_SuKg",      "TaAc_GaAmt",          "TaAc_WoulAmtTot"};
    t.remainders = {{"JeyGo_SuKg", "Gong_GongSuKg - ChaongGo_SuKg - TaAc_SuKg"},
                    {"JeyGo_GaAmt", "Gong_GongGaAmt - ChaongGo_GaAmt - TaAc_GaAmt"},
                    {"JeyGo_WoulAmtTot", "Gong_GongWoulAmtTot - ChaongGo_WoulAmtTot - TaAc_WoulAmtTot"}};
    t.movements = {{"MC_JeyGongPumInPut",
                    "Gong_Serial",
                    "Gong_Year",
                    "Gong_Month",
                    {"Gong_SuKg", "Gong_GaAmt", "Gong_WoulAmtTot", "0", "0", "0", "0", "0", "0"},
                    {}},
                   {"MC_JeyGongPumInPut_TaAc",
                    "TaGong_GongSerial",
                    "TaGong_Year",
                    "TaGong_Month",
                    {"0", "0", "0", "0", "0", "0", "TaGong_SuKg", "TaGong_GaAmt", "TaGong_WoulAmtTot"},
                    {}},
                   {"MC_ChaongGoJeyGongPumInJeyGong",
                    "InGong_GongSerial",
                    "InGong_Year",
                    "InGong_Month",
                    {"0", "0", "0", "InGong_SuKg", "InGong_GaAmt", "InGong_WoulAmtTot", "0", "0", "0"},
                    {}}};
    t.remainder = QStringLiteral("JeyGo_SuKg");
    t.table = QStringLiteral("MC_JeyGongPumInPut");
    t.prefix = QStringLiteral("Gong_");
    t.texts = MaterialTexts;
    t.uncarriable = QStringLiteral("COALESCE(T.Gong_SuKg, 0) = 0 Or ") +
                    anyNull(QStringLiteral("T.Gong_"), {"JenGiWonAmt", "JenGiNoMu_01", "JenGiNoMu_02", "JenGiJeyJo_01",
                                                        "JenGiJeyJo_02", "DaongWonAmt", "DaongNoMu_01", "DaongNoMu_02",
                                                        "DaongJeyJo_01", "DaongJeyJo_02", "DanGa", "TotWoul"});
    t.read = {"Gong_InPutSerial"};
    t.derived = QStringList{"round_decimals(S.JeyGo_SuKg, 4) As NewSuKg", "round_decimals(T.Gong_DanGa, 4) As NewDanGa",
                            carriedAmount("Gong_", "S.JeyGo_SuKg", "S.JeyGo_GaAmt") + " As NewGaAmt",
                            "round15(T.Gong_TotWoul) As NewRate"} +
                shares(QStringLiteral("round_decimals((T.Gong_JenGi%1 + T.Gong_Daong%1) * (S.JeyGo_SuKg / "
                                      "T.Gong_SuKg), 5) As New%1"),
                       {"WonAmt", "NoMu_01", "NoMu_02", "JeyJo_01", "JeyJo_02"});
    t.values = {
        {"Gong_SuKg", "NewSuKg"},
        {"Gong_DanGa", "NewDanGa"},
        {"Gong_GaAmt", "NewGaAmt"},
        {"Gong_JenGiWoul", "NewRate"},
        {"Gong_DaongWoul", "0.0"},
        {"Gong_TotWoul", "NewRate"},
        {"Gong_JenGiWonAmt", "NewWonAmt"},
        {"Gong_JenGiNoMu_01", "NewNoMu_01"},
        {"Gong_JenGiNoMu_02", "NewNoMu_02"},
        {"Gong_JenGiJeyJo_01", "NewJeyJo_01"},
        {"Gong_JenGiJeyJo_02", "NewJeyJo_02"},
        {"Gong_DaongWonAmt", "0.0"},
        {"Gong_DaongNoMu_01", "0.0"},
        {"Gong_DaongNoMu_02", "0.0"},
        {"Gong_DaongJeyJo_01", "0.0"},
        {"Gong_DaongJeyJo_02", "0.0"},
        {"Gong_WoulAmtTot", "round_decimals(NewGaAmt + NewNoMu_01 + NewNoMu_02 + NewJeyJo_01 + NewJeyJo_02, 5)"},
        {"Gong_InPutSerial", "COALESCE(Trim(T.Gong_InPutSerial), '')"},
        {"Gong_GongSerial", "Trim(T.Gong_Serial)"}};
    return t;
}

// Products: receipts less shipments and transfers; a returned sale's negative row does not
// put goods back here (its return receipt does). A return receipt carries only a total; so
// does one whose parts are all zero.
CarriedTable products()
{
    CarriedTable t;
    t.step = QStringLiteral("제품 이월");
    t.kind = QStringLiteral("제품");
    t.balanceTable = productbalances::PerReceipt;
    t.key = QStringLiteral("JeyPum_JeyPumSerial");
    t.year = QStringLiteral("JeyPum_Year");
    t.month = QStringLiteral("JeyPum_Month");
    t.valueColumns = QStringList{"JeyPum_JeyPumSuKg", "JeyPum_ChulGoSuKg", "JeyPum_TaAcSuKg"};
    t.remainders = {{"JeyPum_JeyGoSuKg", "JeyPum_JeyPumSuKg - JeyPum_ChulGoSuKg - JeyPum_TaAcSuKg"}};
    t.movements = {
        {"MC_ChaongGoJeyPumInPut", "JeyPum_Serial", "JeyPum_Year", "JeyPum_Month", {"JeyPum_SuKg", "0", "0"}, {}},
        {"MC_ChaongGoJeyPumInPut_TaAc",
         "TaJeyPum_JeyPumSerial",
         "TaJeyPum_Year",
         "TaJeyPum_Month",
         {"0", "0", "TaJeyPum_SuKg"},
         {}},
        {"MC_ChaongGoJeyPumInPut_ChulGo",
         "ChulGo_JeyPumSerial",
         "ChulGo_Year",
         "ChulGo_Month",
         {"0", "ChulGo_SuKg", "0"},
         "COALESCE(ChulGo_Kubun, '') <> '반품매출액'"}};
    t.remainder = QStringLiteral("JeyPum_JeyGoSuKg");
    t.table = QStringLiteral("MC_ChaongGoJeyPumInPut");
    t.prefix = QStringLiteral("JeyPum_");
    t.texts = ProductTexts;
    const QStringList parts{"GaAmt", "JenGiNoMu", "DaongNoMu", "JenGiJeyJo", "DaongJeyJo"};
    t.uncarriable = QStringLiteral("COALESCE(T.JeyPum_SuKg, 0) = 0 Or ") +
                    anyNull(QStringLiteral("T.JeyPum_"), QStringList(parts) << QStringLiteral("TotGaAmt"));
    t.read = {"JeyPum_Kubun"};
    t.derived = QStringList{"round15(S.JeyPum_JeyGoSuKg) As NewSuKg"} +
                shares(QStringLiteral("round_decimals(T.JeyPum_%1 * (S.JeyPum_JeyGoSuKg / T.JeyPum_SuKg), 5) As New%1"),
                       QStringList(parts) << QStringLiteral("TotGaAmt"));
    const QString sumOfParts = QStringLiteral("NewGaAmt + NewJenGiNoMu + NewDaongNoMu + NewJenGiJeyJo + NewDaongJeyJo");
    t.values = {{"JeyPum_SuKg", "NewSuKg"},
                {"JeyPum_GaAmt", "NewGaAmt"},
                {"JeyPum_JenGiNoMu", "NewJenGiNoMu"},
                {"JeyPum_DaongNoMu", "NewDaongNoMu"},
                {"JeyPum_JenGiJeyJo", "NewJenGiJeyJo"},
                {"JeyPum_DaongJeyJo", "NewDaongJeyJo"},
                {"JeyPum_TotGaAmt", QStringLiteral("Case When COALESCE(Trim(T.JeyPum_Kubun), '') <> '매출반품입고' "
                                                   "And %1 <> 0 Then round_decimals(%1, 5) Else NewTotGaAmt End")
                                        .arg(sumOfParts)},
                {"BanPum_ChulGoSerial", "''"},
                {"BanPum_ChulGoJeyPumSerial", "''"},
                {"BanPum_NewChulGoSerial", "''"},
                {"JeyPum_JeyPumSerial", "Trim(T.JeyPum_Serial)"}};
    return t;
}

CarryStep stepFor(const CarriedTable &table)
{
    return {table.step, [table](Db &db, const Params &month) { collect(db, table, month); },
            [table](Db &db) { return refuseUncarriable(db, table); },
            [table](Db &db, const Params &next) {
                return carry(db, table, next);
            }};
}

} // namespace

void recreateCarryTables(Db &db)
{
    recreateReceiptBalanceTables(db);
    recreateLotBalanceTables(db);
    recreateProductBalanceTables(db);
    schema::recreateWorkTable(db, CarryOrder,
                              {{"Carry_Seq", ColumnType::Integer}, {"Carry_Serial", ColumnType::Text, 50}},
                              {QStringLiteral("Carry_Seq")});
}

const QVector<CarryStep> &carrySteps()
{
    static const QVector<CarryStep> steps{stepFor(receipts()), stepFor(lots()), stepFor(products())};
    return steps;
}

} // namespace zedur::closing
