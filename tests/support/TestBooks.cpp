#include "TestBooks.h"

#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"
#include "store/Books.h"

#include <QDir>

namespace zedur::test {

TestBooks::TestBooks(const Period &start)
{
    setAppDirForTesting(m_dir.path());
    setFileOpener([](const QString &) { return true; });
    if (testEngine() == Engine::Postgres) {
        // The books folder makes the folder a portable program folder, as it is on SQLite: the
        // programs the tests run there keep their error log and exports in it, not in the
        // user's data folder.
        QDir(m_dir.path()).mkpath(QStringLiteral("Access_Db"));
        m_server = std::make_unique<ServerDatabase>();
        setDatabaseLocation(m_server->location());
    }
    createDatabase(databasePath(), start, fixedAudit());
    m_db = Db::openDefault();
}

TestBooks::~TestBooks()
{
    m_db.reset();
    setDatabaseLocation(QString());
    m_server.reset();
    setAppDirForTesting(QString());
    setFileOpener(nullptr);
}

QString TestBooks::location() const
{
    return databasePath();
}

std::unique_ptr<Db> TestBooks::connect() const
{
    return Db::openDefault();
}

AuditValues TestBooks::fixedAudit()
{
    return {QStringLiteral("1234 - ABCD"), QStringLiteral("TESTHOST"), QStringLiteral("/opt/zedur/"),
            QStringLiteral("2005-04-17 10:00:00")};
}

} // namespace zedur::test
