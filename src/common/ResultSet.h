#pragma once

#include "common/Rows.h"

namespace zedur {

// The rows of a query, fetched whole.
class ResultSet : public Rows
{
public:
    ResultSet() = default;
    ResultSet(QStringList columns, QVector<QVector<QVariant>> rows)
        : m_columns(std::move(columns)), m_rows(std::move(rows))
    {
    }

    const QStringList &columns() const override { return m_columns; }
    const QVector<QVector<QVariant>> &rows() const { return m_rows; }
    int size() const override { return int(m_rows.size()); }
    QVariant at(int row, int column) const override;
    ResultSet whole() const override { return *this; }

private:
    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
};

} // namespace zedur
