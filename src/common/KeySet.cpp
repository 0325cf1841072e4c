#include "common/KeySet.h"

#include "common/TextNumber.h"

namespace zedur {

namespace {

bool isLatinLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool keyAllowed(KeySet keys, QChar c)
{
    switch (keys) {
    case KeySet::Any:
        return true;
    case KeySet::Code:
    case KeySet::CodeUpper:
        return isDigit(c) || isLatinLetter(c);
    case KeySet::Number:
        return isDigit(c) || c == u'-' || c == u'.';
    case KeySet::NumberNoMinus:
        return isDigit(c) || c == u'.';
    case KeySet::DigitsMinus:
        return isDigit(c) || c == u'-';
    case KeySet::Digits:
        return isDigit(c);
    case KeySet::ListOnly:
        return false;
    }
    return false;
}

bool typable(KeySet keys, const QString &text, bool numberBox)
{
    if (keys == KeySet::Any || keys == KeySet::ListOnly)
        return true;
    const QString t = text.trimmed();
    for (QChar c : t) {
        // A number box shows its value formatted: separators and the decimal point belong.
        const bool formatted = numberBox && (c == u',' || c == u'.' || c == u' ');
        if (!(keyAllowed(keys, c) && !(keys == KeySet::CodeUpper && c.isLower())) && !formatted)
            return false;
    }
    if (!numberBox)
        return true;
    if (!IsDouble(t))
        return false;
    return keyAllowed(keys, u'-') || fNumValue(fDeleteBlank(t)) >= 0;
}

} // namespace zedur
