#pragma once

#include "MessageRecorder.h"
#include "TestBooks.h"
#include "common/ui/DataGrid.h"
#include "common/ui/Desktop.h"
#include "ui/ScreenDriver.h"

#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

namespace zedur::test {

// The index of a grid's column showing the field; -1 when none does.
inline int gridColumnOf(const DataGrid *grid, const QString &field)
{
    for (int c = 0; c < grid->columns().size(); ++c)
        if (grid->columns().at(c).field == field)
            return c;
    return -1;
}

// The visible top-level window of that name (a viewer a screen opened), or nullptr.
inline QWidget *visibleWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// A screen of type S driven offscreen on fresh books, its message boxes recorded. A test's
// fixture writes the rows it needs, then opens the screen.
template <class S> struct ScreenFixture {
    TestBooks books;
    MessageRecorder messages;
    std::unique_ptr<S> screen;
    std::unique_ptr<ScreenDriver> ui;

    Db &db() { return books.db(); }

    // Opens the screen with the arguments its constructor takes (a viewer: the month).
    template <class... Args> void open(Args &&...args) { drive(std::make_unique<S>(std::forward<Args>(args)...)); }
    // Drives a screen made elsewhere (one chosen by a table of cases).
    void drive(std::unique_ptr<S> made)
    {
        screen = std::move(made);
        ui = std::make_unique<ScreenDriver>(screen.get());
    }

    // Picks the row of a grid whose field holds the value, with a click in the column.
    void pick(const QString &field, const QString &value, int column = 1, const QString &grid = "DBGrid1")
    {
        const int row = ui->column(field, grid).indexOf(value);
        QVERIFY2(row >= 0, qPrintable(value));
        ui->pickRow(row, column, grid);
    }

    int rows(const QString &table) { return db().count("Select * From " + table); }

    // Runs an action that shows a real message box, as the desktop shows it: the box takes the
    // activation, and when it is closed the screen gets it back. The box's text.
    QString throughRealBox(const std::function<void()> &action)
    {
        useMessageBoxes();
        setMessageSink(nullptr);
        QString shown;
        // Ends with this call: an action that showed no box leaves nothing to fire later.
        QTimer answer;
        answer.setSingleShot(true);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            box->activateWindow();
            if (QTest::qWaitForWindowActive(box))
                shown = box->text();
            box->close();
        });
        answer.start(50);
        action();
        setDefaultMessageSink(nullptr);
        setMessageSink(&messages);
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("the screen did not get the activation back");
        return shown;
    }
};

} // namespace zedur::test
