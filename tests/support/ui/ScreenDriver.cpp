#include "ui/ScreenDriver.h"

#include <QAbstractItemView>

namespace zedur::test {

ScreenDriver::ScreenDriver(QWidget *screen) : m_screen(screen)
{
    screen->show();
    QApplication::setActiveWindow(screen);
    if (!QTest::qWaitForWindowActive(screen))
        qWarning("screen did not become active");
    QApplication::processEvents();
}

void ScreenDriver::focus(const QString &name)
{
    QWidget *w = find(name);
    // A closed modal box does not always hand the activation back offscreen.
    if (!w->window()->isActiveWindow())
        QApplication::setActiveWindow(w->window());
    w->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

void ScreenDriver::keys(const QString &text)
{
    QWidget *target = QApplication::focusWidget();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QApplication::processEvents();
}

void ScreenDriver::type(const QString &name, const QString &text)
{
    focus(name);
    if (auto *edit = qobject_cast<QLineEdit *>(find(name)))
        edit->clear();
    keys(text);
}

void ScreenDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_screen;
    QTest::keyClick(target, key, modifiers);
    QApplication::processEvents();
}

void ScreenDriver::clickWidget(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    QApplication::processEvents();
}

void ScreenDriver::click(const QString &name)
{
    clickWidget(find(name));
}

void ScreenDriver::pickRow(int row, int column, const QString &gridName)
{
    DataGrid *g = grid(gridName);
    const QRect cell = g->visualRect(g->model()->index(row, column));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QApplication::processEvents();
}

QStringList ScreenDriver::column(const QString &field, const QString &gridName) const
{
    const Rows &rs = grid(gridName)->rows();
    QStringList out;
    for (int r = 0; r < rs.size(); ++r)
        out << rs.text(r, field);
    return out;
}

} // namespace zedur::test
