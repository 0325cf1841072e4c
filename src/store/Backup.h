#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zedur {

class Db;

// "Access_Db/backup/ZedUr_DB_yyyyMMdd_HHmmss_zzz.mdb" beside the database.
QString backupPathFor(const QString &databaseFile, const QDateTime &when);

// The backups of these books in their backup folder, newest first by the moment in their
// name. Only names that backupPathFor makes count: a copy cut short (".partial"), the
// backups of other books and anything else a user keeps in the folder are never taken.
QStringList backupsOf(const QString &databaseFile);

// A copy of the whole database, named after the moment, before an action that rewrites
// the books (the initialisation, the monthly close). Returns the file written.
QString writeTimestampedBackup(Db &db);

} // namespace zedur
