#pragma once

#include "reports/ui/TraceScreen.h"

namespace zedur {

// The trace that starts from the product transfers to other accounts of a month.
class TMC_ReportBeyBu03_Form : public TraceScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportBeyBu03_Form(QWidget *parent = nullptr);

    DataGrid *DBGrid_JeyPumTaAc;
    QPushButton *JeyPumTaAcPrintBtn;
    DataGrid *DBGrid_JeyPum;
    QPushButton *JeyPumPrintBtn;
    DataGrid *DBGrid_ChaongGoJeyGongPum;
    QPushButton *ChaongGoJeyGongPumPrintBtn;
    DataGrid *DBGrid_JeyJoJeyGongPum;
    QPushButton *JeyJoJeyGongPumPrintBtn;
    DataGrid *DBGrid_WonJaJey;
    QPushButton *WonJaJeyPrintBtn;
};

} // namespace zedur
