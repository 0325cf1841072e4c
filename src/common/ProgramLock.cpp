#include "common/ProgramLock.h"

#include <QDir>
#include <QFileInfo>

namespace zedur {

QString ProgramLock::nameOf(const QString &executableFileName)
{
    // Per user, so that two people on one machine do not meet.
    return QFileInfo(executableFileName).completeBaseName() + u'-' + qEnvironmentVariable("USER", "user");
}

ProgramLock::ProgramLock(const QString &programName) : m_name(nameOf(programName))
{
    m_lock = std::make_unique<QLockFile>(QDir::tempPath() + u'/' + m_name + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // a lock left by a crashed start is recognised by its dead process
    m_held = m_lock->tryLock(0);
}

ProgramLock::~ProgramLock() = default;

} // namespace zedur
