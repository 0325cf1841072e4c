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
    Untied = 4, // verify: a tie between the month's reports does not hold, or a row's figure is not
                // what its rule works out; copy: the copied books do not hold the same rows
};

struct Invocation {
    QString command;  // status, allocate, close, export, verify, copy, backups, restore
    QString month;    // YYYY-MM for every command but status
    QString database; // the books file
    QString report;   // export: the report's name
    QString out;      // export: the file to write; empty: a new file under Data_Save/
    QString to;       // copy: where the new books go (the books copied are `database`)
    QString importKind; // import: raw-materials, products, trees, accounts, opening
    QString file;       // import: the spreadsheet read; restore: the backup file
    bool checkOnly = false; // import --check: judge every row, write nothing
    bool update = false;    // import --update: change codes already in the books
};

// The commands it knows, and what a command needs besides its name.
bool knownCommand(const QString &command);
bool needsMonth(const QString &command);
bool needsReport(const QString &command);
bool needsTarget(const QString &command);
// restore takes a backup file.
bool needsFile(const QString &command);
// import takes a kind and a file, and the options --check and --update.
bool takesFile(const QString &command);
// The names export knows, each with its report's title.
QString reportNames();
bool knownReport(const QString &name);

int run(const Invocation &invocation);

} // namespace zedur::cli
