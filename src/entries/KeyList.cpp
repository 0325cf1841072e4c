#include "entries/KeyList.h"

namespace zedur {

KeyList::KeyList(const QStringList &keys)
{
    for (int i = 0; i < keys.size(); ++i) {
        m_names << QStringLiteral(":tbKey%1").arg(i);
        m_params.append({m_names.last(), keys.at(i).trimmed()});
    }
}

QString KeyList::andIn(const QString &column) const
{
    return all() ? QString() : QStringLiteral(" And %1 In (%2)").arg(column, m_names.join(u','));
}

} // namespace zedur
