#pragma once

#include "store/Periods.h"

#include <QString>

namespace zedur {

class Db;

// Starts the books afresh for a month: every table but the account chart is dropped and
// created empty, and the period table gets the month before `start` closed and `start`
// open. One transaction: all of it or nothing.
// Refused (ReadOnlyBooks) on books that may only be read.
void initialiseBooks(Db &db, const Period &start, const AuditValues &audit);
// How a refusal names the initialisation.
inline const QString initialisationWording = QStringLiteral("초기화 작업이");

// A new database file: every table, the starting chart of accounts and the two period rows.
// Fails (StoreError) when anything is at the path already, and leaves that untouched; a
// failure after the file was made removes the file again.
void createDatabase(const QString &path, const Period &start, const AuditValues &audit);

} // namespace zedur
