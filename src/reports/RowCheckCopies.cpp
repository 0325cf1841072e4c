#include "reports/RowCheckCopies.h"

#include <algorithm>
#include <stdexcept>

namespace zedur::reports::rowchecks {

namespace {

const EntryTable *const Copied[] = {
    &entryTables::Receipts,         &entryTables::MaterialTransfers, &entryTables::Lots,
    &entryTables::LotTransfers,     &entryTables::LotCompletions,    &entryTables::ProductReceipts,
    &entryTables::ProductTransfers, &entryTables::Shipments};

} // namespace

MonthCopies::MonthCopies(Db &db, const Period &month, bool rawMaterial)
{
    const Params ym{{":tbYear", month.year.trimmed()}, {":tbMonth", month.month.trimmed()}};
    for (const EntryTable *table : Copied) {
        if (!rawMaterial && (table == &entryTables::Receipts || table == &entryTables::MaterialTransfers))
            continue;
        m_copies.push_back(std::make_unique<ScratchCopy>(
            db, table->name,
            QStringLiteral("%1 = :tbYear And %2 = :tbMonth").arg(table->column("Year"), table->column("Month")), ym));
        m_rows += db.scalar(QStringLiteral("Select count(*) From ") + m_copies.back()->name()).toInt();
    }
}

const ScratchCopy &MonthCopies::of(const EntryTable &table) const
{
    for (const auto &copy : m_copies)
        if (copy->table() == table.name)
            return *copy;
    throw std::logic_error("no scratch copy of " + table.name.toStdString());
}

bool MonthCopies::has(const EntryTable &table) const
{
    return std::any_of(m_copies.cbegin(), m_copies.cend(),
                       [&](const auto &copy) { return copy->table() == table.name; });
}

QVector<const ScratchCopy *> MonthCopies::all() const
{
    QVector<const ScratchCopy *> out;
    for (const auto &copy : m_copies)
        out << copy.get();
    return out;
}

} // namespace zedur::reports::rowchecks
