#include "window/oneinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace oneinstance {
namespace {

// A request holds a telephone number: anything longer is cut, and a peer that says nothing
// within the limit is dropped.
constexpr qint64 LongestRequest = 64 * 1024;
constexpr int Limit = 2000; // milliseconds
// Starts a request: come to the front, or answer the number that follows. A connection lost
// before either is no request.
constexpr char Front = 'F';
constexpr char Number = 'N';

} // namespace

QString SocketName(const QString &user, const QString &desktop)
{
    const QByteArray who = QCryptographicHash::hash((user + u'\n' + desktop).toUtf8(),
                                                    QCryptographicHash::Sha256)
                               .toHex()
                               .left(16);
    const QString name = QStringLiteral("dialhour-") + QString::fromLatin1(who);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() || !QDir(runtime).exists() ? name : runtime + u'/' + name;
}

bool HandOver(const QString &name, bool hasNumber, const QString &number)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(Limit))
        return false;
    socket.write(hasNumber ? Number + number.toUtf8().left(LongestRequest) : QByteArray(1, Front));
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(Limit);
}

Server::Server(QObject *parent)
    : QObject(parent)
    , server(new QLocalServer(this))
{
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            QPointer<QLocalSocket> peer(socket);
            const auto done = [this, peer] {
                if (!peer)
                    return;
                const QByteArray said = peer->readAll().left(LongestRequest + 1);
                peer->deleteLater();
                if (said.startsWith(Front) || said.startsWith(Number))
                    emit requested(said.startsWith(Number), QString::fromUtf8(said.sliced(1)));
            };
            socket->setReadBufferSize(LongestRequest + 1);
            connect(socket, &QLocalSocket::disconnected, this, done);
            QTimer::singleShot(Limit, socket, [socket] { socket->abort(); });
        }
    });
}

bool Server::listen(const QString &name)
{
    if (server->listen(name))
        return true;
    // Nothing answered on the name, or this program would not be here: what is left of it is a
    // socket of a program that was killed.
    QLocalServer::removeServer(name);
    return server->listen(name);
}

} // namespace oneinstance
