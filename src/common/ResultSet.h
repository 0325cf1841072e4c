#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace zedur {

// The rows of a query, fetched whole, read by field name. Field names compare without
// regard to case, as the old engine's did.
class ResultSet
{
public:
    ResultSet() = default;
    ResultSet(QStringList columns, QVector<QVector<QVariant>> rows)
        : m_columns(std::move(columns)), m_rows(std::move(rows))
    {
    }

    const QStringList &columns() const { return m_columns; }
    const QVector<QVector<QVariant>> &rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    int columnIndex(const QString &name) const; // -1 when absent
    QVariant value(int row, const QString &column) const;
    QString text(int row, const QString &column) const; // trimmed, NULL as empty
    double number(int row, const QString &column) const; // NULL as 0
    // Index of the first row whose column equals value (ignoring case); -1 when none.
    int find(const QString &column, const QString &value) const;

private:
    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
};

} // namespace zedur
