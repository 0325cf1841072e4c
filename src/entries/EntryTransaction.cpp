#include "entries/EntryTransaction.h"

#include "common/Failure.h"
#include "common/Messages.h"
#include "store/BooksLock.h"
#include "store/Periods.h"
#include "store/StoreError.h"

namespace zedur {

namespace {

class BooksBusy : public Failure
{
public:
    explicit BooksBusy(const QString &text) : Failure(QStringLiteral("BooksBusy"), text) {}
};

} // namespace

EntryTransaction::EntryTransaction(Db &db)
{
    db.refuseChangeIfReadOnly(rowChangesWording);
    try {
        m_transaction.emplace(db);
        m_hold = holdBooks(db, BooksUse::Entry);
        period::markRecalculation(db);
    } catch (const LockTimeout &) {
        m_hold.reset();
        m_transaction.reset();
        throw BooksBusy(booksHeldByOurOwnUse(db, BooksUse::Entry) ? booksBusyForEntryText() : booksInUseText());
    }
}

QString booksBusyForEntryText()
{
    return QStringLiteral("다른 자리에서 배부액 계산이나 마감및이월 작업을 하고 있으므로") + LB +
           QStringLiteral("지금은 등록,수정,삭제가 불가능합니다.") + LB +
           QStringLiteral("작업이 끝난 후에 다시 하세요........");
}

QString booksInUseText()
{
    return QStringLiteral("다른 곳에서 장부를 쓰고 있으므로") + LB +
           QStringLiteral("지금은 등록,수정,삭제가 불가능합니다.") + LB +
           QStringLiteral("잠시 후에 다시 하세요........");
}

} // namespace zedur
