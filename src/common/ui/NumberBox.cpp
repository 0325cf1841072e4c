#include "common/ui/NumberBox.h"

#include "common/TextNumber.h"
#include "common/ui/KeyFilters.h"

namespace zedur {

NumberBox::NumberBox(const QString &objectName, const QString &picture, QWidget *parent)
    : QLineEdit(parent), m_picture(picture)
{
    setObjectName(objectName);
    CallRightEdit(this);
}

void NumberBox::showValue(double value)
{
    showWhole(this, formatFloat(m_picture, value));
}

double NumberBox::value() const
{
    return fNumValue(fTrimLeftBlank(text()));
}

void CallRightEdit(QLineEdit *box)
{
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace zedur
