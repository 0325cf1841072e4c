#pragma once

#include "imports/ImportReport.h"

namespace zedur {
class Db;
}

namespace zedur::imports {

// Brings the file's rows of one kind into the books: every row judged (each passed to
// `sink`), all of them written in one transaction or none; nothing written when any row or
// the file is refused, or when the options ask only for a check. A file that cannot be read
// is one problem of the file. Database failures throw StoreError (nothing written).
ImportOutcome runImport(Db &db, Kind kind, const QString &path, const ImportOptions &options, const RowSink &sink = {});

} // namespace zedur::imports
