#pragma once

#include "reports/ui/TraceScreen.h"

namespace zedur {

// The trace that starts from the WIP transfers to other accounts of a month.
class TMC_ReportBeyBu04_Form : public TraceScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportBeyBu04_Form(QWidget *parent = nullptr);

    DataGrid *DBGrid_JeyGongPumTaAc;
    QPushButton *JeyGongPumTaAcPrintBtn;
    DataGrid *DBGrid_JeyJoJeyGongPum;
    QPushButton *JeyJoJeyGongPumPrintBtn;
    DataGrid *DBGrid_WonJaJey;
    QPushButton *WonJaJeyPrintBtn;
};

} // namespace zedur
