#include "store/Integrity.h"

#include "store/Backup.h"
#include "store/SqliteSetup.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace zedur {

namespace {

// SQLite's result code for a damaged file ("database disk image is malformed").
constexpr int sqliteCorrupt = 11;

bool isCorruption(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() % 256 == sqliteCorrupt;
}

QStringList quickCheck(const QString &connectionName, const QString &databaseFile)
{
    configureSqlite();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(databaseFile).absoluteFilePath()).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=ro"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return isCorruption(db.lastError()) ? QStringList{db.lastError().text()} : QStringList{};
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
    db.close();
    return found;
}

} // namespace

QStringList damageFound(const QString &databaseFile)
{
    if (!QFileInfo(databaseFile).isFile())
        return {};
    static QAtomicInt counter;
    const QString name = QStringLiteral("zedur_check_%1").arg(counter.fetchAndAddRelaxed(1));
    const QStringList found = quickCheck(name, databaseFile);
    QSqlDatabase::removeDatabase(name);
    return found;
}

QString newestBackup(const QString &databaseFile)
{
    return backupsOf(databaseFile).value(0);
}

} // namespace zedur
