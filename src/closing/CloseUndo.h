#pragma once

#include "store/Backup.h"

#include <optional>

namespace zedur {

class Db;

// The backup the newest close wrote, while that close is still the newest change of period:
// the month it closed is the one before the open month, and no initialisation, restore or
// later close has written a backup since (each does before it changes a period). Undoing the
// close is restoring it.
std::optional<BackupInfo> undoableClose(Db &db);

// "2005-04 마감을 취소하고 ...": what the confirmation of the undo opens with.
QString undoCloseHeading(const BackupInfo &close);

} // namespace zedur
