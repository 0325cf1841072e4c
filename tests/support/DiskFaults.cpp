#include "DiskFaults.h"

#include "store/Db.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <csignal>
#include <sys/resource.h>

namespace zedur::test {

namespace {

bool canMakeFileIn(const QString &folder)
{
    QFile probe(folder + QStringLiteral("/probe.partial"));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    probe.remove();
    return true;
}

} // namespace

bool makeUnwritable(const QString &folder)
{
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::ExeOther);
    if (!canMakeFileIn(folder))
        return true;
    QDir(folder).removeRecursively();
    return QFile::link(QStringLiteral("/proc/sys"), folder) && !canMakeFileIn(folder);
}

void limitFileSize(QProcess &process, long long bytes)
{
    process.setChildProcessModifier([bytes] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
}

QByteArray damageTablePage(const QString &booksFile, const QString &table)
{
    int page = 0;
    {
        auto db = Db::open(booksFile);
        page = db->scalar("SELECT rootpage FROM sqlite_master WHERE name = :name", {{":name", table}}).toInt();
        db->exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    QFile f(booksFile);
    if (page < 2 || !f.open(QIODevice::ReadWrite))
        return {};
    QByteArray bytes = f.readAll();
    const int pageSize = (uchar(bytes[16]) << 8) | uchar(bytes[17]);
    bytes.replace((page - 1) * pageSize, 64, QByteArray(64, char(0x5a)));
    if (!f.seek(0) || f.write(bytes) != bytes.size())
        return {};
    return bytes;
}

} // namespace zedur::test
