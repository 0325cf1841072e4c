#pragma once

#include "reports/ui/ReportScreen.h"

namespace zedur {

// Every booked amount of a month beside the WIP lot it is charged to.
class TMC_ReportJeyJoAmtVw_Form : public ReportScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportJeyJoAmtVw_Form(QWidget *parent = nullptr);

    DataGrid *DBGrid1;

protected:
    void clearLists() override;
    void showMonth(const Period &month) override;

private:
    void PrintBtnClick();
};

} // namespace zedur
