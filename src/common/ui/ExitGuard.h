#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QWidget;

namespace zedur {

// Checks run when the focus leaves a box, as the screens have always checked typed values
// on leaving. A check returns false to refuse: the focus then stays in the box, and the
// click that took the focus away (on Save, say) is cancelled, so that a value refused on
// leaving is never saved by the same click. A button's shortcut (Alt+S) leaves the box as
// a click on the button would: its check runs first, and a refusal drops the shortcut.
// Leaving towards one of the exempt controls (the grid, Cancel, Close, ...) runs no check;
// neither does a window losing activation.
class ExitGuard : public QObject
{
    Q_OBJECT
public:
    explicit ExitGuard(QObject *parent = nullptr) : QObject(parent) {}

    // Controls towards which leaving a box runs no check (their children included).
    void setExempt(const QList<QWidget *> &controls);
    void addExempt(QWidget *control);
    void onLeave(QWidget *box, std::function<bool()> check);
    // Every button of the window: its shortcut first takes the focus, as a click does.
    void guardShortcuts(QWidget *window);

    // The control that takes the focus at the moment a check runs (nullptr outside checks).
    QWidget *leavingTowards() const { return m_target; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isExempt(QWidget *target) const;
    void refuse(QWidget *box, QWidget *target, Qt::FocusReason reason);
    bool focusFirst(QAbstractButton *button);

    QList<QPointer<QWidget>> m_exempt;
    QHash<QObject *, std::function<bool()>> m_checks;
    QWidget *m_target = nullptr;
    bool m_checking = false;
    bool m_refused = false; // the last check refused
};

} // namespace zedur
