#include "masters/TreeNodeText.h"

#include "common/TextNumber.h"

namespace zedur {

namespace {

QString leftJustified(const QString &text, int width)
{
    return text + QString(qMax(0, width - displayWidth(text)), u' ');
}

QString rightJustified(const QString &text, int width)
{
    return QString(qMax(0, width - displayWidth(text)), u' ') + text;
}

} // namespace

QString treeNodeText(const QString &kind, const QString &name, double quantity)
{
    const QString head = leftJustified(kind, 8) + u' ' + leftJustified(name, 35) + u' ';
    if (kind != kTreeRawMaterialKind)
        return head;
    QString text = head + leftJustified(QStringLiteral("원자재소유수량(중량)"), 14) + u' ' +
                   rightJustified(formatFloat(QStringLiteral("#,##0.0000"), quantity), 15) + u' ';
    text.replace(u' ', u'*');
    text.chop(1);
    return text;
}

} // namespace zedur
