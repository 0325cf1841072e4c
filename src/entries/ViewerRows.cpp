#include "entries/ViewerRows.h"

#include "entries/StoredRow.h"
#include "store/Periods.h"

namespace zedur {

void deleteAndMark(Db &db, const StoredRow &row)
{
    deleteStoredRow(db, row);
    period::markRecalculation(db);
}

} // namespace zedur
