#include "entries/EntryScreen.h"

#include "entries/DayDate.h"

#include <QLineEdit>
#include <QPushButton>

namespace zedur {

QLineEdit *EntryScreen::addDayBoxes(const QString &label, const QString &dateName, const QString &dateColumn,
                                    std::function<void()> afterKey)
{
    edDay = addTextBox(QStringLiteral("edDay"), label, {}, 2, KeySet::Digits, std::move(afterKey));
    edDay->setMaximumWidth(edDay->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    m_dateBox = addReadOnlyBox(dateName, {}, dateColumn);
    exits().onLeave(edDay, [this] { return dayLeft(); });
    return m_dateBox;
}

bool EntryScreen::dayLeft()
{
    const Checked<DayDate> day = checkDay(shownPeriod(), edDay->text(), edDay->objectName());
    if (!day.value.day.isEmpty())
        edDay->setText(day.value.day);
    if (!day.ok()) {
        showRefusal(*day.refusal);
        return false;
    }
    m_dateBox->setText(day.value.date);
    return true;
}

void EntryScreen::leavingGoesToSave(QWidget *box)
{
    exits().onLeave(box, [this] {
        SaveBtn->setFocus();
        return true;
    });
}

void EntryScreen::showRefusal(const Refusal &refusal)
{
    if (!refusal.text.isEmpty()) { // without a text the focus alone tells the user
        switch (refusal.kind) {
        case MessageKind::Error:
            msg::error(refusal.text);
            break;
        case MessageKind::Information:
            msg::information(refusal.text);
            break;
        default:
            msg::warning(refusal.text);
            break;
        }
    }
    if (refusal.clearsBoxes)
        pClear();
    auto *control = refusal.focus.isEmpty() ? nullptr : findChild<QWidget *>(refusal.focus);
    if (!control) {
        focusButtonPanel();
        return;
    }
    control->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(control); edit && refusal.selectsText)
        edit->selectAll();
}

void EntryScreen::focusButtonPanel()
{
    for (QPushButton *button : {InsertBtn, CancelBtn, SaveBtn, DeleteBtn, PrintBtn, CloseBtn}) {
        if (button && button->isEnabled()) {
            button->setFocus();
            return;
        }
    }
}

void EntryScreen::pClear()
{
    RecordScreen::pClear();
    holdSerial(QString());
}

void EntryScreen::pDisplay()
{
    RecordScreen::pDisplay();
    if (edDay && m_dateBox)
        edDay->setText(m_dateBox->text().mid(8, 2));
}

} // namespace zedur
