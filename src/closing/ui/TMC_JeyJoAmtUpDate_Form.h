#pragma once

#include "closing/ui/MonthRunScreen.h"

namespace zedur {

// Runs the allocation of labour and overhead for the open month.
class TMC_JeyJoAmtUpDate_Form : public MonthRunScreen
{
    Q_OBJECT
public:
    explicit TMC_JeyJoAmtUpDate_Form(QWidget *parent = nullptr);

    QLabel *Panel8;

protected:
    void PrintBtnClick() override;
};

} // namespace zedur
