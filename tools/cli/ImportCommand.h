#pragma once

#include "CliCommands.h"

namespace zedur {
class Db;
struct Period;
} // namespace zedur

namespace zedur::cli {

// "import KIND FILE [--check] [--update]": the file's rows of one kind into the books, all or
// none; every refused row on standard output with its sheet, row, column and reason.
int importFile(Db &db, const Invocation &invocation, const Period &);

// The kinds import takes, each with what it brings in.
QString importKindNames();
bool knownImportKind(const QString &name);

} // namespace zedur::cli
