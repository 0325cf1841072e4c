#include "reports/ui/TMC_ReportBeyBu02_Form.h"

namespace zedur {

TMC_ReportBeyBu02_Form::TMC_ReportBeyBu02_Form(QWidget *parent) : TraceScreen(reports::traces::fromProducts(), parent)
{
    DBGrid_JeyPum = stageGrid(0);
    JeyPumPrintBtn = stageExport(0);
    DBGrid_ChaongGoJeyGongPum = stageGrid(1);
    ChaongGoJeyGongPumPrintBtn = stageExport(1);
    DBGrid_JeyJoJeyGongPum = stageGrid(2);
    JeyJoJeyGongPumPrintBtn = stageExport(2);
    DBGrid_WonJaJey = stageGrid(3);
    WonJaJeyPrintBtn = stageExport(3);
}

} // namespace zedur
