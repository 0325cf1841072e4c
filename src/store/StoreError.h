#pragma once

#include "common/Failure.h"

namespace zedur {

// A statement or connection that failed; carries the database's own message.
class StoreError : public Failure
{
public:
    explicit StoreError(const QString &message) : Failure(QStringLiteral("StoreError"), message) {}
};

} // namespace zedur
