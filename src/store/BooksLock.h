#pragma once

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

// Holds the books for the rest of the caller's transaction, so that no entry is saved into
// a month while another desk allocates or closes it. Every lock wait of the transaction is
// bounded by BooksWaitMs from here on; when the books are not free in time, LockTimeout
// (roll the transaction back). On SQLite the transaction's write lock, taken when it
// began, already keeps every other writer out.
void holdBooks(Db &db, BooksUse use);

} // namespace zedur
