#include "store/Serials.h"

#include "store/Db.h"
#include "store/StoreError.h"

#include <QRegularExpression>

namespace zedur {

namespace {

// Serials count in base 10^10 with the letter as the highest digit: "A9999999999" is
// followed by "B0000000000".
constexpr qint64 PerLetter = 10000000000LL;

} // namespace

qint64 serialPosition(const QString &current)
{
    const QString serial = current.trimmed();
    if (serial.isEmpty())
        return 0;
    static const QRegularExpression shape(QStringLiteral("^[A-Z][0-9]{10}$"));
    if (!shape.match(serial).hasMatch())
        throw StoreError(QStringLiteral("일련번호 형식이 잘못되었습니다: %1").arg(serial));
    return (serial.at(0).unicode() - u'A') * PerLetter + serial.mid(1).toLongLong();
}

QString serialAfter(const QString &current)
{
    return serialPlus(current, 1);
}

QString serialPlus(const QString &current, qint64 steps)
{
    return serialAt(serialPosition(current) + steps);
}

QString serialAt(qint64 position)
{
    if (position >= 26 * PerLetter)
        throw StoreError(QStringLiteral("더 이상 일련번호를 만들 수 없습니다 (Z9999999999 다음)."));
    // Written digit by digit: the close numbers a month's new rows with it.
    char serial[11];
    serial[0] = char('A' + position / PerLetter);
    for (qint64 rest = position % PerLetter, i = 10; i >= 1; --i, rest /= 10)
        serial[i] = char('0' + rest % 10);
    return QString::fromLatin1(serial, 11);
}

QString Serial_MaxValue(Db &db, const QString &table, const QString &serialColumn)
{
    // Two desks saving at the same moment would read the same greatest serial: the second
    // waits here until the first's transaction has ended, and then reads the first's row.
    const QString lock = dialect::serialLockStatement(db.engine());
    if (!lock.isEmpty())
        db.scalar(lock, {{QStringLiteral(":tbTable"), table}});
    // Table and column names come only from constants in the code.
    const QVariant max = db.scalar(QStringLiteral(" Select Max(%1) as Serial_Max From %2 ").arg(serialColumn, table));
    return serialAfter(max.toString());
}

QString serialForNewRow(Db &db, const QString &table, const QString &serialColumn, const QString &shown)
{
    const QString next = Serial_MaxValue(db, table, serialColumn);
    const QString held = shown.trimmed();
    // Serials of one shape order as texts.
    return held.isEmpty() || held < next ? next : held;
}

} // namespace zedur
