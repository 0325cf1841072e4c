#pragma once

#include "EntryFixture.h"
#include "MessageRecorder.h"
#include "common/ui/Desktop.h"
#include "ui/ScreenDriver.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <memory>

namespace zedur::test {

// An entry screen or viewer of type S driven offscreen on fresh books of April 2005, its
// message boxes recorded. A test's fixture writes the rows it needs, then opens the screen.
template <class S> struct EntryScreenFixture {
    TestBooks books;
    MessageRecorder messages;
    std::unique_ptr<S> screen;
    std::unique_ptr<ScreenDriver> ui;

    Db &db() { return books.db(); }

    // Opens the screen with the arguments its constructor takes (a viewer: the month).
    template <class... Args> void open(Args &&...args)
    {
        screen = std::make_unique<S>(std::forward<Args>(args)...);
        ui = std::make_unique<ScreenDriver>(screen.get());
    }

    // Picks the row of a grid whose field holds the value, with a click in the column.
    void pick(const QString &field, const QString &value, int column = 1, const QString &grid = "DBGrid1")
    {
        const int row = ui->column(field, grid).indexOf(value);
        QVERIFY2(row >= 0, qPrintable(value));
        ui->pickRow(row, column, grid);
    }

    // Another month shown: the month list left with it picked runs the list again.
    void showMonth(const QString &month, const QString &monthList = "cbSMonth", const QString &leaveTo = "edSSearch")
    {
        ui->focus(monthList);
        auto *list = ui->template find<QComboBox>(monthList);
        list->setCurrentIndex(list->findText(month));
        ui->focus(leaveTo);
    }

    int rows(const QString &table) { return db().count("Select * From " + table); }

    // Runs an action that shows a real message box, as the desktop shows it: the box takes the
    // activation, and when it is closed the screen gets it back. The box's text.
    QString throughRealBox(const std::function<void()> &action)
    {
        useMessageBoxes();
        setMessageSink(nullptr);
        QString shown;
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            box->activateWindow();
            if (QTest::qWaitForWindowActive(box))
                shown = box->text();
            box->close();
        });
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
