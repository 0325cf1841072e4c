#pragma once

#include "entries/StoredRow.h"
#include "store/Periods.h"
#include "store/ScratchTables.h"

#include <memory>
#include <vector>

namespace zedur::reports::rowchecks {

// The month's rows of the eight tables of the flow of goods, each copied into a scratch
// table: the row checks put worked-out figures into them, and the allocation and the close
// run on them as they would on the books.
class MonthCopies
{
public:
    // The raw-material receipts and their transfers only with `rawMaterial`: no engine but the
    // close's carry reads them.
    MonthCopies(Db &db, const Period &month, bool rawMaterial);

    // The copy of one of entryTables' tables.
    const ScratchCopy &of(const EntryTable &table) const;
    bool has(const EntryTable &table) const;
    QVector<const ScratchCopy *> all() const;
    // How many rows were copied.
    int rows() const { return m_rows; }

private:
    std::vector<std::unique_ptr<ScratchCopy>> m_copies;
    int m_rows = 0;
};

} // namespace zedur::reports::rowchecks
