#pragma once

#include "common/KeySet.h"

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace zedur {

// Installs the key set on a line edit or combo box. `afterKey` runs after every key the
// box receives (some screens retitle their window then). Text that arrives in an edit box
// another way (pasted, dropped, a middle click) goes through the same rule: a refused
// character in it refuses all of it with the same box, and code boxes take it in upper case.
QObject *setKeySet(QWidget *box, KeySet keys, std::function<void()> afterKey = {});

// Enter in the box moves the focus to the next control in tab order; the key is consumed.
void enterMovesOn(QWidget *box);

// A box's length limit is a limit on typing: a stored or picked value longer than that is
// put into the box whole, so that saving it again never cuts it short.
void showWhole(QLineEdit *box, const QString &text);

} // namespace zedur
