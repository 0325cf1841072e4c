// zedur-screenshots OUTDIR: opens each screen on a small set of sample books and saves a
// picture of it, so that screens can be looked at as a user sees them (run under xvfb-run
// or QT_QPA_PLATFORM=offscreen; fonts-nanum renders the Korean).
#include "app/TMC_ZedUrMain_Form.h"
#include "closing/TMC_TableCreate_Form.h"
#include "common/ListCombo.h"
#include "common/Messages.h"
#include "common/NumberBox.h"
#include "common/SystemInfo.h"
#include "entries/Completion.h"
#include "entries/Issues.h"
#include "entries/Receipts.h"
#include "entries/TMC_JeyGongPumWoulInPut_Form.h"
#include "entries/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "entries/TMC_WonJaJeyTaJeyGongVw_Form_JeyGong.h"
#include "entries/TMC_WonJaJeyTaJeyGongVw_Form_TaAc.h"
#include "masters/TMC_WonJaJeyCode_Form.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
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

// Boxes cannot be clicked away in a picture run: their texts are printed instead.
class PrintedMessages : public zedur::MessageSink
{
public:
    bool show(zedur::MessageKind, const QString &, const QString &text, bool) override
    {
        std::printf("  message: %s\n", qPrintable(QString(text).replace(zedur::LB, QStringLiteral(" / "))));
        return true;
    }
};

const zedur::Period April{QStringLiteral("2005"), QStringLiteral("04")};

QString receive(zedur::Db &db, const QString &code, const QString &name, const QString &unit, double quantity,
                double price, const QString &day, const QString &sale)
{
    using namespace zedur::receipts;
    const auto serial = beginNewReceipt(db, April, {});
    ReceiptEntry e;
    e.serial = serial.value;
    e.day = day;
    e.wonCode = code;
    e.wonName = name;
    e.danWi = unit;
    e.model = QStringLiteral("KS-2024");
    e.pumName = name;
    e.kuSize = QStringLiteral("1219x2438");
    e.serialJen = QStringLiteral("TS-04") + day;
    e.taxNumber = QStringLiteral("12-") + day;
    e.saleCode = QStringLiteral("S01");
    e.saleName = sale;
    e.saleNumber = QStringLiteral("123-45-67890");
    e.saleDyiPou = QStringLiteral("김대표");
    e.textMemo = QStringLiteral("4월 정기 구매");
    e.quantity = QString::number(quantity, 'f', 4);
    e.price = QString::number(price, 'f', 4);
    e.amount = QString::number(quantity * price, 'f', 4);
    saveNewReceipt(db, {April, e, {}, {}, zedur::AuditValues::now()});
    return serial.value;
}

void issue(zedur::Db &db, const QString &receipt, zedur::issues::IssueKind kind, const QString &quantity,
           const QString &day, const QString &memo)
{
    zedur::issues::IssueRequest r;
    r.shown = April;
    r.receiptSerial = receipt;
    r.kind = kind;
    r.quantity = quantity;
    r.day = day;
    r.textMemo = memo;
    r.audit = zedur::AuditValues::now();
    if (const zedur::Verdict v = zedur::issues::saveIssue(db, r))
        std::printf("sample issue refused: %s\n", qPrintable(v->text));
}

QString lotOf(zedur::Db &db, const QString &receipt, const QString &quantity)
{
    return db
        .scalar("Select Gong_Serial From MC_JeyGongPumInPut Where Gong_InPutSerial = :r And Gong_SuKg = :q",
                {{":r", receipt}, {":q", quantity.toDouble()}})
        .toString();
}

void complete(zedur::Db &db, const QString &lot, const QString &rate)
{
    zedur::completion::CompletionSave s;
    s.shown = April;
    s.serial = lot;
    s.wonCode = QStringLiteral("X");
    s.typedRate = rate;
    s.textMemo =
        db.scalar("Select Gong_TextMemo From MC_JeyGongPumInPut Where Gong_Serial = :s", {{":s", lot}}).toString();
    s.saveDate = zedur::saveDateNow();
    if (const zedur::Verdict v = zedur::completion::saveCompletion(db, s))
        std::printf("sample rate refused: %s\n", qPrintable(v->text));
}

// A month of receipts with some issued and transferred, one drawn beyond what came in, and
// lots at several completion rates, one carried forward from March at 60 percent.
void sampleEntries(zedur::Db &db)
{
    using zedur::issues::IssueKind;
    const QString steel = receive(db, "ST01", "냉연강판 1.2T", "kg", 1200, 3250.5, "03", "대한철강(주)");
    const QString hot = receive(db, "ST02", "열연강판 3.0T", "kg", 800, 2980, "04", "대한철강(주)");
    const QString bolts = receive(db, "BT10", "육각볼트 M10", "EA", 5000, 85.25, "07", "한국볼트상사");
    receive(db, "PN01", "분체도료 회색", "kg", 300, 12500, "11", "삼화페인트");
    const QString rubber = receive(db, "RB05", "고무패킹 50mm", "EA", 1000, 420, "12", "동아고무");
    issue(db, steel, IssueKind::Lot, "500", "05", "선반 프레임 1차");
    issue(db, steel, IssueKind::Lot, "150", "12", "선반 프레임 2차");
    issue(db, steel, IssueKind::Transfer, "100", "15", "시제품 견본");
    issue(db, hot, IssueKind::Lot, "800", "06", "받침대");
    issue(db, bolts, IssueKind::Transfer, "200", "08", "설비 수리용");
    issue(db, bolts, IssueKind::Lot, "3000", "10", "조립");
    issue(db, rubber, IssueKind::Lot, "900", "13", "도어 패킹");
    // The receipt corrected afterwards to fewer than were issued: its stock goes negative.
    db.exec("UpDate MC_WonJaJeyInPut Set InPut_SuKg = 850, InPut_GaAmt = 357000 Where InPut_Serial = :s",
            {{":s", rubber}});
    complete(db, lotOf(db, steel, "500"), "100");
    complete(db, lotOf(db, steel, "150"), "35.127");
    complete(db, lotOf(db, bolts, "3000"), "60");
    // A lot carried forward from March at 60 percent with its earlier costs.
    db.exec("Insert InTo MC_JeyGongPumInPut (Gong_Serial, Gong_Date, Gong_Year, Gong_Month, Gong_WonCode, "
            "Gong_WonName, Gong_DanWi, Gong_SuKg, Gong_DanGa, Gong_GaAmt, Gong_Kubun, Gong_JenGiWoul, "
            "Gong_DaongWoul, Gong_TotWoul, Gong_JenGiWonAmt, Gong_JenGiNoMu_01, Gong_JenGiNoMu_02, "
            "Gong_JenGiJeyJo_01, Gong_JenGiJeyJo_02, Gong_DaongWonAmt, Gong_WoulAmtTot, Gong_TextMemo) "
            "Values ('A0000000099', '2005-04-01', '2005', '04', 'ST01', '냉연강판 1.2T', 'kg', 400, 3250.5, "
            "1300200, '전기이월', 60, 0, 60, 780120, 150000, 82000, 64000, 31000, 0, 1107120, '3월 이월분')");
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
        sampleEntries(*db);
    }
    PrintedMessages messages;
    zedur::setMessageSink(&messages);

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
        const int carried = screen.DBGrid1->result().find("Gong_Serial", "A0000000099");
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
    return 0;
}
