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

ListStatement periodList(const QString &columns, const QString &from, const QString &key, const QString &yearColumn,
                         const QString &monthColumn, const Period &shown, const QStringList &conditions,
                         const SearchItem &search, const QString &searchText, const QString &orderBy)
{
    ListStatement s;
    s.columns = columns;
    s.from = from;
    s.key = key;
    s.orderBy = orderBy;
    // The period columns hold at most four and two characters.
    const QString year = fDeleteBlank(shown.year);
    const QString month = fDeleteBlank(shown.month);
    const bool whole = year.size() == 4 && month.size() == 2;
    QStringList where{yearColumn + (whole ? QStringLiteral(" = :tbYear") : QStringLiteral(" Like :tbYear")),
                      monthColumn + (whole ? QStringLiteral(" = :tbMonth") : QStringLiteral(" Like :tbMonth"))};
    where << conditions << u'(' + search.condition + u')';
    s.where = where.join(QStringLiteral(" And "));
    s.params = {{":tbYear", whole ? year : likePattern(shown.year)},
                {":tbMonth", whole ? month : likePattern(shown.month)}};
    if (search.usesText())
        s.params.append({":tbName", likePattern(searchText)});
    return s;
}

} // namespace zedur
