#include "common/ErrorLog.h"
#include "common/SystemInfo.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zedur;

namespace {
const ErrorEntry entry{"procedure TMC_WonJaJeyCode_Form.pSqlToInsert;",
                       "테이블 MC_WonJaJeyCode에 등록시 에러가 있습니다.", "StoreError", "UNIQUE constraint failed"};

QStringList linesOf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class ErrorLogTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString path() const { return dir.path() + "/Data_Save/ErrorMessage.Txt"; }

private slots:
    void init() { QFile::remove(path()); }

    void writesNineLineEntriesAndCreatesTheFolder()
    {
        QVERIFY(appendErrorLog(path(), entry, QDateTime(QDate(2005, 4, 17), QTime(15, 7))));
        QVERIFY(appendErrorLog(path(), entry, QDateTime(QDate(2005, 4, 17), QTime(0, 5))));
        const QStringList lines = linesOf(path());
        QCOMPARE(lines.size(), 18);
        QCOMPARE(lines.at(0), QStringLiteral("1"));
        QCOMPARE(lines.at(1), "에러발생 코드부분   :   " + entry.location);
        QCOMPARE(lines.at(2), "내용정보 부분       :   " + entry.content);
        QVERIFY(lines.at(3).startsWith("에러발생된 실행화일 :   "));
        QVERIFY(lines.at(4).startsWith("실행화일 경로[Path] :   "));
        QCOMPARE(lines.at(5), QStringLiteral("에러발생 시간       :   2005-04-17 On 03:07 pm"));
        QCOMPARE(lines.at(6), QStringLiteral("Error  Class        :   StoreError"));
        QCOMPARE(lines.at(7), QStringLiteral("Error  Message      :   UNIQUE constraint failed"));
        QCOMPARE(lines.at(8), QString(162, '-'));
        QCOMPARE(lines.at(9), QStringLiteral("2"));
        QCOMPARE(lines.at(14), QStringLiteral("에러발생 시간       :   2005-04-17 On 12:05 am"));
    }

    void numbering_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<int>("next");
        const QByteArray sep = QByteArray(162, '-');
        auto entryWith = [&](const QByteArray &number) {
            return number + "\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n" + sep + "\r\n";
        };
        QTest::newRow("no file") << QByteArray() << 1;
        QTest::newRow("thousand with separator") << entryWith("1,000") << 1001;
        QTest::newRow("two entries") << entryWith("1") + entryWith("2") << 3;
        QTest::newRow("fewer than nine lines") << QByteArray("garbage\r\nmore\r\n") << 1;
        QTest::newRow("last entry cut short") << entryWith("7") + QByteArray("8\r\nhalf an entry") << 8;
        QTest::newRow("damaged number counts entries") << entryWith("x") + entryWith("y") << 3;
    }
    void numbering()
    {
        QFETCH(QByteArray, existing);
        QFETCH(int, next);
        QDir().mkpath(dir.path() + "/Data_Save");
        if (!existing.isEmpty())
            writeRaw(path(), existing);
        QCOMPARE(nextErrorNumber(path()), next);
        // Appending keeps what was there and starts the entry on a line of its own.
        QVERIFY(appendErrorLog(path(), entry, QDateTime::currentDateTime()));
        const QStringList lines = linesOf(path());
        QCOMPARE(lines.at(lines.size() - 9), QLocale(QLocale::English).toString(next));
    }

    void unwritableLogReportsFailure()
    {
        QVERIFY(!appendErrorLog("/proc/no-such-place/ErrorMessage.Txt", entry, QDateTime::currentDateTime()));
    }
};

QTEST_GUILESS_MAIN(ErrorLogTest)
#include "tst_errorlog.moc"
