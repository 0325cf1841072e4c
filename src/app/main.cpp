#include "app/NewBooks.h"
#include "app/SingleInstance.h"
#include "app/TMC_ZedUrMain_Form.h"
#include "common/BooksClaim.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "common/ui/Desktop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <cstdio>

namespace {

// The install check: the start-up a user gets, with its boxes printed instead of shown; the
// exit code says whether the books opened.
int startAndExit()
{
    zedur::PrintedMessages boxes(stderr, false);
    zedur::setMessageSink(&boxes);
    int code = 1;
    {
        zedur::TMC_ZedUrMain_Form window;
        window.show();
        QTimer::singleShot(0, qApp, [&window] { QCoreApplication::exit(window.connected() ? 0 : 1); });
        code = QCoreApplication::exec();
        window.stoppedCleanly();
    }
    zedur::setMessageSink(nullptr);
    std::printf("%s %s\n", code == 0 ? "opened" : "could not open", qPrintable(zedur::databasePath()));
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("제조원가 계산"));
    // The desktop matches the windows to the menu entry (zedur.desktop) and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zedur"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zedur")));
    // The screens were laid out for Gulim 13 px; NanumGothic is the Korean face at hand here.
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    zedur::useDesktop();

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("소규모 제조업체의 월별 제조원가 계산"));
    options.addHelpOption();
    const QCommandLineOption newBooks(QStringLiteral("new-books"),
                                      QStringLiteral("이번 달로 시작하는 새 장부를 만들고, 만든 곳을 알려 줍니다."));
    const QCommandLineOption exitAfterStart(
        QStringLiteral("exit-after-start"),
        QStringLiteral(
            "설치 점검용: 장부를 열어 보고 곧 끝냅니다 (열리면 0, 아니면 1). 알림 상자는 표준 오류로 씁니다."));
    const QCommandLineOption books(
        QStringLiteral("db"),
        QStringLiteral("장부의 위치: 장부 파일, 또는 PostgreSQL 서버의 postgresql://사용자@호스트[:포트]/데이터베이스 "
                       "(기본: ZedUr.ini 설정, 없으면 Access_Db/ZedUr_DB.mdb)."),
        QStringLiteral("위치"));
    const QCommandLineOption readOnly(
        QStringLiteral("read-only"),
        QStringLiteral("장부를 읽기 전용으로 엽니다: 조회, 보고서, 엑셀 저장만 하고 장부는 바꾸지 않습니다."));
    options.addOptions({newBooks, exitAfterStart, books, readOnly});
    options.process(app);
    if (options.isSet(books))
        zedur::setDatabaseLocation(options.value(books));
    zedur::setBooksReadOnlyRequested(options.isSet(readOnly));
    if (options.isSet(newBooks))
        return zedur::runNewBooksAction();
    if (options.isSet(exitAfterStart))
        return startAndExit();

    zedur::SingleInstance instance;
    // Open books are not written under the screens by the command line, nor opened while a
    // command of it writes them.
    const zedur::BooksClaim claim(zedur::databasePath(), zedur::programsClaim, zedur::BooksClaim::Mode::Shared,
                                  zedur::BooksHolder::theProgram());
    if (!claim.held()) {
        zedur::msg::warning(zedur::booksHeldText(claim.holder()));
        return 1;
    }
    zedur::TMC_ZedUrMain_Form window;
    // A second start hands over to the first and ends, but only when the database is
    // there: without it every start runs on its own.
    if (window.connected() && instance.handOverToFirst())
        return 0;
    instance.serve(&window);
    window.show();
    const int code = app.exec();
    window.stoppedCleanly();
    return code;
}
