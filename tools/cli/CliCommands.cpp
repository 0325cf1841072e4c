#include "CliCommands.h"

#include "ImportCommand.h"

#include "closing/Allocation.h"
#include "closing/MonthClose.h"
#include "common/BooksClaim.h"
#include "common/ErrorLog.h"
#include "common/Failure.h"
#include "common/Messages.h"
#include "common/OutputFile.h"
#include "common/SavedFiles.h"
#include "common/TextNumber.h"
#include "common/Workbook.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportMonth.h"
#include "reports/Ties.h"
#include "store/Backup.h"
#include "store/BooksCopy.h"
#include "store/Db.h"
#include "store/Integrity.h"
#include "store/Periods.h"
#include "store/Restore.h"
#include "store/StoreError.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <unistd.h>

namespace zedur::cli {

namespace {

struct Command {
    QString name;
    bool writes;
    bool month;  // takes YYYY-MM
    bool report; // takes a report's name before the month
    bool file;   // takes a file after the command
    std::function<int(Db &db, const Invocation &invocation, const Period &month)> run;
    // A command that opens the books itself, instead of `run`.
    std::function<int(const Invocation &invocation)> runOnLocations = {};
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

int status(Db &db, const Invocation &, const Period &)
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

int allocate(Db &db, const Invocation &, const Period &month)
{
    const RunOutcome outcome = runAllocation(db, month, terminalProgress());
    if (outcome.done())
        out(monthText(month) + QStringLiteral(" 배부액 계산 완료: ") + outcome.status);
    return refusedOrDone(outcome);
}

int close(Db &db, const Invocation &, const Period &month)
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

// The reports read only the month they are asked for, as their screens do: a month the
// period table does not have is refused with the screens' warning.
bool reportMonthRefused(Db &db, const Period &month)
{
    const reports::MonthCheck check = reports::checkReportMonth(db, month);
    if (!check.ok())
        msg::warning(check.refusal);
    return !check.ok();
}

int exportReport(Db &db, const Invocation &invocation, const Period &month)
{
    const reports::ReportKind *kind = reports::reportNamed(invocation.report);
    if (reportMonthRefused(db, month))
        return Refused;
    const QString path =
        invocation.out.isEmpty() ? newSavedFilePath(kind->className, QStringLiteral("xlsx")) : invocation.out;
    // Before the report is made: a path that may not be written is refused at once.
    if (const std::optional<QString> refusal = refusalToWrite(path, spreadsheetOutput()))
        throw OutputRefused(*refusal);
    QVector<ExportSheet> sheets;
    {
        // Never committed: the report's work tables stay as the screens left them.
        Transaction untouched(db);
        sheets = kind->sheets(db, month);
    }
    if (!writeWorkbook(path, sheets))
        throw Failure(QStringLiteral("EWriteError"), QStringLiteral("파일을 쓸 수 없습니다: ") + path);
    QStringList counts;
    for (const ExportSheet &sheet : sheets)
        counts << QStringLiteral("%1 %2행")
                      .arg(sheet.sheetName.isEmpty() ? kind->title : sheet.sheetName)
                      .arg(sheet.rows.size());
    out(monthText(month) + u' ' + kind->title + QStringLiteral(": ") + counts.join(QStringLiteral(", ")));
    out(path);
    return Done;
}

QString figure(double value)
{
    return std::isnan(value) ? QStringLiteral("(없음)") : formatFloat(QStringLiteral("#,##0.0000"), value);
}

int verify(Db &db, const Invocation &, const Period &month)
{
    if (reportMonthRefused(db, month))
        return Refused;
    const reports::ties::Verification v = reports::ties::verifyMonth(db, month);
    int holding = 0;
    for (const reports::ties::Tie &t : v.ties) {
        holding += t.holds();
        out((t.holds() ? QStringLiteral("일치    ") : QStringLiteral("불일치  ")) + t.what);
        out(QStringLiteral("        %1 | %2 (차이 %3, 허용 %4)")
                .arg(figure(t.left), figure(t.right), QString::number(t.left - t.right, 'f', 6),
                     QString::number(t.tolerance, 'f', 6)));
    }
    for (const reports::rowchecks::RowDifference &d : v.rows.differences)
        out(QStringLiteral("행 불일치  %1  %2  %3  저장 %4  계산 %5  (차이 %6, 허용 %7)")
                .arg(d.table, d.serial, d.column, figure(d.stored), figure(d.workedOut),
                     QString::number(d.stored - d.workedOut, 'f', 6), QString::number(d.tolerance, 'f', 6)));
    for (const QString &note : v.notes + v.rows.notes)
        out(QStringLiteral("참고: ") + note);
    out(monthText(month) + QStringLiteral(" 행 대조: 장부 행 %1개를 다시 계산, 다른 값 %2건")
                               .arg(v.rows.rows)
                               .arg(v.rows.differences.size()));
    out(monthText(month) + QStringLiteral(" 대조 %1건 중 %2건 일치").arg(v.ties.size()).arg(holding));
    return v.holds() ? Done : Untied;
}

int backups(const Invocation &invocation)
{
    const QVector<BackupInfo> list = listBackups(invocation.database);
    for (const BackupInfo &b : list)
        out(QStringLiteral("%1  %2  %3  %4  %5")
                .arg(b.moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), b.why(),
                     (b.openMonth + u' ' + b.openState).trimmed(), backupSizeText(b.size), b.file));
    out(QStringLiteral("백업 %1개: %2").arg(list.size()).arg(backupFolderOf(invocation.database)));
    if (const QString warning = backupFolderWarning(invocation.database); !warning.isEmpty())
        msg::warning(warning);
    return Done;
}

int restore(const Invocation &invocation)
{
    try {
        const bool damaged = !damageFound(invocation.database).isEmpty();
        PreparedRestore prepared(invocation.database, invocation.file, damaged, terminalProgress());
        out(plainLines(restoreConfirmationText(prepared.preview(), QString())).trimmed());
        const RestoreDone done = prepared.commit(terminalProgress());
        out(QStringLiteral("복원 완료: 열린 월 ") + done.openNow);
        out(QStringLiteral("복원 전 장부의 백업: ") + done.backupOfPresent);
        if (!done.folderWarning.isEmpty())
            msg::warning(done.folderWarning);
    } catch (const RestoreRefused &refused) {
        msg::warning(refused.message());
        return Refused;
    }
    return Done;
}

int copy(const Invocation &invocation)
{
    CopyOutcome outcome;
    try {
        outcome = copyBooks(invocation.database, invocation.to);
    } catch (const BooksExistError &) {
        msg::warning(QStringLiteral("복사할 곳에 이미 장부(또는 파일)가 있습니다: ") + invocation.to + LB +
                     QStringLiteral("새 파일 이름이나 빈 데이터베이스를 지정하세요......."));
        return Refused;
    }
    for (const CopiedTable &t : outcome.tables)
        out(QStringLiteral("%1%2 %3행")
                .arg(t.same ? QStringLiteral("같음    ") : QStringLiteral("다름    "), t.name)
                .arg(t.targetRows));
    if (!outcome.allSame()) {
        out(QStringLiteral("복사한 장부의 행이 원래 장부와 다릅니다: ") + invocation.to);
        return Untied;
    }
    out(QStringLiteral("%1 → %2 복사 완료: 표 %3개, %4행이 모두 같습니다.")
            .arg(invocation.database, invocation.to)
            .arg(outcome.tables.size())
            .arg(outcome.rows()));
    return Done;
}

const QVector<Command> &commands()
{
    static const QVector<Command> all{{QStringLiteral("status"), false, false, false, false, status},
                                      {QStringLiteral("allocate"), true, true, false, false, allocate},
                                      {QStringLiteral("close"), true, true, false, false, close},
                                      {QStringLiteral("export"), false, true, true, false, exportReport},
                                      {QStringLiteral("verify"), false, true, false, false, verify},
                                      {QStringLiteral("copy"), false, false, false, false, {}, copy},
                                      {QStringLiteral("backups"), false, false, false, false, {}, backups},
                                      {QStringLiteral("restore"), true, false, false, true, {}, restore},
                                      {QStringLiteral("import"), true, false, false, false, importFile}};
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
    return c && c->month;
}

bool needsReport(const QString &command)
{
    const Command *c = commandNamed(command);
    return c && c->report;
}

bool needsTarget(const QString &command)
{
    return command == u"copy";
}

bool needsFile(const QString &command)
{
    const Command *c = commandNamed(command);
    return c && c->file;
}

bool takesFile(const QString &command)
{
    return command == u"import";
}

QString reportNames()
{
    QString text;
    for (const reports::ReportKind &kind : reports::reportCatalogue())
        text += QStringLiteral("  %1%2\n").arg(kind.name, -25).arg(kind.title);
    return text;
}

bool knownReport(const QString &name)
{
    return reports::reportNamed(name) != nullptr;
}

int run(const Invocation &invocation)
{
    const Command *command = commandNamed(invocation.command);
    const Period month{invocation.month.left(4), invocation.month.mid(5, 2)};
    // The program's screens would not see a change made under them, and an entry screen open
    // there would escape the "배부액재계산" rule: write only while no program has these books
    // open and no other command writes them.
    std::optional<BooksClaim> claim;
    if (command->writes && !invocation.checkOnly) {
        claim.emplace(invocation.database, programsClaim, BooksClaim::Mode::Alone,
                      BooksHolder::commandLine(invocation.command + u' ' + invocation.month));
        if (!claim->held()) {
            msg::warning(booksHeldText(claim->holder()));
            return Refused;
        }
    }
    try {
        if (command->runOnLocations)
            return command->runOnLocations(invocation);
        // A command that changes nothing opens the books only to read them: it works on books
        // the user may not write, and cannot change them by mistake.
        const std::unique_ptr<Db> db =
            Db::open(invocation.database, command->writes ? OpenMode::AsAllowed : OpenMode::ReadOnly);
        return command->run(*db, invocation, month);
    } catch (const OutputRefused &refused) {
        msg::warning(refused.message());
        return Refused;
    } catch (const Failure &failure) {
        reportFailure(
            QStringLiteral("zedur-cli ") + invocation.command + QStringLiteral(" 작업 중 오류가 발생하였습니다."),
            QStringLiteral("zedur-cli ") + invocation.command + u' ' + invocation.month, invocation.database, failure);
        return Failed;
    }
}

} // namespace zedur::cli
