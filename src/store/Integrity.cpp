#include "store/Integrity.h"

#include "store/Backup.h"
#include "store/BooksAccess.h"
#include "store/SqliteSetup.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <sqlite3.h>

namespace zedur {

namespace {

// SQLite's result code for a damaged file ("database disk image is malformed").
constexpr int sqliteCorrupt = 11;

bool isCorruption(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() % 256 == sqliteCorrupt;
}

// `immutable`: a file nothing changes (a backup), read without locks or side files.
QSqlDatabase readOnlyConnection(const QString &connectionName, const QString &databaseFile, bool immutable)
{
    configureSqlite();
    QString uri;
    if (immutable) {
        uri = QUrl::fromLocalFile(QFileInfo(databaseFile).absoluteFilePath()).toString(QUrl::FullyEncoded) +
              QStringLiteral("?mode=ro&immutable=1");
    } else {
        // Read as the books themselves are read where they lie; books that cannot be read there
        // are reported by opening them.
        const SqliteOpening opening = sqliteOpening(databaseFile, OpenMode::ReadOnly);
        if (!opening.unreadable.isEmpty())
            return {};
        uri = opening.uri;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(uri);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    return db;
}

QString nextCheckName()
{
    static QAtomicInt counter;
    return QStringLiteral("zedur_check_%1").arg(counter.fetchAndAddRelaxed(1));
}

// How often the engine reports, in its own steps: often enough for a bar to move smoothly,
// seldom enough to cost nothing.
constexpr int stepsPerTick = 20000;

struct Ticking {
    const std::function<void(qint64)> *tick;
    qint64 steps = 0;
};

int onSteps(void *context)
{
    auto *ticking = static_cast<Ticking *>(context);
    ticking->steps += stepsPerTick;
    if (*ticking->tick)
        (*ticking->tick)(ticking->steps);
    return 0; // go on
}

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

IntegrityCheck quickCheck(const QString &connectionName, const QString &databaseFile,
                          const std::function<void(qint64)> &tick)
{
    QSqlDatabase db = readOnlyConnection(connectionName, databaseFile, false);
    if (!db.open())
        return {isCorruption(db.lastError()) ? QStringList{db.lastError().text()} : QStringList{}, 0};
    Ticking ticking{&tick};
    sqlite3 *handle = handleOf(db);
    if (handle)
        sqlite3_progress_handler(handle, stepsPerTick, onSteps, &ticking);
    QStringList found;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("PRAGMA quick_check"))) {
            if (isCorruption(q.lastError()))
                found << q.lastError().databaseText();
        } else {
            while (q.next())
                found << q.value(0).toString();
            if (q.lastError().isValid() && isCorruption(q.lastError()))
                found << q.lastError().databaseText();
            if (found == QStringList{QStringLiteral("ok")})
                found.clear();
        }
    }
    if (handle)
        sqlite3_progress_handler(handle, 0, nullptr, nullptr);
    db.close();
    return {found, ticking.steps};
}

} // namespace

IntegrityCheck checkIntegrity(const QString &databaseFile, const std::function<void(qint64)> &tick)
{
    if (!QFileInfo(databaseFile).isFile())
        return {};
    const QString name = nextCheckName();
    const IntegrityCheck found = quickCheck(name, databaseFile, tick);
    QSqlDatabase::removeDatabase(name);
    return found;
}

QStringList damageFound(const QString &databaseFile)
{
    return checkIntegrity(databaseFile).damage;
}

QString newestBackup(const QString &databaseFile)
{
    return backupsOf(databaseFile).value(0);
}

QVariantList readOnlyRow(const QString &databaseFile, const QString &sql)
{
    const QString name = nextCheckName();
    QVariantList row;
    {
        QSqlDatabase db = readOnlyConnection(name, databaseFile, true);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                for (int i = 0; i < q.record().count(); ++i)
                    row << q.value(i);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return row;
}

} // namespace zedur
