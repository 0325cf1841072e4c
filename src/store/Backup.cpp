#include "store/Backup.h"

#include "store/Db.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace zedur {

QString backupPathFor(const QString &databaseFile, const QDateTime &when)
{
    const QFileInfo info(databaseFile);
    return info.absolutePath() + QStringLiteral("/backup/") + info.completeBaseName() + u'_' +
           when.toString(QStringLiteral("yyyyMMdd_HHmmss_zzz")) + u'.' + info.suffix();
}

QStringList backupsOf(const QString &databaseFile)
{
    const QFileInfo books(databaseFile);
    const QDir folder(books.absolutePath() + QStringLiteral("/backup"));
    const QRegularExpression named(
        QStringLiteral("^%1_(\\d{8}_\\d{6}_\\d{3})\\.%2$")
            .arg(QRegularExpression::escape(books.completeBaseName()), QRegularExpression::escape(books.suffix())));
    QList<QPair<QString, QString>> found; // moment, file
    for (const QString &name : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = named.match(name);
        if (m.hasMatch())
            found.append({m.captured(1), folder.filePath(name)});
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList files;
    for (const auto &backup : found)
        files << backup.second;
    return files;
}

QString writeTimestampedBackup(Db &db)
{
    const QString path = backupPathFor(db.path(), QDateTime::currentDateTime());
    db.backupTo(path);
    return path;
}

} // namespace zedur
