#include "Shots.h"

#include "common/ui/DataGrid.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "masters/ui/ProductTreeView.h"
#include "masters/ui/TMC_AcNameCode_Form.h"
#include "masters/ui/TMC_JeyPumCode_Form.h"
#include "masters/ui/TMC_JeyPumTreeWonJaJey_Unit_Form.h"
#include "masters/ui/TMC_WonJaJeyCode_Form.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace shots {

void shootMasters(const QString &out)
{
    {
        zedur::TMC_WonJaJeyCode_Form screen;
        shoot(screen, out + "/raw-materials.png");
        screen.DBGrid1->setFocus();
        screen.DBGrid1->setCurrentIndex(screen.DBGrid1->model()->index(1, 4));
        emit screen.DBGrid1->rowPicked();
        shoot(screen, out + "/raw-materials-picked.png");
    }
    {
        zedur::TMC_JeyPumCode_Form screen;
        shoot(screen, out + "/products.png");
    }
    {
        zedur::TMC_AcNameCode_Form screen;
        shoot(screen, out + "/accounts.png");
        screen.InsertBtn->click();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        screen.edAc_AcName->setText(QStringLiteral("야간수당"));
        shoot(screen, out + "/accounts-insert.png");
        shoot(*screen.groupDialog(), out + "/account-groups.png");
    }
    {
        zedur::TMC_JeyPumTreeWonJaJey_Unit_Form screen;
        shoot(screen, out + "/tree.png");
        // The frame picked: its own raw materials listed under it.
        screen.TreeView1->expandAll();
        QTreeWidgetItem *frame = screen.TreeView1->nodeAt(3);
        screen.TreeView1->setFocus();
        QTest::mouseClick(screen.TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          screen.TreeView1->visualItemRect(frame).center());
        shoot(screen, out + "/tree-picked.png");

        click(screen.NewSubNodeBtn);
        zedur::TMC_JeyPumTreeWonJaJey_AppendEdit_Form *dialog = screen.appendEditForm();
        typeInto(dialog->edSearch, "볼트");
        click(dialog->SearchBtn);
        QTest::mouseClick(dialog->DBGrid1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          dialog->DBGrid1->visualRect(dialog->DBGrid1->model()->index(0, 3)).center());
        typeInto(dialog->edSuKg, "6");
        click(dialog->edBigo);
        shoot(*dialog, out + "/tree-dialog.png");

        std::printf("wrong input: a quantity that is no number, then a raw material under a raw material\n");
        typeInto(dialog->edSuKg, "1.2.3");
        click(dialog->edBigo);
        shoot(*dialog, out + "/tree-dialog-wrong-quantity.png");
        dialog->close();
        QApplication::processEvents();
        QTest::mouseClick(screen.TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          screen.TreeView1->visualItemRect(screen.TreeView1->nodeAt(1)).center());
        click(screen.NewSubNodeBtn);
        dialog = screen.appendEditForm();
        typeInto(dialog->edSearch, "BT10");
        click(dialog->SearchBtn);
        QTest::mouseClick(dialog->DBGrid1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          dialog->DBGrid1->visualRect(dialog->DBGrid1->model()->index(0, 3)).center());
        click(dialog->OkBitBtn);
        shoot(*dialog, out + "/tree-dialog-refused.png");
        dialog->close();
        QApplication::processEvents();
        // A node inserted before the bolts: the dialog then asks where it goes.
        QTest::mouseClick(screen.TreeView1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          screen.TreeView1->visualItemRect(screen.TreeView1->nodeAt(2)).center());
        click(screen.NewNodeBtn);
        dialog = screen.appendEditForm();
        dialog->cbInPut_Kubun->setCurrentIndex(1);
        shoot(*dialog, out + "/tree-dialog-insert.png");
        dialog->close();
    }
}

} // namespace shots
