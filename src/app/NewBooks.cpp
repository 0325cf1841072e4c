#include "app/NewBooks.h"

#include "common/Failure.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QProcess>

namespace zedur {

namespace {
const QString toolName = QStringLiteral("zedur-newdb");

QString toolReason(QProcess &process)
{
    QString reason = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    const QString prefix = toolName + QStringLiteral(": ");
    if (reason.startsWith(prefix))
        reason.remove(0, prefix.size());
    if (reason.isEmpty())
        reason = QStringLiteral("%1 exited with code %2").arg(toolName).arg(process.exitCode());
    return reason;
}

// The path on a line of its own: a home folder's path is long.
QString fileLines(const QString &path)
{
    return QStringLiteral("  장부 파일 :") + LB + QStringLiteral("  ") + path;
}
} // namespace

QString newBooksTool()
{
    return QCoreApplication::applicationDirPath() + u'/' + toolName;
}

NewBooksResult createBooksWithTool(const QString &tool, const QString &databaseFile, const QString &month)
{
    NewBooksResult result{NewBooksResult::Outcome::Failed, databaseFile, month, {}};
    if (QFileInfo::exists(databaseFile)) {
        result.outcome = NewBooksResult::Outcome::AlreadyThere;
        return result;
    }
    QProcess process;
    process.start(tool, {databaseFile, month});
    if (!process.waitForStarted()) {
        result.reason = QStringLiteral("%1: %2").arg(tool, process.errorString());
        return result;
    }
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.reason = QStringLiteral("%1 did not finish").arg(tool);
        return result;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        result.reason = toolReason(process);
        return result;
    }
    result.outcome = NewBooksResult::Outcome::Created;
    return result;
}

int reportNewBooks(const NewBooksResult &result)
{
    switch (result.outcome) {
    case NewBooksResult::Outcome::Created:
        msg::information(QStringLiteral("새 장부를 만들었습니다.") + LB + LB + fileLines(result.path) + LB +
                         QStringLiteral("  시작 월 : ") + result.month + LB + LB +
                         QStringLiteral("  프로그램을 시작하면 이 장부를 엽니다."));
        return 0;
    case NewBooksResult::Outcome::AlreadyThere:
        msg::warning(QStringLiteral("이미 장부가 있어서 새로 만들지 않았습니다.") + LB + LB + fileLines(result.path) +
                     LB + LB + QStringLiteral("  있던 장부는 그대로 두었습니다."));
        return 1;
    case NewBooksResult::Outcome::Failed:
        break;
    }
    reportFailure(QStringLiteral("새 장부를 만들지 못했습니다.") + LB + LB + fileLines(result.path),
                  QStringLiteral("zedur --new-books"), QStringLiteral("새 장부 만들기 실패"),
                  Failure(toolName, result.reason));
    return 1;
}

int runNewBooksAction()
{
    const QString month = QDate::currentDate().toString(QStringLiteral("yyyy-MM"));
    return reportNewBooks(createBooksWithTool(newBooksTool(), databasePath(), month));
}

} // namespace zedur
