#include "Shots.h"

#include "common/ui/DataGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace shots {

namespace {
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}
} // namespace

void shoot(QWidget &w, const QString &file)
{
    w.show();
    settle();
    w.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    QApplication::processEvents();
}

void typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->clear();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void typeAndLeave(QWidget *box, const QString &text)
{
    QApplication::setActiveWindow(box->window());
    box->setFocus(Qt::OtherFocusReason); // a list entered by Tab would drop down
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->clear();
    for (QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &key);
    }
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(box, &tab);
    settle();
}

void press(QPushButton *button)
{
    QApplication::setActiveWindow(button->window());
    button->setFocus(Qt::MouseFocusReason);
    button->click();
    settle();
}

void pickRow(zedur::DataGrid *grid, int row, int column)
{
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, column));
    emit grid->rowPicked();
    settle();
}

} // namespace shots
