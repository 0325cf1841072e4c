#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace zedur {

// The lock a running program holds, one per program name, user and machine, whatever books
// it opens: the program's single-instance rule. Who may write which books is BooksClaim's.
class ProgramLock
{
public:
    // The lock of the program named after an executable ("zedur" for .../zedur).
    explicit ProgramLock(const QString &programName);
    ~ProgramLock();
    ProgramLock(const ProgramLock &) = delete;
    ProgramLock &operator=(const ProgramLock &) = delete;

    // Whether this process holds the lock now.
    bool held() const { return m_held; }
    // "zedur-<user>": the program's name for this user, also its local socket's name.
    const QString &name() const { return m_name; }

    static QString nameOf(const QString &executableFileName);

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};

} // namespace zedur
