#include "ReadOnlyPlaces.h"

#include "common/BooksLocation.h"
#include "store/Db.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace zedur::test {

namespace {

void copyFile(const QString &from, const QString &to)
{
    if (!QFile::copy(from, to))
        throw std::runtime_error(("cannot copy " + from + " to " + to).toStdString());
}

} // namespace

QVector<Where> placesOn(Engine engine)
{
    if (engine == Engine::Postgres)
        return {Where::AskedToRead, Where::ServerRole};
    return {Where::AskedToRead, Where::FileReadOnly, Where::FolderReadOnly, Where::FolderReadOnlyWithLog};
}

QString placeName(Where where)
{
    switch (where) {
    case Where::AskedToRead:
        return QStringLiteral("asked only to read");
    case Where::FileReadOnly:
        return QStringLiteral("file read-only");
    case Where::FolderReadOnly:
        return QStringLiteral("folder read-only");
    case Where::FolderReadOnlyWithLog:
        return QStringLiteral("folder read-only, a program's log beside");
    case Where::FolderReadOnlyWithUnreadableLog:
        return QStringLiteral("folder read-only, a log without its index beside");
    case Where::ServerRole:
        return QStringLiteral("server role that may only read");
    }
    return {};
}

ReadOnlyCause causeOf(Where where)
{
    switch (where) {
    case Where::AskedToRead:
        return ReadOnlyCause::Requested;
    case Where::FileReadOnly:
        return ReadOnlyCause::FileNotWritable;
    case Where::FolderReadOnly:
    case Where::FolderReadOnlyWithLog:
    case Where::FolderReadOnlyWithUnreadableLog:
        return ReadOnlyCause::FolderNotWritable;
    case Where::ServerRole:
        return ReadOnlyCause::ServerPrivileges;
    }
    return ReadOnlyCause::None;
}

ReadOnlyPlace::ReadOnlyPlace(TestBooks &books, Where where, const std::function<void(Db &)> &lastChange)
    : m_where(where), m_books(books), m_location(books.location())
{
    Db &db = books.db();
    if (where == Where::ServerRole) {
        static QAtomicInt counter;
        m_role = QStringLiteral("zedur_reader_%1_%2")
                     .arg(QCoreApplication::applicationPid())
                     .arg(counter.fetchAndAddRelaxed(1));
        // Role names are no values a statement can bind.
        db.exec(QStringLiteral("CREATE ROLE %1 LOGIN").arg(m_role));
        db.exec(QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA public TO %1").arg(m_role));
        ServerAddress address = *parseServerLocation(m_location);
        address.user = m_role;
        m_location = address.location();
        return;
    }
    const QString file = QFileInfo(m_location).fileName();
    if (where == Where::AskedToRead) {
        m_folder = QFileInfo(m_location).absolutePath() + u'/';
    } else {
        // The file alone holds the books, as after the last program that had them open ended.
        db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        m_folder = books.dir() + QStringLiteral("archive/");
        QDir().mkpath(m_folder);
        m_location = m_folder + file;
        copyFile(books.location(), m_location);
        const bool log = where == Where::FolderReadOnlyWithLog || where == Where::FolderReadOnlyWithUnreadableLog;
        if (log) {
            db.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
            if (lastChange)
                lastChange(db);
            copyFile(books.location() + QStringLiteral("-wal"), m_location + QStringLiteral("-wal"));
            if (where == Where::FolderReadOnlyWithLog)
                copyFile(books.location() + QStringLiteral("-shm"), m_location + QStringLiteral("-shm"));
            db.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 1000"));
            for (const char *side : {"-wal", "-shm"})
                if (QFileInfo::exists(m_location + QLatin1String(side)))
                    setMode(m_location + QLatin1String(side), 0644);
        }
        setMode(m_location, where == Where::FileReadOnly ? 0444 : 0666);
        setMode(m_folder, where == Where::FileReadOnly ? 0777 : 0555);
        // The user the modes are meant for must reach the folder.
        setMode(books.dir(), 0755);
    }
    m_before = folderNow();
}

ReadOnlyPlace::~ReadOnlyPlace()
{
    if (!m_role.isEmpty()) {
        try {
            m_books.db().exec(QStringLiteral("DROP OWNED BY %1").arg(m_role));
            m_books.db().exec(QStringLiteral("DROP ROLE %1").arg(m_role));
        } catch (const std::exception &e) {
            qWarning("%s", e.what());
        }
    }
    // So that the test's folder can be removed whoever runs the tests.
    if (m_where != Where::AskedToRead && !m_folder.isEmpty())
        setMode(m_folder, 0755);
}

std::unique_ptr<AsOrdinaryUser> ReadOnlyPlace::user() const
{
    if (m_where == Where::AskedToRead || m_where == Where::ServerRole)
        return nullptr;
    return std::make_unique<AsOrdinaryUser>();
}

std::unique_ptr<Db> ReadOnlyPlace::open() const
{
    return Db::open(m_location, m_where == Where::AskedToRead ? OpenMode::ReadOnly : OpenMode::AsAllowed);
}

QStringList ReadOnlyPlace::folderNow() const
{
    QStringList files;
    if (m_folder.isEmpty())
        return files;
    QDirIterator it(m_folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.fileName().endsWith(QStringLiteral("-shm")))
            continue;
        files << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath().mid(m_folder.size()))
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

} // namespace zedur::test
