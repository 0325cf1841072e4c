#include "common/ui/ListCombo.h"

#include "common/Messages.h"
#include "common/ui/KeyFilters.h"

#include <QFocusEvent>
#include <QTimer>

namespace zedur {

ListCombo::ListCombo(const QString &objectName, const QStringList &items, QWidget *parent) : QComboBox(parent)
{
    setObjectName(objectName);
    addItems(items);
    m_keyFilter = setKeySet(this, KeySet::ListOnly);
    enterMovesOn(this);
}

void ListCombo::takeKeys(KeySet keys)
{
    delete m_keyFilter;
    m_keyFilter = setKeySet(this, keys);
}

bool ListCombo::checkPick()
{
    if (hasValidPick())
        return true;
    msg::warning(wrongPickText);
    setFocus();
    return false;
}

void ListCombo::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        QTimer::singleShot(0, this, [this] {
            if (hasFocus() && isVisible() && count() > 0)
                showPopup();
        });
    }
}

} // namespace zedur
