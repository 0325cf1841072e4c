#include "OrdinaryUser.h"

#include <QFile>
#include <grp.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace zedur::test {

AsOrdinaryUser::AsOrdinaryUser()
{
    if (::geteuid() != 0)
        return;
    const int count = ::getgroups(0, nullptr);
    m_groups.resize(count);
    if (count > 0 && ::getgroups(count, m_groups.data()) != count)
        throw std::runtime_error("getgroups failed");
    // Groups first: only root may change them.
    if (::setgroups(0, nullptr) != 0 || ::setegid(OrdinaryGid) != 0 || ::seteuid(OrdinaryUid) != 0)
        throw std::runtime_error("cannot work as the ordinary user: no permission to change the process's ids");
    m_switched = true;
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    if (!m_switched)
        return;
    if (::seteuid(0) != 0 || ::setegid(0) != 0 || ::setgroups(m_groups.size(), m_groups.data()) != 0)
        std::abort(); // a test run that cannot become itself again must not go on
}

QStringList ordinaryUserCommand(const QString &program, const QStringList &arguments)
{
    if (::geteuid() != 0)
        return QStringList{program} + arguments;
    return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(OrdinaryUid),
                       QStringLiteral("--regid=%1").arg(OrdinaryGid), QStringLiteral("--clear-groups"), program} +
           arguments;
}

void setMode(const QString &path, int mode)
{
    if (::chmod(QFile::encodeName(path).constData(), mode_t(mode)) != 0)
        throw std::runtime_error(("cannot set the mode of " + path).toStdString());
}

} // namespace zedur::test
