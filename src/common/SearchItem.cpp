#include "common/SearchItem.h"

#include "common/TextNumber.h"

namespace zedur {

QString likePattern(const QString &text)
{
    return u'%' + fDeleteBlank(text) + u'%';
}

QVector<SearchItem> columnSearchItems(const QVector<QPair<QString, QString>> &labelledColumns)
{
    QVector<SearchItem> items{{QStringLiteral("전체"), everyRow}};
    for (const auto &[label, column] : labelledColumns)
        items.append({label, QStringLiteral(" %1 Like ( :tbName ) ").arg(column)});
    return items;
}

} // namespace zedur
