#pragma once

#include "TableRows.h"
#include "TestBooks.h"
#include "common/ResultSet.h"
#include "store/Db.h"

#include <QTest>

// Small books for the report tests: rows written straight into the base tables, as the
// entry screens, the allocation and the close would have left them.
namespace zedur::test {

// The rows of a list whose field has the value, as the list gives them.
inline QVector<int> rowsWhere(const ResultSet &rs, const QString &field, const QString &value)
{
    QVector<int> rows;
    for (int i = 0; i < rs.size(); ++i)
        if (rs.text(i, field) == value)
            rows << i;
    return rows;
}

// A column of a list as text, trimmed.
inline QStringList columnOf(const ResultSet &rs, const QString &field)
{
    QStringList texts;
    for (int i = 0; i < rs.size(); ++i)
        texts << rs.text(i, field);
    return texts;
}

} // namespace zedur::test
