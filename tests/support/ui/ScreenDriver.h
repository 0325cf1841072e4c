#pragma once

#include "common/ui/DataGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace zedur::test {

// Drives a real screen offscreen the way a user would: finds controls by name, gives them
// the focus, types (Korean too), presses keys and clicks with the mouse, so that key filters,
// exit checks and focus changes all take part.
class ScreenDriver
{
public:
    explicit ScreenDriver(QWidget *screen);

    template <class T = QWidget> T *find(const QString &name) const
    {
        T *w = m_screen->findChild<T *>(name);
        if (!w)
            qFatal("no control named %s", qPrintable(name));
        return w;
    }

    void focus(const QString &name);
    // Gives the box the focus, empties it and types the text key by key.
    void type(const QString &name, const QString &text);
    // Types into the box that has the focus.
    void keys(const QString &text);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void tab() { press(Qt::Key_Tab); }
    void enter() { press(Qt::Key_Return); }
    // A real mouse click in the middle of the control (the focus moves first).
    void click(const QString &name);
    void clickWidget(QWidget *w);
    void pickRow(int row, int column = 0, const QString &grid = QStringLiteral("DBGrid1"));

    QString text(const QString &name) const { return find<QLineEdit>(name)->text(); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    DataGrid *grid(const QString &name = QStringLiteral("DBGrid1")) const { return find<DataGrid>(name); }
    QStringList column(const QString &field, const QString &grid = QStringLiteral("DBGrid1")) const;

private:
    QWidget *m_screen;
};

} // namespace zedur::test
