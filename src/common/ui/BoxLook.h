#pragma once

class QLabel;
class QLineEdit;
class QString;
class QWidget;

namespace zedur {

// A box that shows a value the user cannot type over: read-only and drawn grey, the same
// in every screen.
void makeReadOnlyBox(QLineEdit *box);

// A panel: a sunken frame with its text centred, where a screen shows a state or a value
// it worked out.
QLabel *makePanel(const QString &objectName, QWidget *parent = nullptr);

} // namespace zedur
