#pragma once

#include "OrdinaryUser.h"
#include "TestBooks.h"
#include "store/BooksAccess.h"

#include <QMetaType>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

// Test books in the places where they may be read but not written.
namespace zedur::test {

enum class Where {
    AskedToRead,                     // the books as they are, opened only to read
    FileReadOnly,                    // a copy whose file the user may not write
    FolderReadOnly,                  // a copy in a folder the user may not write
    FolderReadOnlyWithLog,           // ... beside the log and its index, as a program that has them open leaves them
    FolderReadOnlyWithUnreadableLog, // ... beside a log of changes without its index
    ServerRole                       // server books, through a role that may read but not change them
};

// The places that apply to books on `engine`, the log without its index left out (the books
// cannot be read there).
QVector<Where> placesOn(Engine engine);
QString placeName(Where where);
ReadOnlyCause causeOf(Where where);

// The books of a test in one of those places, for as long as this lives: a copy of their
// file in a folder of its own with the modes the place needs, or a role of the server that
// may only read them.
class ReadOnlyPlace
{
public:
    // lastChange, for the places with a log: made on the books after the copy of their file
    // was taken, so that only the log holds it.
    ReadOnlyPlace(TestBooks &books, Where where, const std::function<void(Db &)> &lastChange = {});
    ~ReadOnlyPlace();
    ReadOnlyPlace(const ReadOnlyPlace &) = delete;
    ReadOnlyPlace &operator=(const ReadOnlyPlace &) = delete;

    const QString &location() const { return m_location; }
    // The folder of the copy (empty on a server).
    const QString &folder() const { return m_folder; }
    // While the returned value lives, this process is the user the modes are meant for
    // (nothing where the place needs no modes).
    std::unique_ptr<AsOrdinaryUser> user() const;
    // Opens the books as a user of the place would: as allowed, or only to read them.
    std::unique_ptr<Db> open() const;
    // The files of the folder (name, size, time of change), but for the log's index, which
    // readers use for their marks: as made, and as now.
    const QStringList &folderBefore() const { return m_before; }
    QStringList folderNow() const;

private:
    Where m_where;
    TestBooks &m_books;
    QString m_folder;
    QString m_location;
    QString m_role;
    QStringList m_before;
};

} // namespace zedur::test

Q_DECLARE_METATYPE(zedur::test::Where)
Q_DECLARE_METATYPE(zedur::ReadOnlyCause)
