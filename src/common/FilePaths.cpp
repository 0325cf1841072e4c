#include "common/FilePaths.h"

#include <QDir>
#include <QFileInfo>

namespace zedur {

QString resolvedFilePath(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    if (info.isSymLink())
        return {};
    QString below = info.fileName();
    QFileInfo folder(info.absolutePath());
    while (!folder.exists()) {
        if (folder.isSymLink())
            return {};
        below = folder.fileName() + u'/' + below;
        folder.setFile(folder.absolutePath());
    }
    return QDir::cleanPath(folder.canonicalFilePath() + u'/' + below);
}

} // namespace zedur
