#pragma once

#include "store/BooksLock.h"
#include "store/Db.h"

#include <optional>

// One save or delete of an entry screen, all of it or nothing, with what every such action
// owes the other desks on the same books (on books that may only be read it is refused
// before it starts: ReadOnlyBooks):
// - the books are held for entries: while another desk allocates or closes, the action
//   waits a bounded time and is then refused (BooksBusy), so that nothing is saved into a
//   month being allocated or closed; the refusal names the allocation or the close only when
//   it is one that holds the books;
// - the open month is marked "배부액재계산": a screen opened before another desk's
//   allocation would otherwise save into a month marked allocated, and the close would
//   carry figures the allocation never saw. Marking first also makes entry saves of all
//   desks take their turns on the period row, so that they never wait for each other in
//   a circle.
namespace zedur {

class EntryTransaction
{
public:
    explicit EntryTransaction(Db &db);
    void commit() { m_transaction->commit(); }

    EntryTransaction(const EntryTransaction &) = delete;
    EntryTransaction &operator=(const EntryTransaction &) = delete;

private:
    std::optional<Transaction> m_transaction;
    BooksHold m_hold;
};

// The refusal of an entry save while the books are held by an allocation or a close.
QString booksBusyForEntryText();
// The refusal while something else keeps the books busy (another program holding the file),
// which the program cannot name.
QString booksInUseText();

} // namespace zedur
