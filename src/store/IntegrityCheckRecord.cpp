#include "store/IntegrityCheckRecord.h"

#include "common/BooksClaim.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QStandardPaths>

namespace zedur {

namespace {

const QString lastPassedKey = QStringLiteral("lastPassed");
const QString stepsKey = QStringLiteral("steps");
const QString inUseKey = QStringLiteral("inUse");

QString recordFolder(const QString &folder)
{
    if (!folder.isEmpty())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zedur/integrity-checks");
}

} // namespace

IntegrityCheckRecord::IntegrityCheckRecord(const QString &booksLocation, const QString &folder)
{
    const QByteArray identity = booksIdentity(booksLocation).toUtf8();
    m_file = recordFolder(folder) + u'/' +
             QString::fromLatin1(QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex()) +
             QStringLiteral(".ini");
}

bool IntegrityCheckRecord::due(const QDateTime &now) const
{
    const QSettings record(m_file, QSettings::IniFormat);
    if (record.value(inUseKey, false).toBool())
        return true;
    const QDateTime lastPassed = record.value(lastPassedKey).toDateTime();
    // A clock put back makes the last check look in the future: check rather than trust it.
    return !lastPassed.isValid() || lastPassed > now || lastPassed.daysTo(now) >= daysBetweenChecks;
}

qint64 IntegrityCheckRecord::lastSteps() const
{
    return QSettings(m_file, QSettings::IniFormat).value(stepsKey, 0).toLongLong();
}

void IntegrityCheckRecord::passed(qint64 steps, const QDateTime &now)
{
    QSettings record(m_file, QSettings::IniFormat);
    record.setValue(lastPassedKey, now);
    record.setValue(stepsKey, steps);
}

void IntegrityCheckRecord::inUse()
{
    QSettings record(m_file, QSettings::IniFormat);
    record.setValue(inUseKey, true);
    record.sync();
}

void IntegrityCheckRecord::stoppedCleanly()
{
    QSettings(m_file, QSettings::IniFormat).setValue(inUseKey, false);
}

} // namespace zedur
