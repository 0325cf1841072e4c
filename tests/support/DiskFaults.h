#pragma once

#include <QString>

class QProcess;

// The two ways a disk refuses the books' copies, made without root and without mounts.
namespace zedur::test {

// Makes `folder` (created when missing) one nobody may write into: read-only by its mode,
// or, where the tests run as root and modes do not stop writes, a link to a folder of the
// kernel's own in which no file can be made. Returns false when neither could be done.
bool makeUnwritable(const QString &folder);

// A child started by `process` that can write no file beyond `bytes`, as on a full disk:
// writes past the limit fail instead of killing it.
void limitFileSize(QProcess &process, long long bytes);

// A page of a table's in the books file overwritten, as a failing disk leaves it (the books
// first written back from their log, no connection left open). Answers the file's bytes
// afterwards; empty when it could not be done.
QByteArray damageTablePage(const QString &booksFile, const QString &table);

} // namespace zedur::test
