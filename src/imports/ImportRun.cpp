#include "imports/ImportRun.h"

#include "entries/EntryTransaction.h"
#include "imports/AccountImport.h"
#include "imports/Importer.h"
#include "imports/MasterImport.h"
#include "imports/OpeningImport.h"
#include "imports/TreeImport.h"
#include "store/Db.h"

#include <optional>

namespace zedur::imports {

ImportContext::ImportContext(Db &db, const ImportOptions &options, const RowSink &sink, ImportOutcome &outcome)
    : m_db(db), m_options(options), m_sink(sink), m_outcome(outcome), m_audit(AuditValues::now())
{
}

void ImportContext::report(const RowReport &report)
{
    switch (report.action) {
    case RowAction::Add:
        ++m_outcome.added;
        break;
    case RowAction::Update:
        ++m_outcome.updated;
        break;
    case RowAction::Same:
        ++m_outcome.same;
        break;
    case RowAction::Refused:
        ++m_outcome.refusedRows;
        break;
    }
    m_outcome.problems += int(report.problems.size());
    if (m_sink)
        m_sink(report);
}

void ImportContext::fileProblem(const QString &sheet, int row, const Problem &problem)
{
    ++m_outcome.problems;
    if (m_sink)
        m_sink({sheet, row, RowAction::Refused, {}, {}, {problem}});
}

std::unique_ptr<Importer> makeImporter(Kind kind, ImportContext &context)
{
    switch (kind) {
    case Kind::RawMaterials:
        return makeMasterImport(context, masters::rawMaterials());
    case Kind::Products:
        return makeMasterImport(context, masters::products());
    case Kind::Trees:
        return makeTreeImport(context);
    case Kind::Accounts:
        return makeAccountImport(context);
    case Kind::Opening:
        return makeOpeningImport(context);
    }
    return nullptr;
}

namespace {

// The sheets of the file as the importer sees them: the first filled row of each is its
// titles; a sheet without data rows is passed over.
class SheetWalk
{
public:
    SheetWalk(ImportContext &context, Importer &importer, ImportOutcome &outcome)
        : m_context(context), m_importer(importer), m_outcome(outcome)
    {
    }

    SheetVisitor visitor()
    {
        return {[this](const QString &name) {
                    m_sheet = name;
                    m_titled = false;
                    m_readable = false;
                },
                [this](int number, const SheetCells &cells) {
                    if (!m_titled) {
                        m_titled = true;
                        m_readable = m_importer.beginSheet(m_context, m_sheet, number, cells);
                        return;
                    }
                    ++m_outcome.rows;
                    if (m_readable)
                        m_importer.row(m_context, m_sheet, number, cells);
                }};
    }

private:
    ImportContext &m_context;
    Importer &m_importer;
    ImportOutcome &m_outcome;
    QString m_sheet;
    bool m_titled = false;
    bool m_readable = false;
};

} // namespace

ImportOutcome runImport(Db &db, Kind kind, const QString &path, const ImportOptions &options, const RowSink &sink)
{
    ImportOutcome outcome;
    ImportContext context(db, options, sink, outcome);
    // Opening stock is written into the open month as an entry is: the month is then to be
    // allocated again, and no allocation or close of another desk runs meanwhile.
    std::optional<EntryTransaction> entry;
    std::optional<Transaction> plain;
    if (kind == Kind::Opening)
        entry.emplace(db);
    else
        plain.emplace(db);
    const std::unique_ptr<Importer> importer = makeImporter(kind, context);
    if (!importer)
        return outcome;
    SheetWalk walk(context, *importer, outcome);
    try {
        readSpreadsheet(path, walk.visitor());
    } catch (const SheetError &e) {
        context.fileProblem(QString(), 0, {QString(), e.message()});
        return outcome;
    }
    if (outcome.rows == 0 && outcome.problems == 0) {
        context.fileProblem(
            QString(), 0,
            {QString(), QStringLiteral("가져올 자료가 없습니다: 제목 행 아래에 자료 행이 있는 시트가 없습니다.")});
        return outcome;
    }
    importer->finish(context);
    if (!context.writing())
        return outcome;
    if (entry)
        entry->commit();
    else
        plain->commit();
    outcome.written = true;
    return outcome;
}

} // namespace zedur::imports
