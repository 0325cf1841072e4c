#include "store/Backup.h"

#include "common/BooksLocation.h"
#include "common/ErrorLog.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "store/Db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <algorithm>

namespace zedur {

namespace {

// Twenty copies reach back over more than a year of closes without letting copies of ever
// larger books fill the disk.
constexpr int backupsKept = 20;

// The file whose name and folder the backups take: the books file, or for books on a
// server a file named after its database in the program's books folder.
QString namingFile(const QString &location)
{
    if (const auto server = parseServerLocation(location))
        return appDir() + QStringLiteral("Access_Db/") + server->database + QStringLiteral(".mdb");
    return location;
}

QString backupFolderOf(const QString &location)
{
    return QFileInfo(namingFile(location)).absolutePath() + QStringLiteral("/backup");
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
// rarely tells (a write refused past a size limit is only "disk I/O error").
QString likelyCause(const QString &folder, const QString &databaseFile, const QString &databaseText)
{
    QTemporaryFile probe(folder + QStringLiteral("/XXXXXX.probe"));
    if (!probe.open())
        return QStringLiteral("백업 폴더에 쓸 수 없습니다 (읽기 전용이거나 쓰기 권한이 없습니다).");
    if (databaseText.contains(QStringLiteral("full"), Qt::CaseInsensitive) ||
        !roomFor(probe, QFileInfo(databaseFile).size()))
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

// Only after the new backup is whole; never the one just written, even when the clock was
// set back and older copies carry later moments.
void pruneBackups(const QString &databaseFile, const QString &written)
{
    QStringList older = backupsOf(databaseFile);
    older.removeAll(written);
    for (int i = backupsKept - 1; i < older.size(); ++i) {
        QFile old(older.at(i));
        if (!old.remove())
            LogError({QStringLiteral("pruneBackups"), QStringLiteral("오래된 백업 화일을 지울 수 없습니다."),
                      QStringLiteral("BackupError"), old.fileName() + QStringLiteral(": ") + old.errorString()});
    }
}

} // namespace

QString backupPathFor(const QString &databaseFile, const QDateTime &when)
{
    const QFileInfo info(namingFile(databaseFile));
    return backupFolderOf(databaseFile) + u'/' + info.completeBaseName() + u'_' +
           when.toString(QStringLiteral("yyyyMMdd_HHmmss_zzz")) + u'.' + info.suffix();
}

QStringList backupsOf(const QString &databaseFile)
{
    const QFileInfo books(namingFile(databaseFile));
    const QDir folder(backupFolderOf(databaseFile));
    const QRegularExpression named(
        QStringLiteral("^%1_(\\d{8}_\\d{6}_\\d{3})\\.%2$")
            .arg(QRegularExpression::escape(books.completeBaseName()), QRegularExpression::escape(books.suffix())));
    QList<QPair<QString, QString>> found; // moment, file
    for (const QString &name : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = named.match(name);
        if (m.hasMatch())
            found.append({m.captured(1), folder.filePath(name)});
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList files;
    for (const auto &backup : found)
        files << backup.second;
    return files;
}

QString writeTimestampedBackup(Db &db)
{
    const QString path = backupPathFor(db.path(), QDateTime::currentDateTime());
    try {
        db.backupTo(path);
    } catch (const Failure &f) {
        throw BackupError(backupFailedText(backupFolderOf(db.path()), db.path(), f.message()));
    }
    pruneBackups(db.path(), path);
    return path;
}

} // namespace zedur
