#pragma once

#include <QColor>
#include <QString>

class QLabel;

namespace zedur {

// A sunken, read-only panel that shows what the screen makes of its boxes (a date built from
// the day box, the kind of an entry, the result of a check).
QLabel *panel(const QString &name);

// A panel's background, as a kind panel is tinted by the kind it shows.
void paint(QLabel *panel, const QColor &background);

} // namespace zedur
