#pragma once

#include "common/Failure.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// A backup file: a books file compressed with zstd, its label (why and when it was written,
// the open month inside) in a skippable frame before it and an end mark after it. The zstd
// tool skips both, so `zstd -d` alone gives the books back; the program reads the label
// without reading the books, and the end mark tells a whole file from one cut short.
namespace zedur::backupfile {

class BackupFileError : public Failure
{
public:
    explicit BackupFileError(const QString &message) : Failure(QStringLiteral("BackupFileError"), message) {}
};

// Hands the books' bytes over piece by piece to `take` (which answers false to give up);
// answers false when the bytes could not be read.
using BooksReader = std::function<bool(const std::function<bool(const char *data, qint64 size)> &take)>;

// Writes the label, the books compressed as they are read, and the end mark into `out`,
// then flushes it to the disk. `booksBytes` is the size of the books when known (-1
// otherwise). False with `error` set when anything failed.
bool write(QIODevice &out, const QJsonObject &label, qint64 booksBytes, const BooksReader &read, QString *error);

// The label of a whole backup file; nothing when the file is not one, or is cut short.
std::optional<QJsonObject> label(const QString &file);

// Decompresses the books of a backup file into `target` (made new), checking every frame's
// checksum on the way. Fails with BackupFileError when the file is not a whole backup.
void expand(const QString &file, const QString &target);

// Whether a file begins as a backup file does (the label's frame).
bool looksLikeBackupFile(const QString &file);

// Puts a folder's entries (a file just renamed into it) on the disk.
bool syncFolder(const QString &folder);

} // namespace zedur::backupfile
