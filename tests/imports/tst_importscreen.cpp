#include "ImportFiles.h"
#include "TableRows.h"
#include "common/Messages.h"
#include "common/ui/ListCombo.h"
#include "imports/ui/TMC_DataImport_Form.h"
#include "ui/ScreenFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;
using namespace zedur::test;

namespace {

struct Fixture : ScreenFixture<TMC_DataImport_Form> {
    QTemporaryDir dir;
    Fixture()
    {
        addRow(db(), "MC_WonJaJeyCode", {{"Won_Code", "ST01"}, {"Won_Name", "냉연강판"}});
        open();
    }
    QString file(const QString &text)
    {
        const QString path = dir.filePath("list.csv");
        writeBytes(path, text.toUtf8());
        return path;
    }
    QStringList column(const QString &field) { return ui->column(field); }
};

} // namespace

class ImportScreenTest : public QObject
{
    Q_OBJECT
private slots:
    // 점검 lists good and bad rows and writes nothing; 가져오기 of the same file refuses.
    void checkListsRowsAndWritesNothing()
    {
        Fixture f;
        f.screen->edFile->setText(f.file("원자재 코드,원자재 이름,단가\r\nAL20,알루미늄판,4120.5\r\nSC05,나사,12원\r\n"
                                         "ST01,열연강판,1\r\n"));
        f.ui->click("CheckBtn");
        QCOMPARE(f.column("Im_Row"), (QStringList{"2", "3", "4"}));
        QCOMPARE(f.column("Im_Action"), (QStringList{"추가", "오류", "오류"}));
        QCOMPARE(f.column("Im_Column"), (QStringList{"", "단가", "원자재 코드"}));
        QCOMPARE(f.column("Im_Reason").at(1), QStringLiteral("숫자가 아닙니다: 12원"));
        QVERIFY(f.screen->lbSummary->text().contains(QStringLiteral("오류가 있어 아무것도 쓰지 않았습니다")));
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.rows("MC_WonJaJeyCode"), 1);

        f.ui->click("ImportBtn");
        QCOMPARE(f.messages.lastText(), QStringLiteral("오류가 2건 있어 아무것도 가져오지 않았습니다......") + LB +
                                            QStringLiteral("목록의 오류를 고친 뒤에 다시 가져오세요......."));
        QCOMPARE(f.rows("MC_WonJaJeyCode"), 1);
    }

    // A good file is written whole; the kind chosen decides how it is read.
    void importWritesTheChosenKind()
    {
        Fixture f;
        f.screen->cbKind->setCurrentIndex(1); // products
        QVERIFY(f.screen->MemoLayout->toPlainText().contains(QStringLiteral("제품코드")));
        f.screen->edFile->setText(f.file("제품코드,제품명\r\nP100,철제선반\r\nP200,의자\r\n"));
        f.ui->click("ImportBtn");
        QCOMPARE(f.messages.lastText(), QStringLiteral("2행을 가져왔습니다 (추가 2, 수정 0, 같음 0)......"));
        QCOMPARE(f.rows("MC_JeyPumCode"), 2);
        QCOMPARE(f.column("Im_Action"), (QStringList{"추가", "추가"}));
    }

    // An update is only made when chosen.
    void updateOnlyWhenChosen()
    {
        Fixture f;
        f.screen->edFile->setText(f.file("원자재 코드,원자재 이름\r\nST01,열연강판\r\n"));
        f.ui->click("ImportBtn");
        QCOMPARE(f.column("Im_Action"), QStringList{"오류"});
        f.screen->chkUpdate->setChecked(true);
        f.ui->click("ImportBtn");
        QCOMPARE(f.column("Im_Action"), QStringList{"수정"});
        QCOMPARE(f.db().scalar("Select Won_Name From MC_WonJaJeyCode").toString(), QStringLiteral("열연강판"));
    }

    void wrongInput_data()
    {
        QTest::addColumn<QString>("fileText");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QString() << "가져올 파일을 선택 하세요......";
        QTest::newRow("no such file") << "/nowhere/list.xlsx"
                                      << "";
    }
    void wrongInput()
    {
        QFETCH(QString, fileText);
        QFETCH(QString, message);
        Fixture f;
        f.screen->edFile->setText(fileText);
        f.ui->click("CheckBtn");
        if (!message.isEmpty()) {
            QCOMPARE(f.messages.lastText(), message);
            return;
        }
        QVERIFY(f.messages.messages.isEmpty());
        QVERIFY2(f.column("Im_Reason").value(0).startsWith(QStringLiteral("파일을 열 수 없습니다")),
                 qPrintable(f.column("Im_Reason").join(' ')));
    }
};

QTEST_MAIN(ImportScreenTest)
#include "tst_importscreen.moc"
