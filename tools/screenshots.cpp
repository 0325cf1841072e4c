// zedur-screenshots OUTDIR: opens each screen on a small set of sample books and saves a
// picture of it, so that screens can be looked at as a user sees them (run under xvfb-run
// or QT_QPA_PLATFORM=offscreen; fonts-nanum renders the Korean).
#include "app/TMC_ZedUrMain_Form.h"
#include "closing/TMC_TableCreate_Form.h"
#include "common/ListCombo.h"
#include "common/Messages.h"
#include "common/NumberBox.h"
#include "common/SystemInfo.h"
#include "entries/Amounts.h"
#include "entries/Completion.h"
#include "entries/Issues.h"
#include "entries/Receipts.h"
#include "entries/TMC_AcNameAmtInPut_Form.h"
#include "entries/TMC_AcNameAmtInPut_Form_AcName.h"
#include "entries/TMC_AcNameAmtInPut_Form_JeyGongPum.h"
#include "entries/TMC_WonJaJeyInPut_Form.h"
#include "entries/TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01.h"
#include "masters/TMC_WonJaJeyCode_Form.h"
#include "store/Books.h"
#include "store/Db.h"
#include "store/Serials.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
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
}

// Two products whose trees hold four of the five raw materials (the rubber packing is in
// none, so the receipts' material search never offers it).
void sampleTrees(zedur::Db &db)
{
    db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_DanWi) VALUES "
            "('A0000000001', 'P100', '철제선반 3단', 'EA'), ('A0000000002', 'P200', '공구함 대형', 'EA')");
    const QStringList rows = {"0|P100|철제선반 3단|제품|1",    "1|ST01|냉연강판 1.2T|원자재|8.5",
                              "1|BT10|육각볼트 M10|원자재|16", "1|PN01|분체도료 회색|원자재|0.4",
                              "0|P200|공구함 대형|제품|1",     "1|ST02|열연강판 3.0T|원자재|5.2",
                              "1|BT10|육각볼트 M10|원자재|8"};
    int index = 0;
    for (const QString &r : rows) {
        const QStringList f = r.split(u'|');
        db.exec(
            "INSERT INTO MC_JeyPumTreeWonJaJey (Tr_Index, Tr_Level, Tr_Code, Tr_Name, Tr_Kubun, Tr_SuKg) "
            "VALUES (:i, :l, :c, :n, :k, :q)",
            {{":i", index++}, {":l", f[0].toInt()}, {":c", f[1]}, {":n", f[2]}, {":k", f[3]}, {":q", f[4].toDouble()}});
    }
}

QString addReceipt(zedur::Db &db, const QString &day, const QString &code, const QString &name, const QString &unit,
                   double quantity, double price, const QString &supplier, const QString &memo)
{
    using namespace zedur;
    const Period april{"2005", "04"};
    const QString serial = receipts::beginNewReceipt(db, april, {}).value;
    receipts::ReceiptEntry e;
    e.serial = serial;
    e.day = day;
    e.wonCode = code;
    e.wonName = name;
    e.danWi = unit;
    e.model = "KS-2024";
    e.saleCode = "S" + code.left(2);
    e.saleName = supplier;
    e.saleNumber = "214-86-12345";
    e.saleDyiPou = "김철수";
    e.serialJen = "2005-04-" + day;
    e.textMemo = memo;
    e.quantity = QString::number(quantity, 'f', 4);
    e.price = QString::number(price, 'f', 4);
    e.amount = QString::number(quantity * price, 'f', 4);
    receipts::saveNewReceipt(db, {april, e, {}, {}, AuditValues::now()});
    return serial;
}

QString addLot(zedur::Db &db, const QString &receipt, const QString &quantity, const QString &day, const QString &memo)
{
    using namespace zedur;
    issues::IssueRequest r;
    r.shown = {"2005", "04"};
    r.receiptSerial = receipt;
    r.kind = issues::IssueKind::Lot;
    r.quantity = quantity;
    r.day = day;
    r.textMemo = memo;
    r.bigo = "1 라인";
    r.audit = AuditValues::now();
    issues::saveIssue(db, r);
    return db.scalar("SELECT Max(Gong_Serial) FROM MC_JeyGongPumInPut").toString();
}

void addAmount(zedur::Db &db, const QString &day, const QString &code, const QString &name, const QString &group,
               const QString &lot, double amount, const QString &memo)
{
    using namespace zedur;
    const Period april{"2005", "04"};
    amounts::AmountEntry e;
    e.serial = amounts::beginNewAmount(db, april, {}).value;
    e.day = day;
    e.acCode = code;
    e.acName = name;
    e.groupAcName = group;
    e.kind = lot.isEmpty() ? amounts::Indirect : amounts::Direct;
    e.lotBox = lot.isEmpty() ? amounts::CommonLot : lot;
    e.textMemo = memo;
    e.amount = QString::number(amount, 'f', 0);
    amounts::saveNewAmount(db, {april, e, {}, AuditValues::now()});
}

// A month of entries: receipts, lots issued from them, amounts on labour, overhead and
// selling accounts, and one receipt of the closed month before.
void sampleEntries(zedur::Db &db)
{
    const QString r1 =
        addReceipt(db, "04", "ST01", "냉연강판 1.2T", "kg", 2500, 3250.5, "대한철강(주)", "4월 정기 구매");
    const QString r2 = addReceipt(db, "06", "BT10", "육각볼트 M10", "EA", 12000, 85.25, "성진볼트", "4월 정기 구매");
    addReceipt(db, "11", "PN01", "분체도료 회색", "kg", 180, 12500, "한빛도료", "도장 라인 보충");
    const QString r4 = addReceipt(db, "15", "ST02", "열연강판 3.0T", "kg", 1800, 2980, "대한철강(주)", "공구함 생산분");
    addReceipt(db, "21", "ST01", "냉연강판 1.2T", "kg", 3, 1234.56789, "대한철강(주)", "견본 구매");
    const QString lot1 = addLot(db, r1, "1200", "08", "선반 1차 생산");
    addLot(db, r2, "5000", "09", "선반 1차 생산");
    const QString lot3 = addLot(db, r4, "900", "18", "공구함 2차 생산");
    zedur::completion::saveCompletion(
        db,
        {{"2005", "04"}, false, "", lot1, "ST01", "60", "선반 1차 생산", "1 라인", zedur::AuditValues::now().saveDate});
    addAmount(db, "25", "40403001", "임금", "노무비(제)", "", 18500000, "4월 생산직 급여");
    addAmount(db, "25", "40403002", "상여금", "노무비(제)", lot1, 1200000, "선반 1차 특근 수당");
    addAmount(db, "28", "40404005", "전력비", "제조경비(제)", "", 2350000, "4월 전력 요금");
    addAmount(db, "28", "40404014", "외주가공비", "제조경비(제)", lot3, 860000, "공구함 절곡 외주");
    addAmount(db, "30", "40701001", "급여", "판매비와관리비", "", 7400000, "관리직 급여");
    addAmount(db, "30", "40901001", "이자수익", "영업외수익", "", 125000, "보통예금 이자");
    db.exec("INSERT INTO MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, InPut_WonCode, "
            "InPut_WonName, InPut_DanWi, InPut_TextMemo, InPut_SuKg, InPut_DanGa, InPut_GaAmt, InPut_Kubun, "
            "InPut_Check_01) VALUES (:s, '2005-03-20', '2005', '03', 'ST01', '냉연강판 1.2T', 'kg', '3월 구매', 1000, "
            "3200, 3200000, '당월입고', '마감완료')",
            {{":s", zedur::Serial_MaxValue(db, "MC_WonJaJeyInPut", "InPut_Serial")}});
}

// Boxes are printed instead of shown, so that wrong input can be tried without anyone to
// close them.
class PrintedMessages : public zedur::MessageSink
{
public:
    bool show(zedur::MessageKind, const QString &, const QString &text, bool) override
    {
        std::printf("  [box] %s\n", qPrintable(QString(text).replace(zedur::LB, " / ")));
        return true;
    }
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

template <class W> void shoot(W &w, const QString &file)
{
    w.show();
    settle();
    w.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

// Types into a box key by key, as a user would, then leaves it with Tab.
void typeAndLeave(QWidget *box, const QString &text)
{
    QApplication::setActiveWindow(box->window());
    box->setFocus(Qt::OtherFocusReason); // a list entered by Tab would drop down
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->clear();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(box, &tab);
    settle();
}

// A button pressed with the mouse: it takes the focus first, so that the exit checks of the
// box left take part.
void press(QPushButton *button)
{
    QApplication::setActiveWindow(button->window());
    button->setFocus(Qt::MouseFocusReason);
    button->click();
    settle();
}

void pickRow(zedur::DataGrid *grid, int row, int column)
{
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, column));
    emit grid->rowPicked();
    settle();
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
        sampleEntries(*db);
    }
    PrintedMessages printed;
    zedur::setMessageSink(&printed);

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
        zedur::TMC_TableCreate_Form screen;
        shoot(screen, out + "/table-init.png");
    }
    {
        zedur::TMC_WonJaJeyInPut_Form screen;
        shoot(screen, out + "/receipts.png");
        pickRow(screen.DBGrid1, 4, 17);
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
    zedur::setMessageSink(nullptr);
    return 0;
}
