#pragma once

#include "imports/Importer.h"

namespace zedur::imports {

// Opening stock: brought-forward rows ("전기이월") of the open month, as the close writes
// them, for raw materials, WIP lots and products, one kind a sheet (told by its titles). Only
// before the books' first close; a code that already has opening stock of its kind is
// replaced only when chosen and while nothing draws on that stock.
std::unique_ptr<Importer> makeOpeningImport(ImportContext &context);

// Whether the books were ever closed by a close (not only the month before their first one,
// which is written closed when they are made).
bool closedByAClose(Db &db);

} // namespace zedur::imports
