#include "common/SavedFiles.h"

#include "common/SystemInfo.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace zedur {

namespace {

FileOpener &fileOpener()
{
    static FileOpener opener;
    return opener;
}

bool canWriteIn(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return false;
    QTemporaryFile probe(dir + QStringLiteral("probe_XXXXXX"));
    return probe.open();
}

} // namespace

QString newSavedFilePath(const QString &baseName, const QString &suffix)
{
    QString dir = dataSaveDir();
    if (!canWriteIn(dir))
        dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/';
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss_zzz"));
    QString path = dir + baseName + u'_' + stamp + u'.' + suffix;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir + baseName + u'_' + stamp + u'_' + QString::number(n) + u'.' + suffix;
    return path;
}

bool openSavedFile(const QString &path)
{
    const FileOpener &opener = fileOpener();
    return opener && opener(path);
}

void setFileOpener(FileOpener opener)
{
    fileOpener() = std::move(opener);
}

} // namespace zedur
