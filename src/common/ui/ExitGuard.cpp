#include "common/ui/ExitGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>

namespace zedur {

namespace {

// Cancels the click whose press took the focus away from a refused box: the press still
// to be delivered, and its release unless that already went by while a message was shown.
class ClickCanceller : public QObject
{
public:
    ClickCanceller(QWidget *target, bool releasePending) : QObject(target), m_releasePending(releasePending)
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!m_releasePending)
                done(watched);
            return true;
        case QEvent::MouseButtonRelease:
            if (auto *button = qobject_cast<QAbstractButton *>(watched))
                button->setDown(false);
            done(watched);
            return true;
        case QEvent::FocusIn:
            done(watched);
            return false;
        default:
            return false;
        }
    }

private:
    // Stops filtering at once: the deletion waits for the event loop, the next click must not.
    void done(QObject *target)
    {
        target->removeEventFilter(this);
        deleteLater();
    }

    bool m_releasePending;
};

} // namespace

void ExitGuard::setExempt(const QList<QWidget *> &controls)
{
    m_exempt.clear();
    for (QWidget *w : controls)
        m_exempt << w;
}

void ExitGuard::addExempt(QWidget *control)
{
    m_exempt << control;
}

void ExitGuard::onLeave(QWidget *box, std::function<bool()> check)
{
    m_checks.insert(box, std::move(check));
    box->installEventFilter(this);
}

bool ExitGuard::isExempt(QWidget *target) const
{
    for (const QPointer<QWidget> &w : m_exempt)
        if (w && target && (target == w || w->isAncestorOf(target)))
            return true;
    return false;
}

void ExitGuard::guardShortcuts(QWidget *window)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->window() == window)
            button->installEventFilter(this);
}

bool ExitGuard::focusFirst(QAbstractButton *button)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused || focused == button || button->focusPolicy() == Qt::NoFocus)
        return true;
    m_refused = false;
    button->setFocus(Qt::ShortcutFocusReason);
    return !m_refused;
}

bool ExitGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        // Consumed (nothing happens) when the box being left refuses.
        auto *button = qobject_cast<QAbstractButton *>(watched);
        return button && !focusFirst(button);
    }
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
        return false;
    // A box the focus only passed through while a check ran (or sent it back) was not left
    // by the user: it is not checked.
    if (m_checking)
        return false;
    auto *box = static_cast<QWidget *>(watched);
    QWidget *target = QApplication::focusWidget();
    if (target == box || isExempt(target) || !box->isVisible())
        return false;
    const auto check = m_checks.value(watched);
    if (!check)
        return false;
    m_checking = true;
    m_target = target;
    const bool allowed = check();
    m_target = nullptr;
    m_refused = !allowed;
    if (!allowed)
        refuse(box, target, reason);
    m_checking = false;
    return false;
}

void ExitGuard::refuse(QWidget *box, QWidget *target, Qt::FocusReason reason)
{
    if (target && reason == Qt::MouseFocusReason)
        new ClickCanceller(target, QApplication::mouseButtons() != Qt::NoButton);
    box->setFocus(Qt::OtherFocusReason);
}

} // namespace zedur
