#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// One window a user's desktop session, the desktop's own way: on Linux the first start owns the
// session bus's well-known name and answers org.freedesktop.Application's Activate and Open; on
// Windows it owns a named object of the user's session and a message-only window that later
// starts send their number to. The bus or the session lets only the same user reach the owner,
// frees the name the instant it ends, and hands it to one start at a time. Where neither can be
// had, each start opens its own window at once.
namespace oneinstance {

struct Request {
    // Empty for a plain start: the window comes to the front.
    QString number;
    bool hasNumber = false;
};

class Window : public QObject {
    Q_OBJECT

public:
    explicit Window(QObject *parent = nullptr);
    ~Window() override;
    // True where this start is to be the window: it now owns the name, or there is none to own.
    bool take();
    // Hands the request to the window that owns the name and waits until it has taken it. False
    // where none takes it; this start then opens a window of its own.
    bool handOver(const Request &request);
    // Passes on requests from now on, those that came before first: they wait until the window
    // has been drawn.
    void listen();

    // Platform code takes a request in: emitted now or once listening.
    void received(const Request &request);

signals:
    void requested(const Request &request);

private:
    struct Platform;
    std::unique_ptr<Platform> platform;
    bool listening = false;
    QList<Request> waiting;
};

} // namespace oneinstance
