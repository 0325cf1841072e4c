#pragma once

#include <QPair>
#include <QString>
#include <QVector>

namespace zedur {

// One entry of a search list: its label and the condition it adds to the list query.
// A condition that names :tbName compares with "%" + the search text without blanks + "%";
// an entry without it ("전체" and the like) lists without the text and empties the search box.
struct SearchItem {
    QString label;
    QString condition;
    bool usesText() const { return condition.contains(QStringLiteral(":tbName")); }
};

// Matches every row: what "전체" selects.
inline const QString everyRow = QStringLiteral("1 = 1");

// The search entries of a list whose entries each look for the text in one column, after
// "전체": {label, column} gives the entry "column Like ( :tbName )".
QVector<SearchItem> columnSearchItems(const QVector<QPair<QString, QString>> &labelledColumns);

// "%" + text without blanks + "%": the pattern every search field uses.
QString likePattern(const QString &text);

} // namespace zedur
