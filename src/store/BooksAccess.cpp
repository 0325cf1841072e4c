#include "store/BooksAccess.h"

#include "common/Messages.h"

#include <QFileInfo>
#include <QUrl>
#include <fcntl.h>
#include <unistd.h>

namespace zedur {

namespace {

// Asked as the file system will answer open(): for the effective user, and a read-only
// mount refuses even the superuser.
bool mayWrite(const QString &path, int what = W_OK)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), what, AT_EACCESS) == 0;
}

QString because(ReadOnlyCause cause)
{
    switch (cause) {
    case ReadOnlyCause::None:
    case ReadOnlyCause::Requested:
        break;
    case ReadOnlyCause::FileNotWritable:
        return QStringLiteral("장부 파일에 쓸 권한이 없어 ");
    case ReadOnlyCause::FolderNotWritable:
        return QStringLiteral("장부 파일이 있는 폴더에 쓸 권한이 없어 ");
    case ReadOnlyCause::ServerPrivileges:
        return QStringLiteral("서버의 장부를 바꿀 권한이 없어 ");
    }
    return {};
}

} // namespace

QString readOnlyBooksWarning(ReadOnlyCause cause, const QString &what)
{
    return because(cause) + QStringLiteral("장부를 읽기 전용으로 열었으므로") + LB + what +
           QStringLiteral(" 불가능합니다.") + LB + LB +
           QStringLiteral("조회와 보고서, 엑셀 저장은 할 수 있습니다........");
}

SqliteOpening sqliteOpening(const QString &file, OpenMode mode)
{
    const QFileInfo info(file);
    const QString uri = QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded);
    const bool fileWritable = mayWrite(info.absoluteFilePath());
    const bool folderWritable = mayWrite(info.absolutePath(), W_OK | X_OK);
    SqliteOpening opening;
    if (mode == OpenMode::ReadOnly)
        opening.readOnly = ReadOnlyCause::Requested;
    else if (!fileWritable)
        opening.readOnly = ReadOnlyCause::FileNotWritable;
    else if (!folderWritable)
        opening.readOnly = ReadOnlyCause::FolderNotWritable;
    else {
        // Read-write, and never creating a missing file.
        opening.uri = uri + QStringLiteral("?mode=rw");
        return opening;
    }

    // The books are kept with a write-ahead log: SQLite reads them through the log (-wal) and
    // its index (-shm) beside the file, and makes both when they are missing.
    const QFileInfo wal(info.absoluteFilePath() + QStringLiteral("-wal"));
    const QFileInfo shm(info.absoluteFilePath() + QStringLiteral("-shm"));
    if ((wal.exists() && shm.exists()) || (fileWritable && folderWritable)) {
        // Someone has the books open (or left them so), or the side files would be the
        // user's own: read through the log, seeing what others commit meanwhile.
        opening.uri = uri + QStringLiteral("?mode=ro");
        return opening;
    }
    if (wal.exists() && wal.size() > 0) {
        // Read without the log, the file would show the books before their last changes;
        // building its index here would leave side files that block the books' owner.
        opening.unreadable =
            QStringLiteral(
                "장부의 마지막 변경 내용이 아직 %1 파일에만 있어, 장부에 쓸 수 없는 지금은 읽을 수 없습니다.")
                .arg(wal.fileName()) +
            LB + QStringLiteral("장부에 쓸 수 있는 사람이 프로그램에서 장부를 한 번 열었다 닫거나,") + LB +
            QStringLiteral("장부 파일과 %1 파일을 함께 쓸 수 있는 폴더로 복사하여 여세요.").arg(wal.fileName());
        return opening;
    }
    // Nobody has the books open and no log holds changes: the file alone is the books. Read
    // as unchanging, SQLite makes no side file, where it may not or where the reader's own
    // would lock the books' owner out of them. The price: should the owner start the program
    // on them meanwhile, a connection opened before may read a mix of old and new pages once
    // the owner's log is copied into the file; connections opened afterwards read through
    // the owner's log (above).
    opening.uri = uri + QStringLiteral("?mode=ro&immutable=1");
    return opening;
}

} // namespace zedur
