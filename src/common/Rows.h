#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace zedur {

class ResultSet;

// The rows of a list, read by position and by field name (field names compare without
// regard to case, as the old engine's did): a result fetched whole, or a long list read a
// page at a time as it is looked at.
class Rows
{
public:
    virtual ~Rows() = default;

    virtual int size() const = 0;
    virtual const QStringList &columns() const = 0;
    // The value at a row and a column's index; an invalid QVariant outside the list.
    virtual QVariant at(int row, int column) const = 0;
    // The first row whose field equals value (trimmed, ignoring case); -1 when none.
    virtual int find(const QString &field, const QString &value) const;
    // The sums of the fields over every row (a field the list lacks sums to 0).
    virtual QVector<double> totals(const QStringList &fields) const;
    // Every row at once, as a spreadsheet export takes them.
    virtual ResultSet whole() const;

    bool isEmpty() const { return size() == 0; }
    int columnIndex(const QString &name) const; // -1 when absent
    QVariant value(int row, const QString &column) const;
    QString text(int row, const QString &column) const;  // trimmed, NULL as empty
    double number(int row, const QString &column) const; // NULL as 0
};

} // namespace zedur
