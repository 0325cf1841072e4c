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

// The characters an edit put into a box: the span where the new text differs from the old.
QString arrivedText(const QString &before, const QString &after, qsizetype &at)
{
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    at = prefix;
    return after.mid(prefix, after.size() - prefix - suffix);
}

class KeySetFilter : public QObject
{
public:
    KeySetFilter(QWidget *box, KeySet keys, std::function<void()> afterKey)
        : QObject(box), m_keys(keys), m_afterKey(std::move(afterKey))
    {
        // Text that arrives without a key of its own (pasted, dropped, a middle click) is
        // held to the same characters as typed text, whichever way the box offers it.
        auto *edit = qobject_cast<QLineEdit *>(box);
        if (!edit || keys == KeySet::Any || keys == KeySet::ListOnly)
            return;
        m_before = edit->text();
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { checkArrived(edit); });
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { m_before = edit->text(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *edit = qobject_cast<QLineEdit *>(watched);
        // Undo and redo bring back what the box held before (formatted numbers included).
        if (edit && (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))) {
            m_restoring = true;
            key->matches(QKeySequence::Undo) ? edit->undo() : edit->redo();
            m_restoring = false;
            runAfterKey();
            return true;
        }
        const QString text = key->text();
        const bool typesCharacter =
            text.size() == 1 && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typesCharacter && !keyAllowed(m_keys, text.at(0))) {
            msg::plain(refusedKeyText);
            runAfterKey();
            return true;
        }
        if (typesCharacter && m_keys == KeySet::CodeUpper && text.at(0).isLower() && edit) {
            edit->insert(text.toUpper());
            runAfterKey();
            return true;
        }
        runAfterKey();
        return false;
    }

private:
    void checkArrived(QLineEdit *edit)
    {
        if (m_restoring)
            return;
        qsizetype at = 0;
        const QString arrived = arrivedText(m_before, edit->text(), at);
        for (QChar c : arrived) {
            if (!keyAllowed(m_keys, c)) {
                const QString before = m_before;
                edit->setText(before);
                edit->setCursorPosition(int(at));
                msg::plain(refusedKeyText);
                return;
            }
        }
        if (m_keys == KeySet::CodeUpper && arrived != arrived.toUpper()) {
            QString upper = edit->text();
            upper.replace(at, arrived.size(), arrived.toUpper());
            edit->setText(upper);
            edit->setCursorPosition(int(at + arrived.size()));
        }
    }

    void runAfterKey()
    {
        if (m_afterKey)
            m_afterKey();
    }
    KeySet m_keys;
    std::function<void()> m_afterKey;
    QString m_before;
    bool m_restoring = false;
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

QObject *setKeySet(QWidget *box, KeySet keys, std::function<void()> afterKey)
{
    auto *filter = new KeySetFilter(box, keys, std::move(afterKey));
    box->installEventFilter(filter);
    // Korean typed through the input method never reaches the key filter: code and
    // number boxes take no input method at all.
    if (keys != KeySet::Any)
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
    return filter;
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
