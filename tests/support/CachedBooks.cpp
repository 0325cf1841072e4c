#include "CachedBooks.h"

#include "store/Db.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace zedur::test {

QString benchCacheFolder()
{
    const QString set = qEnvironmentVariable("ZEDUR_BENCH_CACHE");
    return set.isEmpty() ? QDir::homePath() + QStringLiteral("/.cache/zedur-bench") : set;
}

QString cachedBooks(const QString &name, const std::function<void(const QString &path)> &make)
{
    const QString folder = benchCacheFolder();
    const QString path = folder + u'/' + name + QStringLiteral(".mdb");
    if (QFileInfo::exists(path))
        return path;
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot make the folder " + folder.toStdString());
    const QString partial = folder + u'/' + name + QStringLiteral(".partial.mdb");
    removeDatabaseFiles(partial);
    make(partial);
    // Whole in one file, so that the copy a run makes of it holds every row.
    Db::open(partial)->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    for (const char *side : {"-wal", "-shm"})
        QFile::remove(partial + QLatin1String(side));
    if (!QFile::rename(partial, path))
        throw std::runtime_error("cannot name the generated books " + path.toStdString());
    return path;
}

} // namespace zedur::test
