#include "store/Backup.h"

#include "store/Db.h"

#include <QFileInfo>

namespace zedur {

QString backupPathFor(const QString &databaseFile, const QDateTime &when)
{
    const QFileInfo info(databaseFile);
    return info.absolutePath() + QStringLiteral("/backup/") + info.completeBaseName() + u'_' +
           when.toString(QStringLiteral("yyyyMMdd_HHmmss_zzz")) + u'.' + info.suffix();
}

QString writeTimestampedBackup(Db &db)
{
    const QString path = backupPathFor(db.path(), QDateTime::currentDateTime());
    db.backupTo(path);
    return path;
}

} // namespace zedur
