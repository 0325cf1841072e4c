#pragma once

#include <QColor>

// The colours the screens tint grid columns, rows and panels with.
namespace zedur::colours {

inline const QColor Lime(0, 255, 0);
inline const QColor Aqua(0, 255, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Red(255, 0, 0);
// The menu and button face of the desktop the books were first kept on.
inline const QColor Menu(0xd4, 0xd0, 0xc8);

} // namespace zedur::colours
