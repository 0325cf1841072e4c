#include "entries/ListQuery.h"

#include "common/TextNumber.h"

#include <stdexcept>

namespace zedur {

SearchItem likeItem(const QString &label, const QString &column)
{
    return {label, column + QStringLiteral(" Like :tbName")};
}

SearchItem everyRowItem(const QString &label)
{
    return {label, everyRow};
}

namespace {
template <typename Item> QStringList labels(const QVector<Item> &items)
{
    QStringList out;
    for (const Item &item : items)
        out << item.label;
    return out;
}

template <typename Item> const Item &named(const QVector<Item> &items, const QString &label)
{
    for (const Item &item : items)
        if (item.label == label)
            return item;
    throw std::invalid_argument("no list entry " + label.toStdString());
}
} // namespace

QStringList labelsOf(const QVector<SearchItem> &items)
{
    return labels(items);
}

QStringList labelsOf(const QVector<SortItem> &items)
{
    return labels(items);
}

const SearchItem &itemNamed(const QVector<SearchItem> &items, const QString &label)
{
    return named(items, label);
}

const SortItem &itemNamed(const QVector<SortItem> &items, const QString &label)
{
    return named(items, label);
}

Statement periodList(const QString &select, const QString &yearColumn, const QString &monthColumn,
                     const Period &shown, const QStringList &conditions, const SearchItem &search,
                     const QString &searchText, const QString &orderBy)
{
    QStringList where{yearColumn + QStringLiteral(" Like :tbYear"),
                      monthColumn + QStringLiteral(" Like :tbMonth")};
    where << conditions << u'(' + search.condition + u')';
    Statement s;
    s.sql = select + QStringLiteral(" Where ") + where.join(QStringLiteral(" And "));
    if (!orderBy.isEmpty())
        s.sql += QStringLiteral(" Order By ") + orderBy;
    s.params = {{":tbYear", likePattern(shown.year)}, {":tbMonth", likePattern(shown.month)}};
    if (search.usesText())
        s.params.append({":tbName", likePattern(searchText)});
    return s;
}

} // namespace zedur
