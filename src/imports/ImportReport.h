#pragma once

#include <QString>
#include <QVector>
#include <functional>
#include <optional>

// What an import of a firm's own lists found in the file, row by row, and what it did.
namespace zedur::imports {

enum class Kind { RawMaterials, Products, Trees, Accounts, Opening };

struct KindInfo {
    Kind kind;
    QString name;  // on the command line: "raw-materials"
    QString title; // on the screen: "원자재 코드"
};
const QVector<KindInfo> &kinds();
std::optional<Kind> kindNamed(const QString &name);
const KindInfo &kindInfo(Kind kind);

// What becomes of a row: a new one, a change of a row in the books, nothing (the books
// already hold it as it is), or refused.
enum class RowAction { Add, Update, Same, Refused };
QString actionText(RowAction action);

struct Problem {
    QString column; // the column's title as the file has it; empty: the row as a whole
    QString reason; // in the user's words, on one line
};

struct RowReport {
    QString sheet;
    int row = 0; // as the spreadsheet program numbers it; 0: the file as a whole
    RowAction action = RowAction::Refused;
    QString code; // what the row is about
    QString name;
    QVector<Problem> problems;
};
using RowSink = std::function<void(const RowReport &)>;

struct ImportOptions {
    bool checkOnly = false; // 점검: read and judge every row, write nothing
    bool update = false;    // codes already in the books are changed where their screen allows it
};

struct ImportOutcome {
    int rows = 0; // data rows read
    int added = 0;
    int updated = 0;
    int same = 0;
    int refusedRows = 0;
    int problems = 0; // every reason given, rows' and the file's
    bool written = false;
    bool ok() const { return problems == 0; }
};

// One line for the file's problem: "시트 '원자재' 5행 '단가' 열: 숫자가 아닙니다: abc".
QString problemLine(const RowReport &report, const Problem &problem);

} // namespace zedur::imports
