#include "common/ui/BoxLook.h"

#include <QLabel>
#include <QLineEdit>

namespace zedur {

void makeReadOnlyBox(QLineEdit *box)
{
    box->setReadOnly(true);
    box->setStyleSheet(QStringLiteral("QLineEdit { background: #e4e4e4; }"));
}

QLabel *makePanel(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(110);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace zedur
