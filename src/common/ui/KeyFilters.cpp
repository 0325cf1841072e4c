#include "common/ui/KeyFilters.h"

#include "common/Messages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

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

class KeySetFilter : public QObject
{
public:
    KeySetFilter(QWidget *box, KeySet keys, std::function<void()> afterKey)
        : QObject(box), m_keys(keys), m_afterKey(std::move(afterKey))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool typesCharacter = text.size() == 1 && text.at(0).isPrint() &&
                                    !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typesCharacter && !keyAllowed(m_keys, text.at(0))) {
            msg::plain(refusedKeyText);
            runAfterKey();
            return true;
        }
        if (typesCharacter && m_keys == KeySet::CodeUpper && text.at(0).isLower()) {
            if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
                edit->insert(text.toUpper());
                runAfterKey();
                return true;
            }
        }
        runAfterKey();
        return false;
    }

private:
    void runAfterKey()
    {
        if (m_afterKey)
            m_afterKey();
    }
    KeySet m_keys;
    std::function<void()> m_afterKey;
};

class EnterFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        auto *box = static_cast<QWidget *>(watched);
        if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->view()->isVisible())
            return false; // Enter picks from the open list first
        // Moves on exactly as Tab would, so exit checks see an ordinary Tab.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &tab);
        return true;
    }
};

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

void setKeySet(QWidget *box, KeySet keys, std::function<void()> afterKey)
{
    box->installEventFilter(new KeySetFilter(box, keys, std::move(afterKey)));
    // Korean typed through the input method never reaches the key filter: code and
    // number boxes take no input method at all.
    if (keys != KeySet::Any)
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void enterMovesOn(QWidget *box)
{
    box->installEventFilter(new EnterFilter(box));
}

void showWhole(QLineEdit *box, const QString &text)
{
    if (text.size() > box->maxLength())
        box->setMaxLength(int(text.size()));
    box->setText(text);
}

} // namespace zedur
