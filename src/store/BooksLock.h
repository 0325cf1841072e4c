#pragma once

#include "common/BooksClaim.h"

#include <memory>

namespace zedur {

class Db;

// How long an action waits for the books before it gives up, in milliseconds: an entry
// save for an allocation or close running on another desk, an allocation or close for the
// entry saves under way. SQLite's busy timeout is the same wait.
inline constexpr int BooksWaitMs = 5000;

enum class BooksUse {
    Entry, // an entry save or delete: any number at once
    Run    // the allocation or the close: alone
};

// The mark an entry save or a run leaves on books in a file while it holds them: SQLite's
// write lock keeps every other writer out but does not say whose it is. The mark is a
// claim on this machine, shared by entry saves, alone for a run, kept as long as the
// transaction; none on a server, whose books lock says it.
using BooksHold = std::unique_ptr<BooksClaim>;

// Holds the books for the rest of the caller's transaction, so that no entry is saved into
// a month while another desk allocates or closes it. Every lock wait of the transaction is
// bounded by BooksWaitMs from here on; when the books are not free in time, LockTimeout
// (roll the transaction back). On SQLite the transaction's write lock, taken when it
// began, already keeps every other writer out. Keep the hold until the transaction ends.
[[nodiscard]] BooksHold holdBooks(Db &db, BooksUse use);

// After an action gave up waiting for the books (LockTimeout, its transaction rolled back):
// whether this program's own use that keeps `wanted` out has them now: for an entry save an
// allocation or close, for a run entry saves or another run. False when something else keeps
// the books busy (another program holding the file, a row another connection keeps locked)
// or when it cannot be told, so that a refusal claims a cause only when it is known.
bool booksHeldByOurOwnUse(Db &db, BooksUse wanted);

} // namespace zedur
