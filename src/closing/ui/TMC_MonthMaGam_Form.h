#pragma once

#include "closing/ui/MonthRunScreen.h"
#include "store/Restore.h"

#include <memory>

namespace zedur {

// Closes the open month, carries its stock into the next one and opens it; undoes the
// newest close while it is the newest change of period. The undo, a restore of the close's
// backup, runs once the screen is closed, when the main window has closed every connection
// (takeRestore).
class TMC_MonthMaGam_Form : public MonthRunScreen
{
    Q_OBJECT
public:
    explicit TMC_MonthMaGam_Form(QWidget *parent = nullptr);
    ~TMC_MonthMaGam_Form() override;

    QLabel *Panel9;
    QLabel *Label2;
    QLabel *Panel_YearMonth;
    QPushButton *UndoBtn;

    // The undo the user confirmed, for the main window to carry out.
    std::unique_ptr<PreparedRestore> takeRestore() { return std::move(m_restore); }

protected:
    void onFirstShow() override;
    void PrintBtnClick() override;

private:
    // "2005년도  05월": the month after the chosen one, where the stock goes.
    void showFollowingMonth();
    // The undo is offered only while there is a close to undo.
    void offerUndo();
    void UndoBtnClick();

    std::unique_ptr<PreparedRestore> m_restore;
};

} // namespace zedur
