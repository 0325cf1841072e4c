#include "CliCommands.h"

#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "common/ErrorLog.h"
#include "common/Failure.h"
#include "common/Messages.h"
#include "common/ProgramLock.h"
#include "store/Db.h"
#include "store/Periods.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <unistd.h>

namespace zedur::cli {

namespace {

struct Command {
    QString name;
    bool writes;
    std::function<int(Db &db, const Period &month)> run;
};

void out(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

// Step names on standard error while someone watches it.
Progress terminalProgress()
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [](const QString &step) {
        std::fprintf(stderr, "... %s\n", step.toUtf8().constData());
        std::fflush(stderr);
    };
}

QString monthText(const Period &p)
{
    return p.year + u'-' + p.month;
}

int status(Db &db, const Period &)
{
    const std::optional<PeriodRow> open = period::theOpenPeriod(db);
    if (!open) {
        msg::warning(period::notUniqueWarning());
        return Refused;
    }
    out(monthText(open->period) + u' ' + open->state + u' ' + open->memo);
    return Done;
}

int refusedOrDone(const RunOutcome &outcome)
{
    if (outcome.refusal) {
        msg::warning(outcome.refusal->text);
        return Refused;
    }
    return Done;
}

int allocate(Db &db, const Period &month)
{
    const RunOutcome outcome = runAllocation(db, month, terminalProgress());
    if (outcome.done())
        out(monthText(month) + QStringLiteral(" 배부액 계산 완료: ") + outcome.status);
    return refusedOrDone(outcome);
}

int close(Db &db, const Period &month)
{
    const CloseOutcome outcome = runMonthClose(db, month, {}, terminalProgress());
    if (outcome.done()) {
        out(monthText(month) + QStringLiteral(" 마감 및 이월 완료: 원자재 %1건, 재공품 %2건, 제품 %3건 이월")
                                   .arg(outcome.carriedReceipts)
                                   .arg(outcome.carriedLots)
                                   .arg(outcome.carriedProducts));
        out(QStringLiteral("열린 월: ") + monthText(nextMonth(month)) + u' ' + outcome.status);
        out(QStringLiteral("백업: ") + outcome.backupPath);
    }
    return refusedOrDone(outcome);
}

const QVector<Command> &commands()
{
    static const QVector<Command> all{{QStringLiteral("status"), false, status},
                                      {QStringLiteral("allocate"), true, allocate},
                                      {QStringLiteral("close"), true, close}};
    return all;
}

const Command *commandNamed(const QString &name)
{
    for (const Command &c : commands())
        if (c.name == name)
            return &c;
    return nullptr;
}

} // namespace

bool knownCommand(const QString &command)
{
    return commandNamed(command) != nullptr;
}

bool needsMonth(const QString &command)
{
    const Command *c = commandNamed(command);
    return c && c->writes;
}

int run(const Invocation &invocation)
{
    const Command *command = commandNamed(invocation.command);
    const Period month{invocation.month.left(4), invocation.month.mid(5, 2)};
    // The program's screens would not see a change made under them, and an entry screen open
    // there would escape the "배부액재계산" rule: write only while the program is not running.
    std::optional<ProgramLock> lock;
    if (command->writes) {
        lock.emplace(QStringLiteral("zedur"));
        if (!lock->held()) {
            msg::warning(QStringLiteral("제조원가 계산 프로그램(zedur)이 실행 중입니다.") + LB +
                         QStringLiteral("프로그램을 종료한 뒤에 다시 실행하세요......."));
            return Refused;
        }
    }
    try {
        const std::unique_ptr<Db> db = Db::open(invocation.database);
        return command->run(*db, month);
    } catch (const Failure &failure) {
        reportFailure(
            QStringLiteral("zedur-cli ") + invocation.command + QStringLiteral(" 작업 중 오류가 발생하였습니다."),
            QStringLiteral("zedur-cli ") + invocation.command + u' ' + invocation.month, invocation.database, failure);
        return Failed;
    }
}

} // namespace zedur::cli
