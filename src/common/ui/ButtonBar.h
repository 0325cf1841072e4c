#pragma once

#include <QList>
#include <QWidget>

class QPushButton;

namespace zedur {

// The buttons of a record screen, enabled by the screen mode:
//   1 browsing: Insert, Close   2 row selected: all but Insert   3 new row: Cancel, Save, Close
enum class Button { Insert, Cancel, Save, Delete, Print, Close };

class ButtonBar : public QWidget
{
    Q_OBJECT
public:
    explicit ButtonBar(QWidget *parent,
                       const QList<Button> &buttons = {Button::Insert, Button::Cancel, Button::Save, Button::Delete,
                                                       Button::Print, Button::Close});

    QPushButton *button(Button which) const; // nullptr when the bar has no such button
    // A screen's own button after the standard ones; the mode leaves it alone.
    QPushButton *addButton(const QString &name, const QString &caption);
    void applyMode(int mode); // pEnabledBtn

signals:
    void clicked(zedur::Button which);

private:
    QList<QPair<Button, QPushButton *>> m_buttons;
};

} // namespace zedur
