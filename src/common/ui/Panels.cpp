#include "common/ui/Panels.h"

#include <QLabel>

namespace zedur {

QLabel *panel(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(110);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void paint(QLabel *panel, const QColor &background)
{
    panel->setStyleSheet(QStringLiteral("QLabel { background: %1; }").arg(background.name()));
}

} // namespace zedur
