// zedur-screenshots OUTDIR: opens each screen on a small set of sample books and saves a
// picture of it, so that screens can be looked at as a user sees them (run under xvfb-run
// or QT_QPA_PLATFORM=offscreen; fonts-nanum renders the Korean).
#include "app/TMC_ZedUrMain_Form.h"
#include "closing/TMC_TableCreate_Form.h"
#include "common/SystemInfo.h"
#include "masters/TMC_WonJaJeyCode_Form.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QApplication>
#include <QDir>
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
        zedur::TMC_TableCreate_Form screen;
        shoot(screen, out + "/table-init.png");
    }
    return 0;
}
