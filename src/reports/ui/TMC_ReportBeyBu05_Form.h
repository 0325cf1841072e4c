#pragma once

#include "reports/ui/TraceScreen.h"

namespace zedur {

// The trace that starts from the raw-material transfers to other accounts of a month.
class TMC_ReportBeyBu05_Form : public TraceScreen
{
    Q_OBJECT
public:
    explicit TMC_ReportBeyBu05_Form(QWidget *parent = nullptr);

    DataGrid *DBGrid_WonJaJeyTaAc;
    QPushButton *WonJaJeyTaAcPrintBtn;
    DataGrid *DBGrid_WonJaJey;
    QPushButton *WonJaJeyPrintBtn;
};

} // namespace zedur
