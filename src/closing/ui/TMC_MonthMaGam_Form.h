#pragma once

#include "closing/ui/MonthRunScreen.h"

namespace zedur {

// Closes the open month, carries its stock into the next one and opens it.
class TMC_MonthMaGam_Form : public MonthRunScreen
{
    Q_OBJECT
public:
    explicit TMC_MonthMaGam_Form(QWidget *parent = nullptr);

    QLabel *Panel9;
    QLabel *Label2;
    QLabel *Panel_YearMonth;

protected:
    void onFirstShow() override;
    void PrintBtnClick() override;

private:
    // "2005년도  05월": the month after the chosen one, where the stock goes.
    void showFollowingMonth();
};

} // namespace zedur
