#include "store/BooksLock.h"

#include "store/Db.h"
#include "store/StoreError.h"

namespace zedur {

namespace {

const QString usesClaim = QStringLiteral("uses");

BooksClaim::Mode markMode(BooksUse use)
{
    return use == BooksUse::Run ? BooksClaim::Mode::Alone : BooksClaim::Mode::Shared;
}

} // namespace

BooksHold holdBooks(Db &db, BooksUse use)
{
    const QString wait = dialect::lockWaitStatement(db.engine());
    if (!wait.isEmpty())
        db.scalar(wait, {{QStringLiteral(":tbWait"), QString::number(BooksWaitMs)}});
    const QString lock = dialect::booksLockStatement(db.engine(), use == BooksUse::Run);
    if (!lock.isEmpty()) {
        db.scalar(lock);
        return {};
    }
    // Only a mark: the write lock is already this transaction's, so a mark not granted is
    // one whose holder has just committed.
    return std::make_unique<BooksClaim>(db.path(), usesClaim, markMode(use));
}

bool booksHeldByOurOwnUse(Db &db, BooksUse wanted)
{
    const QString probe = dialect::booksLockProbeStatement(db.engine(), wanted == BooksUse::Run);
    if (probe.isEmpty())
        return !BooksClaim(db.path(), usesClaim, markMode(wanted)).held();
    try {
        return !db.scalar(probe).toBool();
    } catch (const StoreError &) {
        // A connection that cannot even ask tells nothing of who has the books.
        return false;
    }
}

} // namespace zedur
