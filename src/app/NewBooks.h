#pragma once

#include <QString>

// The desktop entry's second action: books for the current month, made by the new-books tool
// beside the program at the place the program opens them from, with a box that says where
// they went or why not. The program never makes books on its own at start-up.
namespace zedur {

struct NewBooksResult {
    enum class Outcome { Created, AlreadyThere, Failed };
    Outcome outcome = Outcome::Failed;
    QString path;
    QString month;  // "yyyy-MM"
    QString reason; // why not, when Failed
};

// Runs `tool PATH MONTH`; books already at PATH are never handed to the tool.
NewBooksResult createBooksWithTool(const QString &tool, const QString &databaseFile, const QString &month);

// zedur-newdb beside the running program.
QString newBooksTool();

// Shows where the books were made or why not, and logs a failure. Returns the program's
// exit code: 0 only when books were made.
int reportNewBooks(const NewBooksResult &result);

// The action: books for today's month at databasePath(), reported as above.
int runNewBooksAction();

} // namespace zedur
