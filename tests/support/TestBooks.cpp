#include "TestBooks.h"

#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"
#include "store/Books.h"

namespace zedur::test {

TestBooks::TestBooks(const Period &start)
{
    setAppDirForTesting(m_dir.path());
    setFileOpener([](const QString &) { return true; });
    if (testEngine() == Engine::Postgres) {
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
