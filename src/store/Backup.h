#pragma once

#include "common/Failure.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zedur {

class Db;

// A backup that could not be written: the action it was to protect does not run.
class BackupError : public Failure
{
public:
    explicit BackupError(const QString &message) : Failure(QStringLiteral("BackupError"), message) {}
};

// "Access_Db/backup/ZedUr_DB_yyyyMMdd_HHmmss_zzz.mdb" beside the database.
QString backupPathFor(const QString &databaseFile, const QDateTime &when);

// The backups of these books in their backup folder, newest first by the moment in their
// name. Only names that backupPathFor makes count: a copy cut short (".partial"), the
// backups of other books and anything else a user keeps in the folder are never taken.
QStringList backupsOf(const QString &databaseFile);

// A copy of the whole database, named after the moment, before an action that rewrites
// the books (the initialisation, the monthly close); then only the newest twenty backups of
// these books are kept. Returns the file written. A copy that cannot be written whole (a
// read-only folder, a full disk) leaves nothing behind and fails with BackupError, whose
// message tells the user why in their words.
QString writeTimestampedBackup(Db &db);

} // namespace zedur
