#include "reports/ui/TMC_ReportBeyBu04_Form.h"

namespace zedur {

TMC_ReportBeyBu04_Form::TMC_ReportBeyBu04_Form(QWidget *parent)
    : TraceScreen(reports::traces::fromWipTransfers(), parent)
{
    DBGrid_JeyGongPumTaAc = stageGrid(0);
    JeyGongPumTaAcPrintBtn = stageExport(0);
    DBGrid_JeyJoJeyGongPum = stageGrid(1);
    JeyJoJeyGongPumPrintBtn = stageExport(1);
    DBGrid_WonJaJey = stageGrid(2);
    WonJaJeyPrintBtn = stageExport(2);
}

} // namespace zedur
