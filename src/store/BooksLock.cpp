#include "store/BooksLock.h"

#include "store/Db.h"

namespace zedur {

void holdBooks(Db &db, BooksUse use)
{
    const QString wait = dialect::lockWaitStatement(db.engine());
    if (!wait.isEmpty())
        db.scalar(wait, {{QStringLiteral(":tbWait"), QString::number(BooksWaitMs)}});
    const QString lock = dialect::booksLockStatement(db.engine(), use == BooksUse::Run);
    if (!lock.isEmpty())
        db.scalar(lock);
}

} // namespace zedur
