#pragma once

#include "common/RecordScreen.h"
#include "entries/Refusal.h"

namespace zedur {

// What the monthly entry screens add to a record screen: the day box with the date it
// makes in the month shown, and the refusals of the entries core shown to the user.
class EntryScreen : public RecordScreen
{
    Q_OBJECT
public:
    using RecordScreen::RecordScreen;

    QLineEdit *edDay = nullptr;

protected:
    // The day box (two digits, digits only) and the read-only date box after it. Leaving
    // the day writes it as two digits and shows the date, or refuses a day the month does
    // not have and keeps the focus. `afterKey` runs after every key in the day box.
    QLineEdit *addDayBoxes(const QString &label, const QString &dateName, const QString &dateColumn,
                           std::function<void()> afterKey = {});
    // Leaving this box moves the focus to the save button.
    void leavingGoesToSave(QWidget *box);

    // A refusal of the core as the user sees it: its box, the boxes emptied when it says so,
    // then the focus on its control (the button panel when it names none).
    void showRefusal(const Refusal &refusal);

    void pClear() override;
    void pDisplay() override;

private:
    bool dayLeft();
    void focusButtonPanel();

    QLineEdit *m_dateBox = nullptr;
};

} // namespace zedur
