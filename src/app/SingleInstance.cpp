#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace zedur {

namespace {
const QByteArray raiseRequest = "raise\n";
}

SingleInstance::SingleInstance(const QString &programName)
    : m_lock(programName.isEmpty() ? QCoreApplication::applicationFilePath() : programName)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOverToFirst()
{
    if (m_lock.held())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_lock.name());
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(raiseRequest);
    socket.waitForBytesWritten(2000);
    socket.waitForReadyRead(2000);
    return socket.readAll().startsWith("ok");
}

void SingleInstance::serve(QWidget *window)
{
    if (!m_lock.held())
        return;
    QLocalServer::removeServer(m_lock.name());
    m_server = new QLocalServer(this);
    if (!m_server->listen(m_lock.name()))
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
