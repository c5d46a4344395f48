#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace klangtruhe {

QString singleInstanceKey(const QString &storeLocation)
{
    const QByteArray hash = QCryptographicHash::hash(storeLocation.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("klangtruhe-player-") + QString::fromLatin1(hash);
}

SingleInstance::SingleInstance(const QString &storeLocation, QObject *parent)
    : QObject(parent)
    , m_key(singleInstanceKey(storeLocation))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::askRunningInstanceToActivate()
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(500))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // A socket left behind by a program that crashed: nobody answered, so take it over.
        QLocalServer::removeServer(m_key);
        if (!m_server->listen(m_key))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            Q_EMIT activationRequested();
        }
    });
    return true;
}

} // namespace klangtruhe
