#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One window a user and desktop: a later start hands its request to the window already open
// there, over a local socket whose name is made from both, so that two users, or two displays
// side by side, never share a window.
namespace oneinstance {

// A socket name for `user` on `desktop` (an X display, a Wayland socket, a Windows session):
// in the user's own runtime folder where there is one.
QString SocketName(const QString &user, const QString &desktop);

// Asks the window open on `name` to come to the front and, with `hasNumber`, to answer `number`.
// False where no window listens.
bool HandOver(const QString &name, bool hasNumber, const QString &number);

// Takes the requests of later starts for the window open here.
class Server : public QObject {
    Q_OBJECT

public:
    explicit Server(QObject *parent = nullptr);
    // Listens on `name`, in place of a socket left behind by a program that was killed.
    bool listen(const QString &name);

signals:
    void requested(bool hasNumber, const QString &number);

private:
    QLocalServer *server;
};

} // namespace oneinstance
