#pragma once

#include "store/Periods.h"

namespace zedur {

class Db;

// Starts the books afresh for a month: every table but the account chart is dropped and
// created empty, and the period table gets the month before `start` closed and `start`
// open. One transaction: all of it or nothing.
void initialiseBooks(Db &db, const Period &start, const AuditValues &audit);

// A new database file: every table, the starting chart of accounts and the two period rows.
// Fails (StoreError) when anything is at the path already, and leaves that untouched; a
// failure after the file was made removes the file again.
void createDatabase(const QString &path, const Period &start, const AuditValues &audit);

} // namespace zedur
