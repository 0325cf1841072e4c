#include "entries/StoredRow.h"

#include "common/Failure.h"
#include "entries/EntryWarnings.h"
#include "store/Db.h"

namespace zedur {

namespace {

const QString CarriedForward = QStringLiteral("전기이월");

// A write the rule forbids reached the store: a core skipped its test. Nothing is written,
// and the user sees and the log keeps why.
class EntryRuleError : public Failure
{
public:
    explicit EntryRuleError(const QString &message) : Failure(QStringLiteral("EntryRuleError"), message) {}
};

Verdict periodVerdict(const RowRule &rule, const std::optional<PeriodRow> &open, const Period &shown)
{
    if (!open)
        return rule.refusal(warnings::periodTableFault(shown));
    if (open->period.text() != shown.year.trimmed() + shown.month.trimmed())
        return rule.refusal(period::onlyOpenMonthWarning(open->period, rule.periodTail));
    return std::nullopt;
}

Period monthOf(const EntryTable &table, const RowValues &values, bool &present)
{
    Period p;
    int seen = 0;
    for (const auto &[column, value] : values) {
        if (column == table.column(QStringLiteral("Year"))) {
            p.year = value.toString().trimmed();
            ++seen;
        } else if (column == table.column(QStringLiteral("Month"))) {
            p.month = value.toString().trimmed();
            ++seen;
        }
    }
    present = seen == 2;
    return p;
}

void requireOpenMonth(const EntryTable &table, const std::optional<Period> &open, const RowValues &values,
                      bool mustHaveMonth)
{
    bool present = false;
    const Period month = monthOf(table, values, present);
    if (!present && !mustHaveMonth)
        return;
    if (!open || !present || month != *open)
        throw EntryRuleError(QStringLiteral("%1: a row of %2-%3 is outside the open month %4-%5")
                                 .arg(table.name, month.year, month.month, open ? open->year : QString(),
                                      open ? open->month : QString()));
}

} // namespace

QString StoredRow::text(const QString &stem) const
{
    const QString column = m_table.column(stem);
    return found() && m_row.columnIndex(column) >= 0 ? m_row.text(0, column) : QString();
}

QString StoredRow::field(const QString &column) const
{
    return found() && m_row.columnIndex(column) >= 0 ? m_row.text(0, column) : QString();
}

double StoredRow::number(const QString &stem) const
{
    const QString column = m_table.column(stem);
    return found() && m_row.columnIndex(column) >= 0 ? m_row.number(0, column) : 0.0;
}

StoredRow readStoredRow(Db &db, const RowRule &rule, const QString &serial, const Period &shown)
{
    StoredRow row;
    row.m_table = rule.table;
    row.m_serial = serial.trimmed();
    // Locked until the transaction ends: a close or another desk's save cannot change the
    // row between this test and the write that follows it.
    if (!row.m_serial.isEmpty())
        row.m_row = db.query(QStringLiteral("Select * From %1 Where %2 = :tbSerial%3")
                                 .arg(rule.table.name, rule.table.column(QStringLiteral("Serial")),
                                      dialect::lockRowsClause(db.engine())),
                             {{QStringLiteral(":tbSerial"), row.m_serial}});
    const std::optional<PeriodRow> open = period::theOpenPeriod(db);
    if (open)
        row.m_open = open->period;

    if (row.found() && rule.refusesCarriedForward && row.text(QStringLiteral("Kubun")) == CarriedForward)
        row.m_refusal = rule.refusal(warnings::carriedForward());
    else if (row.found() && row.text(QStringLiteral("Check_01")) == period::Closed)
        row.m_refusal = rule.refusal(warnings::closedData());
    else if (Verdict v = periodVerdict(rule, open, shown))
        row.m_refusal = v;
    else if (row.found() && Period{row.text(QStringLiteral("Year")), row.text(QStringLiteral("Month"))} != open->period)
        row.m_refusal = rule.refusal(period::onlyOpenMonthWarning(open->period, rule.periodTail));
    return row;
}

void updateStoredRow(Db &db, const StoredRow &row, const RowValues &values)
{
    if (!row.found() || row.refusal())
        throw EntryRuleError(QStringLiteral("%1: row %2 may not be changed").arg(row.m_table.name, row.m_serial));
    requireOpenMonth(row.m_table, row.m_open, values, false);
    updateRow(db, row.m_table.name, values, row.m_table.column(QStringLiteral("Serial")), row.m_serial);
}

void deleteStoredRow(Db &db, const StoredRow &row)
{
    if (!row.found() || row.refusal())
        throw EntryRuleError(QStringLiteral("%1: row %2 may not be deleted").arg(row.m_table.name, row.m_serial));
    db.exec(QStringLiteral("Delete From %1 Where %2 = :tbSerial")
                .arg(row.m_table.name, row.m_table.column(QStringLiteral("Serial"))),
            {{QStringLiteral(":tbSerial"), row.m_serial}});
}

Verdict newRowRefusal(Db &db, const RowRule &rule, const Period &shown)
{
    return periodVerdict(rule, period::theOpenPeriod(db), shown);
}

void insertEntryRow(Db &db, const EntryTable &table, const RowValues &values)
{
    const std::optional<PeriodRow> open = period::theOpenPeriod(db);
    requireOpenMonth(table, open ? std::optional<Period>(open->period) : std::nullopt, values, true);
    insertRow(db, table.name, values);
}

} // namespace zedur
