#include "reports/RerunChecks.h"

#include "closing/Allocation.h"
#include "closing/CarryForward.h"
#include "store/Dialect.h"

#include <limits>

namespace zedur::reports::rowchecks {

namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN();

const QString BroughtForward = QStringLiteral("전기이월");

double figure(const RowReader &row, const QString &column)
{
    const QVariant value = row.value(column);
    return value.isNull() ? None : value.toDouble();
}

// A figure of the copy (S) and of the books (B) apart by more than noise, or only one of them
// there.
QString apart(const QString &column)
{
    return QStringLiteral("(abs(S.%1 - B.%1) > :tbNoise * (1 + abs(S.%1)) Or (S.%1 Is Null And B.%1 Is Not Null) "
                          "Or (S.%1 Is Not Null And B.%1 Is Null))")
        .arg(column);
}

struct Compared {
    QString select; // S.c As W<i>, B.c As S<i>, ...
    QString apart;  // any of them apart
};

Compared compared(const QStringList &columns)
{
    QStringList select;
    QStringList any;
    for (int i = 0; i < columns.size(); ++i) {
        select << QStringLiteral("S.%1 As W%2, B.%1 As S%2").arg(columns.at(i)).arg(i);
        any << apart(columns.at(i));
    }
    return {select.join(QStringLiteral(", ")), any.join(QStringLiteral(" Or "))};
}

QStringList prefixed(const QString &prefix, const QStringList &stems)
{
    QStringList out;
    for (const QString &stem : stems)
        out << prefix + stem;
    return out;
}

// The rows of the copy whose figures differ from the same rows of the books.
void compareWithBooks(Db &db, const ScratchCopy &copy, const QStringList &stems, Findings &findings)
{
    const QStringList columns = prefixed(copy.prefix(), stems);
    const Compared c = compared(columns);
    db.forEachRow(QStringLiteral("Select S.%1 As Serial, %2 From %3 S Join %4 B On B.%1 = S.%1 Where %5")
                      .arg(copy.serialColumn(), c.select, copy.name(), copy.table(), c.apart),
                  {{":tbNoise", Noise}}, [&](const RowReader &r) {
                      for (int i = 0; i < columns.size(); ++i)
                          findings.differs(copy.table(), r.text("Serial"), columns.at(i),
                                           figure(r, QStringLiteral("S%1").arg(i)),
                                           figure(r, QStringLiteral("W%1").arg(i)), Unrounded);
                  });
}

// A table the close carries: the column naming the source row, and the figures it writes
// that the next month leaves as they are, each with the rounding it is written with.
struct CarriedTable {
    const EntryTable *table;
    QString link;
    QVector<QPair<QString, double>> figures;
};

const QVector<CarriedTable> &carriedTables()
{
    static const QVector<CarriedTable> tables{
        {&entryTables::Receipts, "InPutSerial", {{"SuKg", FourPlaces}, {"DanGa", FourPlaces}, {"GaAmt", FourPlaces}}},
        // The month's rate, its cost, labour and overhead and the total are the next month's.
        {&entryTables::Lots,
         "GongSerial",
         {{"SuKg", FourPlaces},
          {"DanGa", FourPlaces},
          {"GaAmt", FourPlaces},
          {"JenGiWoul", Unrounded},
          {"JenGiWonAmt", FivePlaces},
          {"JenGiNoMu_01", FivePlaces},
          {"JenGiNoMu_02", FivePlaces},
          {"JenGiJeyJo_01", FivePlaces},
          {"JenGiJeyJo_02", FivePlaces}}},
        {&entryTables::ProductReceipts,
         "JeyPumSerial",
         {{"SuKg", Unrounded},
          {"GaAmt", FivePlaces},
          {"JenGiNoMu", FivePlaces},
          {"DaongNoMu", FivePlaces},
          {"JenGiJeyJo", FivePlaces},
          {"DaongJeyJo", FivePlaces},
          {"TotGaAmt", FivePlaces}}}};
    return tables;
}

void compareCarried(Db &db, const CarriedTable &carried, const ScratchCopy &copy, const Params &next,
                    Findings &findings)
{
    const EntryTable &t = *carried.table;
    QStringList columns;
    for (const auto &[stem, tolerance] : carried.figures)
        columns << t.column(stem);
    const Compared c = compared(columns);
    const QString link = t.column(carried.link);
    const auto inNext = [&](const QString &alias) {
        return QStringLiteral("%1.%2 = :tbNextYear And %1.%3 = :tbNextMonth")
            .arg(alias, t.column("Year"), t.column("Month"));
    };
    // The same where a row is looked up by its link: the link's index finds the row, not the
    // period's, which would read the whole next month for each one.
    const auto linkedInNext = [&](const QString &alias) {
        const auto column = [&](const char *stem) {
            return dialect::notIndexed(db.engine(), alias + u'.' + t.column(stem));
        };
        return QStringLiteral("%1 = :tbNextYear And %2 = :tbNextMonth").arg(column("Year"), column("Month"));
    };
    const Params carriedNext = next + Params{{":tbKind", BroughtForward}};
    const Params p = carriedNext + Params{{":tbNoise", Noise}};
    db.forEachRow(QStringLiteral("Select S.%1 As Source, B.%2 As Serial, %3 From %4 S Left Join %5 B On B.%1 = S.%1 "
                                 "And %6 And B.%7 = :tbKind Where %8 And (B.%2 Is Null Or %9)")
                      .arg(link, t.column("Serial"), c.select, copy.name(), t.name, linkedInNext("B"),
                           t.column("Kubun"), inNext("S"), c.apart),
                  p, [&](const RowReader &r) {
                      if (r.value("Serial").isNull()) {
                          findings.differs(t.name, link + u'=' + r.text("Source"), columns.first(), None,
                                           figure(r, "W0"), carried.figures.first().second);
                          return;
                      }
                      for (int i = 0; i < columns.size(); ++i)
                          findings.differs(t.name, r.text("Serial"), columns.at(i),
                                           figure(r, QStringLiteral("S%1").arg(i)),
                                           figure(r, QStringLiteral("W%1").arg(i)), carried.figures.at(i).second);
                  });
    // Brought-forward rows the close would not have written.
    db.forEachRow(QStringLiteral("Select B.%1 As Serial, B.%2 As Figure From %3 B Where %4 And B.%5 = :tbKind And "
                                 "Not Exists (Select 1 From %6 S Where S.%7 = B.%7 And %8)")
                      .arg(t.column("Serial"), columns.first(), t.name, inNext("B"), t.column("Kubun"), copy.name(),
                           link, linkedInNext("S")),
                  carriedNext, [&](const RowReader &r) {
                      findings.differs(t.name, r.text("Serial"), columns.first(), figure(r, "Figure"), None,
                                       carried.figures.first().second);
                  });
    findings.counted(
        db.scalar(QStringLiteral("Select count(*) From %1 S Where %2").arg(copy.name(), inNext("S")), next).toInt());
}

} // namespace

void rerunAllocation(Db &db, const Period &month, const MonthCopies &copies, Findings &findings)
{
    Verdict refused;
    {
        const StandIns standIns(db, copies.all());
        refused = allocation::allocateRows(db, month);
    }
    if (refused) {
        findings.note(QStringLiteral("배부액 대조 제외: 배부액 계산을 다시 할 수 없습니다. ") +
                      refused->text.simplified());
        return;
    }
    using namespace allocation;
    compareWithBooks(db, copies.of(entryTables::Lots), LotAmounts, findings);
    compareWithBooks(db, copies.of(entryTables::LotTransfers), Rates + TransferAmounts, findings);
    compareWithBooks(db, copies.of(entryTables::LotCompletions), CompletionAmounts, findings);
    compareWithBooks(db, copies.of(entryTables::ProductReceipts), ProductAmounts, findings);
    compareWithBooks(db, copies.of(entryTables::ProductTransfers), ProductAmounts, findings);
    compareWithBooks(db, copies.of(entryTables::Shipments), ShipmentAmounts, findings);
}

void rerunCarry(Db &db, const Period &month, const MonthCopies &copies, Findings &findings)
{
    const Period next = nextMonth(month);
    const Params ym{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}};
    const Params nextRows{{":tbNextYear", next.year},
                          {":tbNextMonth", next.month},
                          {":tbDate", next.year + u'-' + next.month + QStringLiteral("-01")},
                          {":tbMemo", QString()},
                          {":tbVolume", QString()},
                          {":tbSaveDate", QString()}};
    {
        const StandIns standIns(db, copies.all());
        closing::recreateCarryTables(db);
        for (const closing::CarryStep &step : closing::carrySteps()) {
            step.collect(db, ym);
            if (Verdict refused = step.refuseUncarriable(db)) {
                findings.note(QStringLiteral("이월 행 대조 제외: ") + refused->text.simplified());
                return;
            }
            step.carry(db, nextRows);
        }
    }
    const Params nextMonthOnly{{":tbNextYear", next.year}, {":tbNextMonth", next.month}};
    for (const CarriedTable &carried : carriedTables())
        compareCarried(db, carried, copies.of(*carried.table), nextMonthOnly, findings);
}

} // namespace zedur::reports::rowchecks
