#pragma once

#include <QString>
#include <QStringList>
#include <sys/types.h>

// Books the user may read but not write, made so whoever runs the tests. The tests run as
// root in CI, and root writes files and folders whatever their modes say; so while one of
// these cases runs, the test (or the program it starts) runs as an ordinary user instead,
// and the modes bind it as they bind any user. Run by an ordinary user, nothing changes.
namespace zedur::test {

// The user the cases run as when the tests run as root.
inline constexpr uid_t OrdinaryUid = 65534; // nobody
inline constexpr gid_t OrdinaryGid = 65534; // nogroup

// For its lifetime this process works on files as the ordinary user (effective ids and no
// supplementary groups); afterwards as before.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

private:
    bool m_switched = false;
    QList<gid_t> m_groups;
};

// The command that runs `program` with `arguments` as the ordinary user: through setpriv
// when the tests run as root, else the program itself. First the program to start.
QStringList ordinaryUserCommand(const QString &program, const QStringList &arguments);

// Sets the mode of a file or folder (0444, 0555, ...), failing the test run when it cannot.
void setMode(const QString &path, int mode);

} // namespace zedur::test
