#include "Shots.h"

#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form_AcName.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form_JeyGongPum.h"
#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_JeyGong.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_TaAc.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace shots {

void shootEntries(const QString &out)
{
    {
        zedur::TMC_WonJaJeyTaJeyGongVw_Form screen;
        shoot(screen, out + "/issue.png");
        screen.DBGrid1->setFocus();
        screen.DBGrid1->setCurrentIndex(screen.DBGrid1->model()->index(0, 5));
        emit screen.DBGrid1->rowPicked();
        screen.cbInKubun->setFocus();
        screen.cbInKubun->setCurrentIndex(1);
        screen.edIn_Date->setFocus();
        screen.edIn_Date->setText("16");
        screen.edIn_TextMemo->setFocus();
        shoot(screen, out + "/issue-picked-transfer.png");
        // Too much, then a day before the receipt: both refused, the focus stays.
        std::printf("issue: 500 of 450 left\n");
        screen.edIn_SuKg->setFocus();
        screen.edIn_SuKg->setText("500");
        screen.edIn_TextMemo->setFocus();
        screen.edIn_SuKg->setText("450");
        std::printf("issue: day 02 of a receipt of the 3rd\n");
        screen.edIn_Date->setFocus();
        screen.edIn_Date->setText("2");
        screen.edIn_TextMemo->setFocus();
        shoot(screen, out + "/issue-refused-day.png");
    }
    {
        zedur::TMC_WonJaJeyTaJeyGongVw_Form_JeyGong viewer(April);
        shoot(viewer, out + "/issue-viewer-lots.png");
        viewer.DBGrid1->setFocus();
        viewer.DBGrid1->setCurrentIndex(viewer.DBGrid1->model()->index(0, 1));
        emit viewer.DBGrid1->rowPicked();
        shoot(viewer, out + "/issue-viewer-lots-picked.png");
        std::printf("lot viewer: delete a lot with a rate\n");
        viewer.DeleteBtn->click();
    }
    {
        zedur::TMC_WonJaJeyTaJeyGongVw_Form_TaAc viewer(April);
        shoot(viewer, out + "/issue-viewer-transfers.png");
        viewer.DBGrid1->setFocus();
        viewer.DBGrid1->setCurrentIndex(viewer.DBGrid1->model()->index(1, 1));
        emit viewer.DBGrid1->rowPicked();
        shoot(viewer, out + "/issue-viewer-transfers-picked.png");
        std::printf("transfer viewer: delete\n");
        viewer.DeleteBtn->click();
        shoot(viewer, out + "/issue-viewer-transfers-deleted.png");
    }
    {
        zedur::TMC_JeyGongPumWoulInPut_Form screen;
        shoot(screen, out + "/completion.png");
        const int carried = screen.DBGrid1->rows().find("Gong_Serial", "A0000000099");
        screen.DBGrid1->setFocus();
        screen.DBGrid1->setCurrentIndex(screen.DBGrid1->model()->index(carried, 11));
        emit screen.DBGrid1->rowPicked();
        std::printf("completion: 40.01 on top of 60\n");
        screen.edG_DaongWoul->setFocus();
        screen.edG_DaongWoul->setText("40.01");
        screen.edG_TextMemo->setFocus();
        shoot(screen, out + "/completion-refused-rate.png");
        screen.cbWoul->setCurrentIndex(2);
        screen.cbWoul->setFocus();
        screen.DBGrid1->setFocus();
        screen.KuenNoSearchBtn->click();
        shoot(screen, out + "/completion-finished-only.png");
    }
    {
        zedur::TMC_WonJaJeyInPut_Form screen;
        shoot(screen, out + "/receipts.png");
        pickRow(screen.DBGrid1, 1, 17);
        shoot(screen, out + "/receipts-picked.png");
        press(screen.CancelBtn);
        press(screen.InsertBtn);
        typeAndLeave(screen.edDay, "12");
        typeAndLeave(screen.edInPut_WonName, "강판");
        auto *dialog = screen.materialDialog();
        shoot(*dialog, out + "/receipts-material-dialog.png");
        pickRow(dialog->DBGrid1, 0, 2);
        shoot(*dialog, out + "/receipts-material-dialog-picked.png");
        dialog->close();
        typeAndLeave(screen.edInPut_SuKg, "3");
        typeAndLeave(screen.edInPut_DanGa, "1234.56789");
        shoot(screen, out + "/receipts-new.png");
        std::printf("wrong input on the receipts screen:\n");
        typeAndLeave(screen.edInPut_SuKg, "1a2");
        typeAndLeave(screen.edDay, "31");
        press(screen.CancelBtn);
        screen.cbMonth->setCurrentIndex(2); // 03, closed
        typeAndLeave(screen.cbMonth, "");
        shoot(screen, out + "/receipts-closed-month.png");
        press(screen.InsertBtn);
        pickRow(screen.DBGrid1, 0, 0);
        press(screen.DeleteBtn);
    }
    {
        zedur::TMC_AcNameAmtInPut_Form screen;
        shoot(screen, out + "/amounts.png");
        pickRow(screen.DBGrid1, 1, 10);
        shoot(screen, out + "/amounts-picked.png");
        press(screen.CancelBtn);
        press(screen.InsertBtn);
        typeAndLeave(screen.edDay, "27");
        typeAndLeave(screen.edAmt_AcName, "수선");
        auto *accounts = screen.accountDialog();
        pickRow(accounts->DBGrid1, 0, 1);
        shoot(*accounts, out + "/amounts-account-dialog.png");
        accounts->close();
        screen.cbAmt_JeyJoKubun->setCurrentIndex(1);
        typeAndLeave(screen.cbAmt_JeyJoKubun, "");
        auto *lots = screen.lotDialog();
        pickRow(lots->DBGrid1, 0, 0);
        shoot(*lots, out + "/amounts-lot-dialog.png");
        lots->close();
        typeAndLeave(screen.edAmt_TextMemo, "선반 금형 수리");
        typeAndLeave(screen.edAmt_Amt, "450000");
        shoot(screen, out + "/amounts-new.png");
        std::printf("wrong input on the amounts screen:\n");
        press(screen.CancelBtn);
        press(screen.InsertBtn);
        typeAndLeave(screen.edDay, "31");
        typeAndLeave(screen.edDay, "3");
        typeAndLeave(screen.edAmt_Amt, "12.5");
        press(screen.CancelBtn);
        screen.cbMonth->setCurrentIndex(2); // 03, closed
        typeAndLeave(screen.cbMonth, "");
        press(screen.InsertBtn);
    }
}

} // namespace shots
