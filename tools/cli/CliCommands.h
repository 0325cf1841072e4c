#pragma once

#include <QString>

// The commands of zedur-cli, on the same engines and rules as the screens. Messages go to
// standard error as the screens would show them; results to standard output.
namespace zedur::cli {

enum Exit {
    Done = 0,
    Refused = 1, // a rule of the books stopped it; nothing was changed
    Usage = 2,
    Failed = 3, // the database or a file failed; shown and written to the error log
};

struct Invocation {
    QString command;  // status, allocate, close
    QString month;    // YYYY-MM for allocate and close
    QString database; // the books file
};

// The commands it knows, and whether a command needs a month.
bool knownCommand(const QString &command);
bool needsMonth(const QString &command);

int run(const Invocation &invocation);

} // namespace zedur::cli
