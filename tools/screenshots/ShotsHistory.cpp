#include "Shots.h"

#include "MonthGenerator.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "reports/ui/ReportPages.h"
#include "reports/ui/TMC_ReportJeyJoVwList_Form.h"
#include "reports/ui/TMC_ReportJeyPumTrend_Form.h"
#include "reports/ui/TMC_ReportPLVwList_Form.h"
#include "store/Books.h"
#include "store/Db.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

namespace shots {

namespace {

// The generated products under the names a furniture maker would give them.
void nameProducts(zedur::Db &db)
{
    const QStringList names{"철제 선반 4단", "사무용 책상 1200", "강철 캐비닛 3단", "회의용 의자", "서류함 5단",
                            "작업대 1800"};
    const QVector<QPair<QString, QString>> columns{{"MC_ChaongGoJeyPumInPut", "JeyPum_"},
                                                   {"MC_ChaongGoJeyPumInPut_ChulGo", "ChulGo_"},
                                                   {"MC_ChaongGoJeyPumInPut_TaAc", "TaJeyPum_"}};
    for (int i = 0; i < names.size(); ++i) {
        const zedur::Params p{{":code", QStringLiteral("P%1").arg(i + 1, 4, 10, QChar(u'0'))}, {":name", names.at(i)}};
        db.exec("UpDate MC_JeyPumCode Set Jey_Name = :name, Jey_NameAlias = :name Where Jey_Code = :code", p);
        for (const auto &[table, prefix] : columns)
            db.exec(QStringLiteral("UpDate %1 Set %2JeyPumName = :name Where %2JeyPumCode = :code").arg(table, prefix),
                    p);
    }
}

template <class Screen> void statement(const QString &out, const QString &name)
{
    Screen screen;
    screen.show();
    press(screen.SearchBtn);
    shoot(screen, out + "/" + name + ".png");
    const QString pdf = out + "/" + name + ".pdf";
    std::printf("%s %s\n", qPrintable(pdf), zedur::reports::writeReportPdf(pdf, screen.pages()) ? "" : "(failed)");
}

} // namespace

// Books of fourteen months (March 2004 to April 2005, each allocated and closed but the
// last), so that the charts have their twelve months and the year turns inside them.
void shootHistory(const QString &out)
{
    QTemporaryDir dir;
    zedur::setAppDirForTesting(dir.path());
    zedur::createDatabase(zedur::databasePath(), {"2004", "03"}, zedur::AuditValues::now());
    {
        auto db = zedur::Db::openDefault();
        zedur::test::generateBooks(*db, 2004, 14, zedur::test::MonthShape{60});
        nameProducts(*db);
    }
    statement<zedur::TMC_ReportJeyJoVwList_Form>(out, "history-cogm");
    statement<zedur::TMC_ReportPLVwList_Form>(out, "history-income");

    zedur::TMC_ReportJeyPumTrend_Form trend;
    trend.show();
    press(trend.SearchBtn);
    trend.cbJeyPum->setCurrentIndex(1);
    shoot(trend, out + "/history-trend.png");
    const QString pdf = out + "/history-trend.pdf";
    std::printf("%s %s\n", qPrintable(pdf), zedur::reports::writeReportPdf(pdf, trend.pages()) ? "" : "(failed)");

    // A range picked by hand, the first month after the last: turned round.
    typeAndLeave(trend.cbFromYear, QString());
    trend.cbFromYear->setCurrentIndex(trend.cbFromYear->findText("2005"));
    trend.cbFromMonth->setCurrentIndex(trend.cbFromMonth->findText("04"));
    trend.cbYear->setCurrentIndex(trend.cbYear->findText("2005"));
    trend.cbMonth->setCurrentIndex(trend.cbMonth->findText("01"));
    press(trend.SearchBtn);
    shoot(trend, out + "/history-trend-range.png");
}

} // namespace shots
