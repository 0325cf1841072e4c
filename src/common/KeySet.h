#pragma once

#include <QChar>
#include <QString>

// The characters each kind of box takes, apart from the widgets that enforce them (the key
// filters) so that the cores can hold what they store to the same rules.
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

bool keyAllowed(KeySet keys, QChar c);

// Whether a box's text is what typing could have left in it: only characters of its key
// set (a number box also the separators its format shows), and for a number box a number,
// negative only where "-" can be typed. Saves re-check what they store with it, so that no
// way of putting text into a box stores what typing could not.
bool typable(KeySet keys, const QString &text, bool numberBox);

} // namespace zedur
