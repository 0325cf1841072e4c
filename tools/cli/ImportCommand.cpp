#include "ImportCommand.h"

#include "imports/ImportRun.h"
#include "store/Periods.h"

#include <cstdio>

namespace zedur::cli {

namespace {

void out(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

} // namespace

int importFile(Db &db, const Invocation &invocation, const Period &)
{
    using namespace imports;
    const Kind kind = *kindNamed(invocation.importKind);
    ImportOptions options;
    options.checkOnly = invocation.checkOnly;
    options.update = invocation.update;
    const ImportOutcome outcome = runImport(db, kind, invocation.file, options, [](const RowReport &report) {
        for (const Problem &p : report.problems)
            out(QStringLiteral("오류    ") + problemLine(report, p));
    });
    const QString counts = QStringLiteral("%1: 자료 %2행 (추가 %3, 수정 %4, 같음 %5, 오류 %6행), 오류 %7건")
                               .arg(kindInfo(kind).title)
                               .arg(outcome.rows)
                               .arg(outcome.added)
                               .arg(outcome.updated)
                               .arg(outcome.same)
                               .arg(outcome.refusedRows)
                               .arg(outcome.problems);
    out(counts);
    if (!outcome.ok()) {
        out(QStringLiteral("가져오지 않았습니다: 장부는 바뀌지 않았습니다."));
        return Refused;
    }
    out(outcome.written ? QStringLiteral("가져오기 완료: 한 번에 모두 썼습니다.")
                        : QStringLiteral("점검 완료: 오류가 없습니다 (쓴 것은 없습니다)."));
    return Done;
}

QString importKindNames()
{
    QString text;
    for (const imports::KindInfo &k : imports::kinds())
        text += QStringLiteral("  %1%2\n").arg(k.name, -25).arg(k.title);
    return text;
}

bool knownImportKind(const QString &name)
{
    return imports::kindNamed(name).has_value();
}

} // namespace zedur::cli
