#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace zedur {

// Which typed characters a box takes. Control keys (Backspace, Enter, Ctrl+Y, cursor and
// editing keys) always pass; a refused character shows "잘못 입력하셨습니다" and is dropped.
enum class KeySet {
    Any,           // free text
    Code,          // letters and digits
    CodeUpper,     // letters and digits, letters shown in upper case
    Number,        // digits, "-" and "."
    NumberNoMinus, // digits and "."
    DigitsMinus,   // digits and "-" (whole amounts)
    Digits,        // digits only
    ListOnly,      // nothing typed: the entries are picked from the list
};

inline const QString refusedKeyText = QStringLiteral("잘못 입력하셨습니다");

// Installs the key set on a line edit or combo box. `afterKey` runs after every key the
// box receives (some screens retitle their window then).
void setKeySet(QWidget *box, KeySet keys, std::function<void()> afterKey = {});

// Enter in the box moves the focus to the next control in tab order; the key is consumed.
void enterMovesOn(QWidget *box);

bool keyAllowed(KeySet keys, QChar c);

// A box's length limit is a limit on typing: a stored or picked value longer than that is
// put into the box whole, so that saving it again never cuts it short.
void showWhole(QLineEdit *box, const QString &text);

} // namespace zedur
