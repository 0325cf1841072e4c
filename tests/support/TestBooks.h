#pragma once

#include "TestServer.h"
#include "store/Db.h"
#include "store/Periods.h"

#include <QTemporaryDir>
#include <memory>

namespace zedur::test {

// A fresh set of books in a temporary program folder: the database made the way the
// new-database tool makes it, the error log and exports beside it. The database is a file
// there, or a new database on the tests' server when the test runs on PostgreSQL
// (testEngine()); the program's location (databasePath()) names it either way.
class TestBooks
{
public:
    explicit TestBooks(const Period &start = {QStringLiteral("2005"), QStringLiteral("04")});
    ~TestBooks();

    QString dir() const { return m_dir.path() + u'/'; }
    // Where the books are: the file, or the server address.
    QString location() const;
    Db &db() { return *m_db; }
    // Another connection to the same file, as a second screen would have.
    std::unique_ptr<Db> connect() const;
    // The test's own connection closed (a restore of a file wants every connection closed)
    // and opened again.
    void disconnect() { m_db.reset(); }
    void reconnect() { m_db = connect(); }

    static AuditValues fixedAudit();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ServerDatabase> m_server;
    std::unique_ptr<Db> m_db;
};

} // namespace zedur::test
