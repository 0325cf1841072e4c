#include "store/ChangeStamp.h"

#include "store/Db.h"
#include "store/Dialect.h"

namespace zedur::changestamp {

QString ofOthers(Db &db)
{
    if (db.engine() != Engine::Sqlite)
        return {};
    return db.scalar(QStringLiteral("PRAGMA data_version")).toString();
}

QString ofAll(Db &db)
{
    const QString others = ofOthers(db);
    if (others.isEmpty())
        return {};
    return others + u'/' + db.scalar(QStringLiteral("Select total_changes()")).toString();
}

} // namespace zedur::changestamp
