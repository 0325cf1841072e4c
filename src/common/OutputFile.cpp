#include "common/OutputFile.h"

#include "common/BackupSignature.h"
#include "common/BooksLocation.h"
#include "common/FilePaths.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace zedur {

namespace {

const QByteArray databaseHeader("SQLite format 3\0", 16);
// The write-ahead log and the rollback journal begin with these (big-endian) numbers.
const QByteArray walMagic = QByteArray::fromHex("377f0682");
const QByteArray walMagicSwapped = QByteArray::fromHex("377f0683");
const QByteArray journalMagic = QByteArray::fromHex("d9d505f920a163d7");
const QStringList sideFileSuffixes{QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};

QByteArray headOf(const QString &path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(bytes);
}

bool isDatabase(const QString &path)
{
    return headOf(path, databaseHeader.size()) == databaseHeader;
}

bool isJournal(const QString &path)
{
    const QByteArray head = headOf(path, journalMagic.size());
    return head.startsWith(walMagic) || head.startsWith(walMagicSwapped) || head.startsWith(journalMagic);
}

// The books the program opens, when they are a file.
QString booksFile()
{
    const QString location = databasePath();
    return isServerLocation(location) ? QString() : resolvedFilePath(location);
}

QString named(const QString &path, const QString &target)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return absolute == target ? path : path + QStringLiteral(" (→ ") + target + u')';
}

// The database a side file belongs to (the path without "-wal", "-shm" or "-journal"), when
// the path names one of a database's side files.
QString databaseBeside(const QString &target, const QString &books)
{
    for (const QString &suffix : sideFileSuffixes) {
        if (!target.endsWith(suffix))
            continue;
        const QString database = target.chopped(suffix.size());
        if (database == books || isDatabase(database))
            return database;
    }
    return {};
}

bool syncToDisk(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && ::fsync(file.handle()) == 0;
}

} // namespace

const OutputKind &spreadsheetOutput()
{
    static const OutputKind kind{QStringLiteral("스프레드시트(.xlsx)"), QByteArray("PK\x03\x04", 4)};
    return kind;
}

const OutputKind &pdfOutput()
{
    static const OutputKind kind{QStringLiteral("PDF"), QByteArrayLiteral("%PDF-")};
    return kind;
}

const OutputKind &booksOutput()
{
    static const OutputKind kind{QStringLiteral("장부"), {}, true};
    return kind;
}

std::optional<QString> refusalToWrite(const QString &path, const OutputKind &kind)
{
    const QString again = LB + QStringLiteral("다른 파일 이름을 지정하세요.......");
    const QString target = resolvedFilePath(path);
    if (target.isEmpty())
        return QStringLiteral("가리키는 파일이 없는 링크에는 쓸 수 없습니다:") + LB + path + again;
    const QString books = booksFile();
    if (!kind.books && target == books)
        return QStringLiteral("장부 파일에는 쓸 수 없습니다:") + LB + named(path, target) + again;
    if (const QString database = databaseBeside(target, books); !database.isEmpty() || isJournal(target))
        return QStringLiteral("장부(SQLite 데이터베이스)가 곁에 두는 파일이라 쓸 수 없습니다:") + LB +
               named(path, target) + again;
    const QFileInfo existing(target);
    if (!existing.exists())
        return std::nullopt;
    if (existing.isDir())
        return QStringLiteral("폴더에는 쓸 수 없습니다:") + LB + named(path, target) + again;
    if (isDatabase(target))
        return QStringLiteral("장부나 백업 같은 SQLite 데이터베이스 파일이라 덮어쓸 수 없습니다:") + LB +
               named(path, target) + again;
    if (backupsignature::looksLikeBackup(target))
        return QStringLiteral("장부의 백업 파일이라 덮어쓸 수 없습니다:") + LB + named(path, target) + again;
    const bool sameKind = !kind.signature.isEmpty() && headOf(target, kind.signature.size()) == kind.signature;
    if (existing.size() > 0 && !sameKind)
        return kind.label + QStringLiteral(" 파일이 아니라서 덮어쓰지 않습니다:") + LB + named(path, target) + again;
    return std::nullopt;
}

bool writeOutputFile(const QString &path, const OutputKind &kind, const std::function<bool(const QString &)> &write)
{
    if (const std::optional<QString> refusal = refusalToWrite(path, kind))
        throw OutputRefused(*refusal);
    const QFileInfo target(resolvedFilePath(path));
    // Beside the target, so that putting it in place is a rename on the same disk.
    QTemporaryFile partial(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                           QStringLiteral(".XXXXXX"));
    if (!partial.open())
        return false;
    partial.close();
    if (!write(partial.fileName()) || !syncToDisk(partial.fileName()))
        return false;
    const QFileDevice::Permissions permissions = target.exists() ? target.permissions()
                                                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                       QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(partial.fileName(), permissions);
    // rename() replaces the old file in one step: a reader sees the old file or the new one.
    if (std::rename(QFile::encodeName(partial.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return false;
    partial.setAutoRemove(false);
    return true;
}

} // namespace zedur
