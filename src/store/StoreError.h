#pragma once

#include "common/Failure.h"

namespace zedur {

// A statement or connection that failed; carries the database's own message.
class StoreError : public Failure
{
public:
    explicit StoreError(const QString &message) : Failure(QStringLiteral("StoreError"), message) {}

protected:
    StoreError(const QString &className, const QString &message) : Failure(className, message) {}
};

// A lock that another connection held longer than this one was willing to wait for it.
// The statement failed and the transaction must be rolled back; nothing of it stays.
class LockTimeout : public StoreError
{
public:
    explicit LockTimeout(const QString &message) : StoreError(message) {}
};

// A change asked of books that may only be read (BooksAccess.h): refused before it started,
// or refused by the database itself; nothing was changed.
class ReadOnlyBooks : public StoreError
{
public:
    explicit ReadOnlyBooks(const QString &message) : StoreError(QStringLiteral("ReadOnlyBooks"), message) {}
};

// New books were asked for where books, or any file, are already: nothing was written.
class BooksExistError : public StoreError
{
public:
    using StoreError::StoreError;
};

// The crash tests end the process here, as a power cut would, once the statements and steps
// they name have run (the store counts its statements; the file steps of a backup or a
// restore call this between them). Without the tests' variable it does nothing.
void killWhenTheCrashTestSaysSo();

} // namespace zedur
