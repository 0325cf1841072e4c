#include "Shots.h"

#include "common/ui/DataGrid.h"
#include "common/ui/NumberBox.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form_JeyPum.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form_TaAc.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

namespace shots {

void shootWip(const QString &out)
{
    {
        zedur::TMC_JeyGongPumToJeyPumInPut_Form screen;
        shoot(screen, out + "/warehouse.png");
        // The shelf (P100), its frame included: every raw material has finished lots.
        pickRow(screen.DBGrid_Tree, screen.DBGrid_Tree->rows().find("Tr_Code", "P100"), 1);
        typeAndLeave(screen.edIn_SuKg, "100");
        press(screen.TreeSearchBtn);
        typeAndLeave(screen.edIn_Date, "20");
        typeAndLeave(screen.edIn_TextMemo, "선반 완성 1차");
        shoot(screen, out + "/warehouse-checked.png");
        press(screen.SaveBtn);
        shoot(screen, out + "/warehouse-saved.png");
        std::printf("warehouse: 100 cabinets (P300) need more steel than is left\n");
        pickRow(screen.DBGrid_Tree, screen.DBGrid_Tree->rows().find("Tr_Code", "P300"), 1);
        typeAndLeave(screen.edIn_SuKg, "100");
        press(screen.TreeSearchBtn);
        shoot(screen, out + "/warehouse-short.png");
        std::printf("warehouse: shelves, a day before the newest receipt, the 31st, 1.2.3\n");
        pickRow(screen.DBGrid_Tree, screen.DBGrid_Tree->rows().find("Tr_Code", "P100"), 1);
        typeAndLeave(screen.edIn_SuKg, "10");
        press(screen.TreeSearchBtn);
        typeAndLeave(screen.edIn_Date, "5");
        typeAndLeave(screen.edIn_Date, "31");
        typeAndLeave(screen.edIn_SuKg, "1.2.3");
        press(screen.SaveBtn);
        pickRow(screen.DBGrid1, 0, 3);
        shoot(screen, out + "/warehouse-lot-picked.png");
    }
    {
        zedur::TMC_JeyGongPumToJeyPumInPut_Form_JeyPum viewer(April);
        shoot(viewer, out + "/warehouse-viewer.png");
        pickRow(viewer.DBGrid1, 0, 1);
        shoot(viewer, out + "/warehouse-viewer-picked.png");
    }
    {
        zedur::TMC_JeyGongPumToTaAcInPut_Form screen;
        shoot(screen, out + "/wip-transfer.png");
        const int bolts = screen.DBGrid1->rows().find("Gong_WonCode", "BT10");
        pickRow(screen.DBGrid1, bolts, 2);
        shoot(screen, out + "/wip-transfer-picked.png");
        std::printf("wip transfer: more than is left, then 500 on day 02 (before the lot)\n");
        typeAndLeave(screen.edIn_SuKg, "5000");
        typeAndLeave(screen.edIn_SuKg, "500");
        typeAndLeave(screen.edIn_Date, "2");
        press(screen.SaveBtn);
        typeAndLeave(screen.edIn_Date, "22");
        press(screen.SaveBtn);
        pickRow(screen.DBGrid1, screen.DBGrid1->rows().find("Gong_WonCode", "BT10"), 2);
        shoot(screen, out + "/wip-transfer-saved.png");
    }
    {
        zedur::TMC_JeyGongPumToTaAcInPut_Form_TaAc viewer(April);
        shoot(viewer, out + "/wip-transfer-viewer.png");
        pickRow(viewer.DBGrid1, 0, 1);
        shoot(viewer, out + "/wip-transfer-viewer-picked.png");
    }
}

} // namespace shots
