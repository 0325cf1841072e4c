#pragma once

#include <QString>

// Books that may be read but not written: an archived year on read-only media, a viewer's
// copy, a folder or a server the user may only read. Everything that changes nothing works
// on them; a change is refused before it starts, with a message that says why.
namespace zedur {

// What the caller means to do with the books. Books the user may not write are opened for
// reading whatever is asked.
enum class OpenMode {
    AsAllowed, // for changes where the user may make them
    ReadOnly   // only to read (the reports and checks of the command line, a viewer's run)
};

// Why a connection may not change the books.
enum class ReadOnlyCause {
    None,
    Requested,         // opened only to read
    FileNotWritable,   // the user may not write the books file
    FolderNotWritable, // nor make SQLite's side files beside it
    ServerPrivileges   // the server's role may read the books but not change them
};

// How the refusals name the changes screens make to rows.
inline const QString rowChangesWording = QStringLiteral("등록,수정,삭제가");

// The refusal of a change (what: "등록,수정,삭제가", "배부액 계산 업데이트가", ...) on books
// that are open only for reading, naming why.
QString readOnlyBooksWarning(ReadOnlyCause cause, const QString &what);

// How a books file is opened through SQLite's URI: read-write when the user may write it and
// make its side files, otherwise read-only in the way that can read it where it lies.
struct SqliteOpening {
    QString uri;
    ReadOnlyCause readOnly = ReadOnlyCause::None;
    // Not empty: the file cannot be read where it lies (the reason, for the user).
    QString unreadable;
};
SqliteOpening sqliteOpening(const QString &file, OpenMode mode);

} // namespace zedur
