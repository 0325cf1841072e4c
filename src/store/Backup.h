#pragma once

#include <QDateTime>
#include <QString>

namespace zedur {

class Db;

// "Access_Db/backup/ZedUr_DB_yyyyMMdd_HHmmss_zzz.mdb" beside the database.
QString backupPathFor(const QString &databaseFile, const QDateTime &when);

// A copy of the whole database, named after the moment, before an action that rewrites
// the books (the initialisation, the monthly close). Returns the file written.
QString writeTimestampedBackup(Db &db);

} // namespace zedur
