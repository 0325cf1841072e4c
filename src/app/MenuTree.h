#pragma once

#include <QString>
#include <QVector>

namespace zedur {

// The fixed menu of the main screen: groups (code -1) with their entries, then "도움말" and
// "종료".
struct MenuNode {
    QString text;
    int code;
    QVector<MenuNode> children;
};

const QVector<MenuNode> &mainMenu();
// The text of the entry with `code` (empty for none): also the name of its screen's section
// in the manual.
QString menuEntryText(int code);

} // namespace zedur
