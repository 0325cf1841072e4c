#pragma once

#include "reports/ui/TraceScreen.h"

namespace zedur {

// The trace that starts from the sales of a month.
class TMC_ReportBeyBu01_Form : public TraceScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportBeyBu01_Form(QWidget *parent = nullptr);

    DataGrid *DBGrid_ChulGo;
    QPushButton *ChulGoPrintBtn;
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
