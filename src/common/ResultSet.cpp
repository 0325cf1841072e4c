#include "common/ResultSet.h"

namespace zedur {

int ResultSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant ResultSet::value(int row, const QString &column) const
{
    const int c = columnIndex(column);
    Q_ASSERT_X(c >= 0, "ResultSet::value", qPrintable(column));
    if (c < 0 || row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).at(c);
}

QString ResultSet::text(int row, const QString &column) const
{
    return value(row, column).toString().trimmed();
}

double ResultSet::number(int row, const QString &column) const
{
    return value(row, column).toDouble();
}

int ResultSet::find(const QString &column, const QString &value) const
{
    const int c = columnIndex(column);
    if (c < 0)
        return -1;
    for (int r = 0; r < m_rows.size(); ++r)
        if (m_rows.at(r).at(c).toString().trimmed().compare(value.trimmed(), Qt::CaseInsensitive) == 0)
            return r;
    return -1;
}

} // namespace zedur
