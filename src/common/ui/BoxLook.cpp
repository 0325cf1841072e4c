#include "common/ui/BoxLook.h"

#include <QLineEdit>

namespace zedur {

void makeReadOnlyBox(QLineEdit *box)
{
    box->setReadOnly(true);
    box->setStyleSheet(QStringLiteral("QLineEdit { background: #e4e4e4; }"));
}

} // namespace zedur
