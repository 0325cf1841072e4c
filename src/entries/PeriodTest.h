#pragma once

#include "entries/Refusal.h"
#include "store/Periods.h"

namespace zedur {

class Db;

// The test every entry screen applies right before it writes: the open month is read
// anew, never taken from the time the screen was shown, and the month on the screen must
// be that month. A period table without exactly one open month refuses every change.
// The refusal empties the screen's boxes; `tail` is the screen's own wording of the
// second line ("등록,수정,삭제등이 가능합니다........" and its variants).
Verdict periodRefusal(Db &db, const Period &shown,
                      const QString &tail = QStringLiteral("등록,수정,삭제등이 가능합니다........"));

} // namespace zedur
