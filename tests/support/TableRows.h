#pragma once

#include "store/RowStatements.h"

// Rows written straight into a table, as a screen would have written them: every column
// not given gets empty text or zero (never NULL), so that a test names only what matters.
namespace zedur::test {

void insertWith(Db &db, const QString &table, const RowValues &values);

// The serial "A0000000001" .. of number n.
QString serialNo(int n);

} // namespace zedur::test
