#include "common/ResultSet.h"

namespace zedur {

QVariant ResultSet::at(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return {};
    return m_rows.at(row).at(column);
}

} // namespace zedur
