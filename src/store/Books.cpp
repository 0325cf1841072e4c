#include "store/Books.h"

#include "store/AccountChart.h"
#include "store/Db.h"
#include "store/Dialect.h"
#include "store/Schema.h"
#include "store/StoreError.h"

namespace zedur {

namespace {
void recreateBookTables(Db &db)
{
    for (const TableDef &t : schema::baseTables())
        if (t.name != schema::accountTable)
            schema::recreateTable(db, t);
}
} // namespace

void initialiseBooks(Db &db, const Period &start, const AuditValues &audit)
{
    db.refuseChangeIfReadOnly(initialisationWording);
    Transaction t(db);
    recreateBookTables(db);
    period::insertInitialRows(db, start, audit);
    t.commit();
}

void createDatabase(const QString &path, const Period &start, const AuditValues &audit)
{
    auto db = Db::create(path);
    try {
        Transaction t(*db);
        for (const QString &statement : dialect::newDatabaseSetup(db->engine()))
            db->exec(statement);
        schema::recreateTable(*db, schema::table(schema::accountTable));
        insertStartingChart(*db, audit);
        recreateBookTables(*db);
        period::insertInitialRows(*db, start, audit);
        t.commit();
    } catch (const StoreError &) {
        // Half a database is no database: the file made above goes again, and only that one
        // (on a server the rolled-back transaction has taken everything back).
        db.reset();
        removeDatabaseFiles(path);
        throw;
    }
}

} // namespace zedur
