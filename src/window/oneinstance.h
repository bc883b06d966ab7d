#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

// One window a user and desktop: a later start hands its request to the window already open
// there, through a folder whose name is made from both, so that two users, or two displays side
// by side, never share a window. A lock file in it says which process is the window; requests
// are files that the window takes. Qt Core alone does this: no library is loaded for it before
// the window shows.
namespace oneinstance {

// The folder for `user` on `desktop` (an X display, a Wayland socket, a Windows session), below
// `base`, a folder of the user's own.
QString Place(const QString &base, const QString &user, const QString &desktop);

class Window : public QObject {
    Q_OBJECT

public:
    explicit Window(const QString &place, QObject *parent = nullptr);
    // True where this start is to be the window: none is open, or the one that was is gone,
    // killed or not. The window stays this start's until it ends.
    bool take();
    // Asks the open window to come to the front and, with `hasNumber`, to answer `number`, and
    // waits until it has taken the request. False where it does not take it in time, or ends
    // first; this start is then the window if the place is free.
    bool handOver(bool hasNumber, const QString &number);
    // Takes the requests of later starts from now on, and any that came before, where this
    // start is the window.
    void listen();

signals:
    void requested(bool hasNumber, const QString &number);

private:
    void takeRequests();

    QString place;
    QLockFile lock;
};

} // namespace oneinstance
