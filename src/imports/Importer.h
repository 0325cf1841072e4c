#pragma once

#include "common/SheetReader.h"
#include "common/SystemInfo.h"
#include "imports/ImportReport.h"

#include <memory>

namespace zedur {
class Db;
}

// One kind of import: it reads a sheet's titles, judges each row by the rules of the
// screen that would have entered it, and writes the rows it accepts while the import may
// still write (nothing was refused so far and it is no check). The run around it keeps
// all of it in one transaction, committed only when no row was refused.
namespace zedur::imports {

class ImportContext
{
public:
    ImportContext(Db &db, const ImportOptions &options, const RowSink &sink, ImportOutcome &outcome);

    Db &db() const { return m_db; }
    const ImportOptions &options() const { return m_options; }
    const AuditValues &audit() const { return m_audit; }
    // Whether accepted rows are written: neither a check nor a refusal so far.
    bool writing() const { return !m_options.checkOnly && m_outcome.problems == 0; }
    // A row judged: counted, passed on.
    void report(const RowReport &report);
    // A problem of a sheet or of the whole file (sheet empty for the file).
    void fileProblem(const QString &sheet, int row, const Problem &problem);

private:
    Db &m_db;
    ImportOptions m_options;
    const RowSink &m_sink;
    ImportOutcome &m_outcome;
    AuditValues m_audit;
};

class Importer
{
public:
    virtual ~Importer() = default;
    // The sheet's title row; false when its rows cannot be read (the problems reported).
    virtual bool beginSheet(ImportContext &context, const QString &sheet, int titleRow, const SheetCells &titles) = 0;
    virtual void row(ImportContext &context, const QString &sheet, int number, const SheetCells &cells) = 0;
    // After the last row of the file, before anything is committed.
    virtual void finish(ImportContext &) {}
};

// The importer of a kind; nothing when the books refuse the kind as a whole (reported).
std::unique_ptr<Importer> makeImporter(Kind kind, ImportContext &context);

} // namespace zedur::imports
