#include "store/Backup.h"

#include "common/BooksLocation.h"
#include "common/ErrorLog.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "store/BackupFile.h"
#include "store/Db.h"
#include "store/Integrity.h"
#include "store/Periods.h"
#include "store/StoreError.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <algorithm>

namespace zedur {

namespace {

const QString compressedSuffix = QStringLiteral(".zst");
const QString momentFormat = QStringLiteral("yyyyMMdd_HHmmss_zzz");

// The file whose name and folder the backups take: the books file, or for books on a
// server a file named after its database in the program's books folder.
QString namingFile(const QString &location)
{
    if (const auto server = parseServerLocation(location))
        return appDir() + QStringLiteral("Access_Db/") + server->database + QStringLiteral(".mdb");
    return location;
}

const QStringList &reasonKeys()
{
    static const QStringList keys{QStringLiteral("unknown"), QStringLiteral("initialisation"),
                                  QStringLiteral("close"), QStringLiteral("before-restore")};
    return keys;
}

QString reasonKey(BackupReason reason)
{
    return reasonKeys().at(int(reason));
}

BackupReason reasonOf(const QString &key)
{
    const int i = int(reasonKeys().indexOf(key));
    return i < 0 ? BackupReason::Unknown : BackupReason(i);
}

QString monthText(const Period &p)
{
    return p.year + u'-' + p.month;
}

QJsonObject labelFor(const BackupPurpose &purpose, const QString &location, const std::optional<PeriodRow> &open,
                     bool damaged = false)
{
    QJsonObject label{{QStringLiteral("reason"), reasonKey(purpose.reason)},
                      {QStringLiteral("moment"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs)},
                      {QStringLiteral("books"), isServerLocation(location) ? location : QFileInfo(location).fileName()}};
    if (!purpose.closedMonth.isEmpty())
        label.insert(QStringLiteral("closed"), purpose.closedMonth);
    if (open) {
        label.insert(QStringLiteral("open"), monthText(open->period));
        label.insert(QStringLiteral("state"), open->state);
    }
    if (damaged)
        label.insert(QStringLiteral("damaged"), true);
    return label;
}

// Hands a file's bytes over a megabyte at a time.
backupfile::BooksReader fileReader(QFile &file)
{
    return [&file](const std::function<bool(const char *, qint64)> &take) {
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        qint64 n = 0;
        while ((n = file.read(chunk.data(), chunk.size())) > 0)
            if (!take(chunk.constData(), n))
                return false;
        return n == 0;
    };
}

// Compresses the file `books` into the new file `partial` under `label`.
void compressFile(const QString &books, const QString &partial, const QJsonObject &label)
{
    QFile in(books);
    if (!in.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("%1: %2").arg(books, in.errorString()));
    QFile out(partial);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw StoreError(QStringLiteral("%1: %2").arg(partial, out.errorString()));
    QString error;
    if (!backupfile::write(out, label, in.size(), fileReader(in), &error))
        throw StoreError(QStringLiteral("%1: %2").arg(partial, error));
}

// SQLite books read straight from their file while nothing can change it: the log is
// written back into the file first and the write lock held while it is read, so the file
// alone is the books. False when the log could not be emptied (another program reading
// the books holds it); nothing is written then.
bool compressFromTheFile(Db &db, const QString &partial, const BackupPurpose &purpose)
{
    try {
        const ResultSet checkpoint = db.query(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        if (checkpoint.isEmpty() || checkpoint.rows().first().first().toInt() != 0)
            return false;
    } catch (const StoreError &) {
        return false; // a connection in the middle of a transaction cannot empty the log
    }
    Transaction writersKeptOut(db);
    if (QFileInfo(db.path() + QStringLiteral("-wal")).size() > 0)
        return false; // someone wrote between the checkpoint and the lock
    compressFile(db.path(), partial, labelFor(purpose, db.path(), period::theOpenPeriod(db)));
    return true; // never committed: the lock is let go without a change
}

// A books file copied from the books first (server books, or SQLite books whose log could
// not be emptied), then compressed; the copy goes again.
void compressFromACopy(Db &db, const QString &partial, const BackupPurpose &purpose)
{
    const QString copy = partial + QStringLiteral(".books");
    removeDatabaseFiles(copy);
    try {
        db.backupTo(copy);
        std::optional<PeriodRow> open;
        {
            const std::unique_ptr<Db> copied = Db::open(copy);
            copied->exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
            open = period::theOpenPeriod(*copied);
        }
        compressFile(copy, partial, labelFor(purpose, db.path(), open));
    } catch (...) {
        removeDatabaseFiles(copy);
        throw;
    }
    removeDatabaseFiles(copy);
}

// Whether a file as large as the books still fits in the folder. Written out, not only
// reserved: a full disk takes a file's length but not its bytes.
bool roomFor(QFile &probe, qint64 size)
{
    const QByteArray chunk(1 << 20, '\0');
    for (qint64 written = 0; written < size;) {
        const qint64 n = probe.write(chunk.constData(), std::min<qint64>(chunk.size(), size - written));
        if (n <= 0)
            return false;
        written += n;
    }
    return probe.flush();
}

// What the user can do about it, in the words of the failure; the database's own text
// rarely tells (a write refused past a size limit is only "disk I/O error"). A compressed
// backup needs a fraction of the books' size; a quarter of it is the room asked for.
QString likelyCause(const QString &folder, const QString &databaseFile, const QString &databaseText)
{
    QTemporaryFile probe(folder + QStringLiteral("/XXXXXX.probe"));
    if (!probe.open())
        return QStringLiteral("백업 폴더에 쓸 수 없습니다 (읽기 전용이거나 쓰기 권한이 없습니다).");
    if (databaseText.contains(QStringLiteral("full"), Qt::CaseInsensitive) ||
        databaseText.contains(QStringLiteral("File too large"), Qt::CaseInsensitive) ||
        !roomFor(probe, QFileInfo(databaseFile).size() / 4))
        return QStringLiteral("디스크에 남은 공간이 부족합니다.");
    return QStringLiteral("백업 화일을 쓰는 중에 오류가 발생하였습니다.");
}

QString backupFailedText(const QString &folder, const QString &databaseFile, const QString &databaseText)
{
    const QString two = LB + LB;
    return QStringLiteral("데이타베이스를 백업할 수 없어서 작업을 하지 않았습니다.") + two +
           likelyCause(folder, databaseFile, databaseText) + two + QStringLiteral("백업 폴더: ") + folder + two +
           QStringLiteral("폴더에 쓸 수 있는지, 디스크에 남은 공간이 있는지 확인 후") + LB +
           QStringLiteral("다시 실행하세요.........") + two + databaseText;
}

void prune(const QString &location, const QString &written, const BackupRetention &keep)
{
    for (const QString &file : backupsPastRetention(listBackups(location), written, keep)) {
        QFile old(file);
        if (!old.remove())
            LogError({QStringLiteral("pruneBackups"), QStringLiteral("오래된 백업 화일을 지울 수 없습니다."),
                      QStringLiteral("BackupError"), old.fileName() + QStringLiteral(": ") + old.errorString()});
    }
}

// Writes a backup through `write(partial)` under the moment's name: on the disk under a
// name no list takes, then renamed in one step.
BackupWritten writeNamed(const QString &location, const QString &sizeOf, const BackupRetention &keep,
                         const std::function<void(const QString &partial)> &write)
{
    const QString path = backupPathFor(location, QDateTime::currentDateTime());
    const QString folder = backupFolderOf(location);
    const QString partial = path + QStringLiteral(".partial");
    try {
        if (QFileInfo::exists(path))
            throw StoreError(QStringLiteral("backup file already exists: %1").arg(path));
        if (!QDir().mkpath(folder))
            throw StoreError(QStringLiteral("cannot make the folder %1").arg(folder));
        QFile::remove(partial);
        write(partial);
        killWhenTheCrashTestSaysSo(); // a copy written whole but not yet named a backup
        if (!QFile::rename(partial, path))
            throw StoreError(QStringLiteral("backup could not be renamed to %1").arg(path));
        backupfile::syncFolder(folder);
    } catch (const Failure &f) {
        QFile::remove(partial);
        throw BackupError(backupFailedText(folder, sizeOf, f.message()));
    }
    prune(location, path, keep);
    return {path, backupFolderWarning(location, keep)};
}

struct NamedBackup {
    QString moment;
    QString file;
    bool compressed;
};

QVector<NamedBackup> namedBackups(const QString &location)
{
    const QFileInfo books(namingFile(location));
    const QDir folder(backupFolderOf(location));
    const QRegularExpression named(
        QStringLiteral("^%1_(\\d{8}_\\d{6}_\\d{3})\\.%2(%3)?$")
            .arg(QRegularExpression::escape(books.completeBaseName()), QRegularExpression::escape(books.suffix()),
                 QRegularExpression::escape(compressedSuffix)));
    QVector<NamedBackup> found;
    for (const QString &name : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = named.match(name);
        if (m.hasMatch())
            found.append({m.captured(1), folder.filePath(name), !m.captured(2).isEmpty()});
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.moment > b.moment; });
    return found;
}

// A plain copy an older version wrote is whole when it is a database at all.
bool isDatabaseFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

} // namespace

QString BackupInfo::why() const
{
    switch (purpose.reason) {
    case BackupReason::Initialisation:
        return QStringLiteral("초기화 전");
    case BackupReason::Close:
        return purpose.closedMonth + QStringLiteral(" 마감 전");
    case BackupReason::BeforeRestore:
        return QStringLiteral("복원 전");
    case BackupReason::Unknown:
        break;
    }
    return QStringLiteral("(이전 버전의 백업)");
}

QString backupSizeText(qint64 bytes)
{
    if (bytes >= qint64(1) << 30)
        return QString::number(double(bytes) / double(qint64(1) << 30), 'f', 1) + QStringLiteral(" GB");
    if (bytes >= 1 << 20)
        return QString::number(double(bytes) / double(1 << 20), 'f', 1) + QStringLiteral(" MB");
    return QString::number(double(bytes) / 1024.0, 'f', 1) + QStringLiteral(" KB");
}

QString backupFolderOf(const QString &location)
{
    return QFileInfo(namingFile(location)).absolutePath() + QStringLiteral("/backup");
}

QString backupPathFor(const QString &location, const QDateTime &when)
{
    const QFileInfo info(namingFile(location));
    return backupFolderOf(location) + u'/' + info.completeBaseName() + u'_' + when.toString(momentFormat) + u'.' +
           info.suffix() + compressedSuffix;
}

QVector<BackupInfo> listBackups(const QString &location)
{
    QVector<BackupInfo> list;
    for (const NamedBackup &named : namedBackups(location)) {
        BackupInfo info;
        info.file = named.file;
        info.moment = QDateTime::fromString(named.moment, momentFormat);
        info.size = QFileInfo(named.file).size();
        if (named.compressed) {
            const std::optional<QJsonObject> label = backupfile::label(named.file);
            if (!label)
                continue; // cut short, or no backup of ours at all
            info.purpose = {reasonOf(label->value(QStringLiteral("reason")).toString()),
                            label->value(QStringLiteral("closed")).toString()};
            info.openMonth = label->value(QStringLiteral("open")).toString();
            info.openState = label->value(QStringLiteral("state")).toString();
        } else {
            if (!isDatabaseFile(named.file))
                continue;
            const QVariantList open = readOnlyRow(
                named.file, QStringLiteral("SELECT YM_Year || '-' || YM_Month, YM_Kubun FROM MC_YearMonthCheck "
                                           "WHERE YM_Kubun <> '마감완료'"));
            if (open.size() == 2) {
                info.openMonth = open.at(0).toString();
                info.openState = open.at(1).toString().trimmed();
            }
        }
        list.append(info);
    }
    return list;
}

QStringList backupsOf(const QString &location)
{
    QStringList files;
    for (const BackupInfo &b : listBackups(location))
        files << b.file;
    return files;
}

QStringList backupsPastRetention(const QVector<BackupInfo> &newestFirst, const QString &written,
                                 const BackupRetention &keep)
{
    QSet<QString> closedMonthsKept;
    int othersKept = 0;
    // The one just written first, so that it always keeps its place even when the clock was
    // set back and older backups carry later moments.
    QVector<BackupInfo> order;
    for (const BackupInfo &b : newestFirst) {
        if (b.file == written)
            order.prepend(b);
        else
            order.append(b);
    }
    QStringList past;
    for (const BackupInfo &b : order) {
        // A close's backup stands for its month: an earlier close of the same month, since
        // undone, and closes older than the last twelve go.
        if (b.purpose.reason == BackupReason::Close) {
            const QString month = b.purpose.closedMonth;
            if ((!closedMonthsKept.contains(month) && closedMonthsKept.size() < keep.closes) || b.file == written)
                closedMonthsKept.insert(month);
            else
                past << b.file;
        } else if (othersKept < keep.others || b.file == written) {
            ++othersKept;
        } else {
            past << b.file;
        }
    }
    return past;
}

QString backupFolderWarning(const QString &location, const BackupRetention &keep)
{
    const QString folder = backupFolderOf(location);
    qint64 total = 0;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        total += it.nextFileInfo().size();
    if (total <= keep.folderLimitBytes)
        return {};
    return QStringLiteral("백업 폴더가 %1로, 한도 %2를 넘었습니다.").arg(backupSizeText(total), backupSizeText(keep.folderLimitBytes)) +
           LB + QStringLiteral("백업 폴더: ") + folder + LB +
           QStringLiteral("필요 없는 화일을 다른 곳으로 옮기거나 지우세요.......");
}

BackupWritten writeBackup(Db &db, const BackupPurpose &purpose, const BackupRetention &keep)
{
    return writeNamed(db.path(), db.path(), keep, [&](const QString &partial) {
        if (db.engine() != Engine::Sqlite || !compressFromTheFile(db, partial, purpose))
            compressFromACopy(db, partial, purpose);
    });
}

BackupWritten writeBackupOfDamagedFile(const QString &booksFile, const BackupRetention &keep)
{
    return writeNamed(booksFile, booksFile, keep, [&](const QString &partial) {
        compressFile(booksFile, partial, labelFor({BackupReason::BeforeRestore, {}}, booksFile, std::nullopt, true));
    });
}

} // namespace zedur
