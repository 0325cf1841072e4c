#include "DiskFaults.h"

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

} // namespace zedur::test
