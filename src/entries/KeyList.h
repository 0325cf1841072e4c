#pragma once

#include "store/Db.h"

#include <QStringList>

namespace zedur {

// Some rows named by their keys, for "<column> In (:tbKey0, :tbKey1, ...)" with each key a
// value of its own; without keys the condition takes every row.
class KeyList
{
public:
    KeyList() = default;
    explicit KeyList(const QStringList &keys);

    bool all() const { return m_names.isEmpty(); }
    // " And <column> In (...)", or nothing for every row.
    QString andIn(const QString &column) const;
    const Params &params() const { return m_params; }

private:
    QStringList m_names;
    Params m_params;
};

} // namespace zedur
