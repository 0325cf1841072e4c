// zedur-screenshots OUTDIR: opens each screen on a small set of sample books and saves a
// picture of it, so that screens can be looked at as a user sees them (run under xvfb-run
// or QT_QPA_PLATFORM=offscreen; fonts-nanum renders the Korean).
#include "app/TMC_ZedUrMain_Form.h"
#include "closing/TMC_TableCreate_Form.h"
#include "common/SystemInfo.h"
#include "masters/TMC_AcNameCode_Form.h"
#include "masters/TMC_JeyPumCode_Form.h"
#include "masters/TMC_WonJaJeyCode_Form.h"
#include "store/Books.h"
#include "store/Db.h"
#include "store/Serials.h"

#include <QApplication>
#include <QDir>
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
        zedur::TMC_TableCreate_Form screen;
        shoot(screen, out + "/table-init.png");
    }
    return 0;
}
