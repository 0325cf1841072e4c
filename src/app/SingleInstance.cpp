#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace zedur {

namespace {
const QByteArray raiseRequest = "raise\n";
}

QString SingleInstance::nameOf(const QString &executableFileName)
{
    // Per user, so that two people on one machine do not meet.
    return QFileInfo(executableFileName).completeBaseName() + u'-' + qEnvironmentVariable("USER", "user");
}

SingleInstance::SingleInstance(const QString &name)
    : m_name(name.isEmpty() ? nameOf(QCoreApplication::applicationFilePath()) : name)
{
    m_lock = std::make_unique<QLockFile>(QDir::tempPath() + u'/' + m_name + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // a lock left by a crashed start is recognised by its dead process
    m_first = m_lock->tryLock(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOverToFirst()
{
    if (m_first)
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(raiseRequest);
    socket.waitForBytesWritten(2000);
    socket.waitForReadyRead(2000);
    return socket.readAll().startsWith("ok");
}

void SingleInstance::serve(QWidget *window)
{
    if (!m_first)
        return;
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    if (!m_server->listen(m_name))
        return;
    connect(m_server, &QLocalServer::newConnection, this, [this, window] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [socket, window] {
                if (!socket->readAll().contains("raise"))
                    return;
                if (window->isMinimized())
                    window->showNormal();
                window->raise();
                window->activateWindow();
                socket->write("ok\n");
                socket->flush();
            });
        }
    });
}

} // namespace zedur
