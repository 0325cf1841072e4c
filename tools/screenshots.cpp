// zedur-screenshots OUTDIR: opens each screen on a small set of sample books and saves a
// picture of it, so that screens can be looked at as a user sees them (run under xvfb-run
// or QT_QPA_PLATFORM=offscreen; fonts-nanum renders the Korean).
#include "app/TMC_ZedUrMain_Form.h"
#include "closing/TMC_TableCreate_Form.h"
#include "common/SystemInfo.h"
#include "masters/TMC_AcNameCode_Form.h"
#include "masters/TMC_JeyPumCode_Form.h"
#include "common/DataGrid.h"
#include "common/ListCombo.h"
#include "common/Messages.h"
#include "common/NumberBox.h"
#include "masters/ProductTree.h"
#include "masters/ProductTreeView.h"
#include "masters/TMC_JeyPumTreeWonJaJey_Unit_Form.h"
#include "masters/TMC_WonJaJeyCode_Form.h"
#include "store/Books.h"
#include "store/Db.h"
#include "store/Serials.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

namespace {

void sampleBooks(zedur::Db &db)
{
    const QStringList materials = {"ST01|냉연강판 1.2T|kg|3250.5", "ST02|열연강판 3.0T|kg|2980",
                                   "BT10|육각볼트 M10|EA|85.25", "PN01|분체도료 회색|kg|12500",
                                   "RB05|고무패킹 50mm|EA|420"};
    int n = 1;
    for (const QString &m : materials) {
        const QStringList f = m.split(u'|');
        db.exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name, Won_NameAlias, Won_DanGa, Won_DanWi, "
                "Won_Model, Won_PumName, Won_KuSize, Won_TextMemo, Won_Bigo) VALUES (:s, :c, :n, '', :p, :u, "
                "'KS-2024', :n, '1219x2438', '정기 구매', '')",
                {{":s", QStringLiteral("A%1").arg(n++, 10, 10, QChar(u'0'))},
                 {":c", f[0]},
                 {":n", f[1]},
                 {":u", f[2]},
                 {":p", f[3].toDouble()}});
    }
    const QStringList products = {"SH01|철제선반 5단|EA|1800x900x450", "CB20|공구함 대형|SET|600x300x280",
                                  "WR05|작업대 중량형|EA|1500x750x800", "RK12|파렛트랙 2열|SET|2000x1000x2400"};
    n = 1;
    for (const QString &p : products) {
        const QStringList f = p.split(u'|');
        db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_NameAlias, Jey_DanWi, Jey_Model, "
                "Jey_PumName, Jey_KuSize, Jey_TextMemo, Jey_Bigo) VALUES (:s, :c, :n, '', :u, 'KS-2024', :n, :k, "
                "'분체도장', '')",
                {{":s", QStringLiteral("A%1").arg(n++, 10, 10, QChar(u'0'))},
                 {":c", f[0]},
                 {":n", f[1]},
                 {":u", f[2]},
                 {":k", f[3]}});
    }
    // Two accounts registered by the user under the supplied groups.
    const QStringList accounts = {"40403005|잔업수당|노무비(제)|01제조|주야 2교대",
                                  "40404015|폐기물처리비|제조경비(제)|01제조|외부 위탁"};
    for (const QString &a : accounts) {
        const QStringList f = a.split(u'|');
        db.exec("INSERT INTO MC_AcNameCode (Ac_Serial, Ac_Kubun_A, Ac_Kubun_B, Ac_Kubun_C, Ac_Kubun_D, Ac_AcCode, "
                "Ac_AcName, Ac_AcNameReport, Ac_AcNameCall, Ac_GroupKubun, Ac_InPutKubun, Ac_CallKubun, "
                "Ac_TotalCode, Ac_TextMemo, Ac_Check_01, Ac_Check_02) VALUES (:s, :a, :b, :c, :d, :code, :name, "
                "'    ' || :name, :group || '/' || :name, :statement, '등록', '호출', :total, :memo, '', '')",
                {{":s", zedur::Serial_MaxValue(db, "MC_AcNameCode", "Ac_Serial")},
                 {":a", f[0].mid(0, 1)},
                 {":b", f[0].mid(1, 2)},
                 {":c", f[0].mid(3, 2)},
                 {":d", f[0].mid(5, 3)},
                 {":code", f[0]},
                 {":name", f[1]},
                 {":group", f[2]},
                 {":statement", f[3]},
                 {":total", f[0].left(5) + "000"},
                 {":memo", f[4]}});
    }
}

// Products and their trees: a shelf made of sheet steel, bolts, paint and a frame that is
// itself made of steel and rubber; a cabinet of its own.
void sampleTrees(zedur::Db &db)
{
    const QStringList products = {"P100|철제선반 3단|EA", "P200|선반 프레임|EA", "P300|철제 캐비닛|EA"};
    int n = 1;
    for (const QString &p : products) {
        const QStringList f = p.split(u'|');
        db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_NameAlias, Jey_DanWi, Jey_Model, "
                "Jey_PumName, Jey_KuSize, Jey_TextMemo) VALUES (:s, :c, :n, '', :u, 'SH-3', :n, '900x450x1800', "
                "'자체 생산')",
                {{":s", QStringLiteral("B%1").arg(n++, 10, 10, QChar(u'0'))}, {":c", f[0]}, {":n", f[1]}, {":u", f[2]}});
    }
    // "code quantity action selected": each node added as the dialog adds it.
    const QStringList steps = {"P100 1 append -1", "ST01 2.5 child 0",  "BT10 16 child 0",   "P200 1 child 0",
                               "ST02 1.8 child 3", "RB05 4 child 3",    "PN01 0.35 child 0", "P300 1 append 0",
                               "ST01 6.2 child 7", "BT10 24 child 7",   "PN01 0.8 child 7"};
    for (const QString &step : steps) {
        const QStringList f = step.split(u' ');
        zedur::TreeNodeRequest request;
        request.action = f[2] == u"child" ? zedur::TreeAction::AddChild : zedur::TreeAction::Append;
        request.selected = f[3].toInt();
        request.nodeSelected = request.selected >= 0;
        request.quantityText = f[1];
        const zedur::ResultSet items = queryTreeItems(db, zedur::TreeItemFilter::All, f[0]);
        request.item = zedur::treeItemAt(items, items.find("Tr_Code", f[0]));
        const zedur::TreeDecision decision = saveTreeNode(db, request);
        if (!decision.accepted())
            std::printf("sample tree refused %s: %s\n", qPrintable(f[0]), qPrintable(decision.refusal->text));
    }
}

// The boxes a screen shows are printed instead, so that wrong input can be tried unattended.
class PrintedMessages : public zedur::MessageSink
{
public:
    bool show(zedur::MessageKind, const QString &, const QString &text, bool yesNo) override
    {
        std::printf("  [box] %s\n", qPrintable(QString(text).replace(zedur::LB, QStringLiteral(" / "))));
        return yesNo;
    }
};

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    QApplication::processEvents();
}

void typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->clear();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

template <class W> void shoot(W &w, const QString &file)
{
    w.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    w.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(out);

    QTemporaryDir dir;
    zedur::setAppDirForTesting(dir.path());
    zedur::createDatabase(zedur::databasePath(), {"2005", "04"}, zedur::AuditValues::now());
    {
        auto db = zedur::Db::openDefault();
        sampleBooks(*db);
        sampleTrees(*db);
    }

    {
        zedur::TMC_ZedUrMain_Form main;
        main.tvGroup->expandAll();
        shoot(main, out + "/main.png");
    }
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
        PrintedMessages printed;
        zedur::setMessageSink(&printed);
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
        zedur::setMessageSink(nullptr);
    }
    {
        zedur::TMC_TableCreate_Form screen;
        shoot(screen, out + "/table-init.png");
    }
    return 0;
}
