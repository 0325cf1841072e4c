#pragma once

#include <QString>
#include <QVector>

namespace zedur {

// The fixed menu of the main screen: groups (code -1) with their entries, then "종료".
struct MenuNode {
    QString text;
    int code;
    QVector<MenuNode> children;
};

const QVector<MenuNode> &mainMenu();

} // namespace zedur
