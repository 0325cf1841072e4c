#include "Shots.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

namespace shots {

void shoot(QWidget &w, const QString &file)
{
    w.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
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

} // namespace shots
