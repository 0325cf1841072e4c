#pragma once

#include "store/Db.h"
#include "store/Periods.h"

#include <QTemporaryDir>
#include <memory>

namespace zedur::test {

// A fresh set of books in a temporary program folder: the database file made the way
// the new-database tool makes it, the error log and exports beside it.
class TestBooks
{
public:
    explicit TestBooks(const Period &start = {QStringLiteral("2005"), QStringLiteral("04")});
    ~TestBooks();

    QString dir() const { return m_dir.path() + u'/'; }
    Db &db() { return *m_db; }
    // Another connection to the same file, as a second screen would have.
    std::unique_ptr<Db> connect() const;

    static AuditValues fixedAudit();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Db> m_db;
};

} // namespace zedur::test
