#include "reports/ui/TMC_ReportBeyBu05_Form.h"

namespace zedur {

TMC_ReportBeyBu05_Form::TMC_ReportBeyBu05_Form(QWidget *parent)
    : TraceScreen(reports::traces::fromRawTransfers(), parent)
{
    DBGrid_WonJaJeyTaAc = stageGrid(0);
    WonJaJeyTaAcPrintBtn = stageExport(0);
    DBGrid_WonJaJey = stageGrid(1);
    WonJaJeyPrintBtn = stageExport(1);
}

} // namespace zedur
