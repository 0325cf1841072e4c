#include "reports/ui/TMC_ReportBeyBu01_Form.h"

namespace zedur {

TMC_ReportBeyBu01_Form::TMC_ReportBeyBu01_Form(QWidget *parent) : TraceScreen(reports::traces::fromSales(), parent)
{
    DBGrid_ChulGo = stageGrid(0);
    ChulGoPrintBtn = stageExport(0);
    DBGrid_JeyPum = stageGrid(1);
    JeyPumPrintBtn = stageExport(1);
    DBGrid_ChaongGoJeyGongPum = stageGrid(2);
    ChaongGoJeyGongPumPrintBtn = stageExport(2);
    DBGrid_JeyJoJeyGongPum = stageGrid(3);
    JeyJoJeyGongPumPrintBtn = stageExport(3);
    DBGrid_WonJaJey = stageGrid(4);
    WonJaJeyPrintBtn = stageExport(4);
}

} // namespace zedur
