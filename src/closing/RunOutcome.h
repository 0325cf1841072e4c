#pragma once

#include "entries/Refusal.h"

#include <QString>

namespace zedur {

// How a run of the allocation or the monthly close ended: refused (nothing changed, the
// warning says why) or done, and what the screen's status line shows afterwards.
struct RunOutcome {
    Verdict refusal;
    QString status;
    bool done() const { return !refusal; }
};

// "<<< " + memo + " >>>": how the status line shows the open month's state.
inline QString statusLine(const QString &memo)
{
    return QStringLiteral("<<< ") + memo + QStringLiteral(" >>>");
}

} // namespace zedur
