#include "Shots.h"

#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/ui/TMC_BanPumSaleAmtInPut_Form.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc.h"

#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

namespace shots {

void shootShipments(const QString &out)
{
    {
        zedur::TMC_ChaongGoJeyPumChulGoTaAc_Form screen;
        shoot(screen, out + "/shipment.png");
        const int made = screen.DBGrid1->rows().find("JeyPum_Kubun", "당월입고");
        pickRow(screen.DBGrid1, made, 2);
        shoot(screen, out + "/shipment-picked.png");
        std::printf("shipment: more than is left, then 5 at 50,000 (below cost) on day 29\n");
        typeAndLeave(screen.edIn_SuKg, "100");
        typeAndLeave(screen.edIn_SuKg, "5");
        typeAndLeave(screen.edIn_Date, "29");
        typeAndLeave(screen.edIn_DanGa, "50000");
        typeAndLeave(screen.edIn_SaleName, "(주)대한상사");
        shoot(screen, out + "/shipment-typed.png");
        press(screen.SaveBtn);
        shoot(screen, out + "/shipment-saved.png");
        std::printf("shipment: a transfer of 2 at a typed price, which goes back to cost\n");
        pickRow(screen.DBGrid1, screen.DBGrid1->rows().find("JeyPum_Kubun", "전기이월"), 2);
        screen.cbInKubun->setFocus();
        screen.cbInKubun->setCurrentIndex(1);
        typeAndLeave(screen.edIn_SuKg, "2");
        typeAndLeave(screen.edIn_Date, "30");
        typeAndLeave(screen.edIn_DanGa, "1");
        shoot(screen, out + "/shipment-transfer.png");
        press(screen.SaveBtn);
    }
    {
        zedur::TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo viewer(April);
        shoot(viewer, out + "/shipment-sales-viewer.png");
        pickRow(viewer.DBGrid1, 0, 1);
        shoot(viewer, out + "/shipment-sales-viewer-picked.png");
    }
    {
        zedur::TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc viewer(April);
        shoot(viewer, out + "/shipment-transfer-viewer.png");
        pickRow(viewer.DBGrid1, 0, 1);
        shoot(viewer, out + "/shipment-transfer-viewer-picked.png");
    }
    {
        zedur::TMC_BanPumSaleAmtInPut_Form screen;
        shoot(screen, out + "/returns.png");
        pickRow(screen.DBGrid1, 0, 2);
        std::printf("returns: a sale of the open month, 3 back, abc, then day 12\n");
        typeAndLeave(screen.edIn_SuKg, "abc");
        typeAndLeave(screen.edIn_SuKg, "3");
        typeAndLeave(screen.edIn_Date, "12");
        shoot(screen, out + "/returns-typed.png");
        press(screen.SaveBtn);
    }
}

} // namespace shots
