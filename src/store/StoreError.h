#pragma once

#include "common/Failure.h"

namespace zedur {

// A statement or connection that failed; carries the database's own message.
class StoreError : public Failure
{
public:
    explicit StoreError(const QString &message) : Failure(QStringLiteral("StoreError"), message) {}
};

// New books were asked for where books, or any file, are already: nothing was written.
class BooksExistError : public StoreError
{
public:
    using StoreError::StoreError;
};

} // namespace zedur
