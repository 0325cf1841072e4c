#include "common/ui/KindPanel.h"

#include "common/ui/ListCombo.h"
#include "common/ui/Panels.h"
#include "common/ui/ScreenColours.h"

#include <QEvent>
#include <QLabel>

namespace zedur {

KindPanel::KindPanel(ListCombo *list, QLabel *panel, const QVector<Kind> &kinds)
    : QObject(list), m_list(list), m_panel(panel), m_kinds(kinds)
{
    list->installEventFilter(this);
    connect(list, &QComboBox::currentIndexChanged, this, [this] {
        if (m_list->hasFocus())
            showPick();
    });
    clear();
}

void KindPanel::showPick()
{
    const int index = m_list->currentIndex();
    if (index < 0 || index >= m_kinds.size()) {
        clear();
        return;
    }
    m_panel->setText(m_kinds.at(index).text);
    paint(m_panel, m_kinds.at(index).colour);
}

void KindPanel::clear()
{
    m_panel->clear();
    paint(m_panel, colours::Menu);
}

bool KindPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::FocusIn)
        showPick();
    return QObject::eventFilter(watched, event);
}

} // namespace zedur
