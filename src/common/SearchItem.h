#pragma once

#include <QString>

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

// "%" + text without blanks + "%": the pattern every search field uses.
QString likePattern(const QString &text);

} // namespace zedur
