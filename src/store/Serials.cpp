#include "store/Serials.h"

#include "store/Db.h"
#include "store/StoreError.h"

#include <QRegularExpression>

namespace zedur {

QString serialAfter(const QString &current)
{
    const QString serial = current.trimmed();
    if (serial.isEmpty())
        return QStringLiteral("A0000000001");
    static const QRegularExpression shape(QStringLiteral("^[A-Z][0-9]{10}$"));
    if (!shape.match(serial).hasMatch())
        throw StoreError(QStringLiteral("일련번호 형식이 잘못되었습니다: %1").arg(serial));
    const QChar letter = serial.at(0);
    const QString digits = serial.mid(1);
    if (digits != u"9999999999")
        return letter + QStringLiteral("%1").arg(digits.toLongLong() + 1, 10, 10, QChar(u'0'));
    if (letter == u'Z')
        throw StoreError(QStringLiteral("더 이상 일련번호를 만들 수 없습니다 (Z9999999999 다음)."));
    return QChar(letter.unicode() + 1) + QStringLiteral("0000000000");
}

QString Serial_MaxValue(Db &db, const QString &table, const QString &serialColumn)
{
    // Table and column names come only from constants in the code.
    const QVariant max =
        db.scalar(QStringLiteral(" Select Max(%1) as Serial_Max From %2 ").arg(serialColumn, table));
    return serialAfter(max.toString());
}

} // namespace zedur
