#pragma once

#include "common/Failure.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zedur {

class Db;

// A backup that could not be written: the action it was to protect does not run.
class BackupError : public Failure
{
public:
    explicit BackupError(const QString &message) : Failure(QStringLiteral("BackupError"), message) {}
};

// Why a backup was written: before an initialisation, before the close of a month, before a
// restore (which is how a restore is undone). Backups of older versions do not say.
enum class BackupReason { Unknown, Initialisation, Close, BeforeRestore };

struct BackupPurpose {
    BackupReason reason = BackupReason::Unknown;
    QString closedMonth; // "2005-04": the month a close's backup was written for
};

// One backup of the books as the list shows it.
struct BackupInfo {
    QString file;
    QDateTime moment;
    BackupPurpose purpose;
    QString openMonth; // "2005-04": the open month inside the backup
    QString openState; // its state, "미마감" or "배부액재계산"
    qint64 size = 0;   // of the file
    QString why() const; // "2005-04 마감 전", in the user's words
};

// "Access_Db/backup/ZedUr_DB_yyyyMMdd_HHmmss_zzz.mdb.zst" beside the database (for server
// books, named after the database in the program's books folder).
QString backupPathFor(const QString &location, const QDateTime &when);
QString backupFolderOf(const QString &location);
// "12.3 MB": the size of a backup or of the folder, as the list shows it.
QString backupSizeText(qint64 bytes);

// The whole backups of these books, newest first by the moment in their name: the
// compressed ones with their label and end mark, and the plain copies older versions wrote.
// A copy cut short (".partial", or a compressed one without its end), the backups of other
// books and anything else a user keeps in the folder are never taken.
QVector<BackupInfo> listBackups(const QString &location);
QStringList backupsOf(const QString &location);

// What is kept: the backup of each of the last twelve months closed (of a month closed
// twice, the later close's), and the newest five of the other kinds; past the folder limit
// the user is warned.
struct BackupRetention {
    int closes = 12;
    int others = 5;
    qint64 folderLimitBytes = qint64(4) << 30;
};

// The backups (newest first) that retention lets go; never `written`, which keeps its place.
QStringList backupsPastRetention(const QVector<BackupInfo> &newestFirst, const QString &written,
                                 const BackupRetention &keep);

// The warning when the backup folder, with whatever else is in it, holds more than the
// limit; empty when it does not.
QString backupFolderWarning(const QString &location, const BackupRetention &keep = {});

struct BackupWritten {
    QString file;
    QString folderWarning; // see backupFolderWarning
};

// A compressed copy of the whole books, named after the moment, before an action that
// rewrites them; then retention removes what it lets go. A copy that cannot be written
// whole (a read-only folder, a full disk) leaves nothing behind and fails with BackupError,
// whose message tells the user why in their words; a copy cut short by a crash is only
// ever a ".partial" file.
BackupWritten writeBackup(Db &db, const BackupPurpose &purpose, const BackupRetention &keep = {});

// Books a database cannot read any more, backed up byte for byte as they lie in their file
// (the start-up offer replaces such books: they are kept first all the same).
BackupWritten writeBackupOfDamagedFile(const QString &booksFile, const BackupRetention &keep = {});

} // namespace zedur
