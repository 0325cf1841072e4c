#include "imports/ImportReport.h"

namespace zedur::imports {

const QVector<KindInfo> &kinds()
{
    static const QVector<KindInfo> all{
        {Kind::RawMaterials, QStringLiteral("raw-materials"), QStringLiteral("원자재 코드")},
        {Kind::Products, QStringLiteral("products"), QStringLiteral("제품 코드")},
        {Kind::Trees, QStringLiteral("trees"), QStringLiteral("완제품 BOM Tree")},
        {Kind::Accounts, QStringLiteral("accounts"), QStringLiteral("계정과목 코드")},
        {Kind::Opening, QStringLiteral("opening"), QStringLiteral("기초재고 (전기이월)")}};
    return all;
}

std::optional<Kind> kindNamed(const QString &name)
{
    for (const KindInfo &k : kinds())
        if (k.name == name)
            return k.kind;
    return std::nullopt;
}

const KindInfo &kindInfo(Kind kind)
{
    for (const KindInfo &k : kinds())
        if (k.kind == kind)
            return k;
    return kinds().first();
}

QString actionText(RowAction action)
{
    switch (action) {
    case RowAction::Add:
        return QStringLiteral("추가");
    case RowAction::Update:
        return QStringLiteral("수정");
    case RowAction::Same:
        return QStringLiteral("같음");
    case RowAction::Refused:
        return QStringLiteral("오류");
    }
    return {};
}

QString problemLine(const RowReport &report, const Problem &problem)
{
    QString where;
    if (!report.sheet.isEmpty())
        where += QStringLiteral("시트 '%1' ").arg(report.sheet);
    if (report.row > 0)
        where += QStringLiteral("%1행 ").arg(report.row);
    if (!problem.column.isEmpty())
        where += QStringLiteral("'%1' 열").arg(problem.column);
    where = where.trimmed();
    return where.isEmpty() ? problem.reason : where + QStringLiteral(": ") + problem.reason;
}

} // namespace zedur::imports
