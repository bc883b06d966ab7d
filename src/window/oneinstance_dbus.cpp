// The one window on Linux and other freedesktop systems: the session bus's well-known name.
#include "window/oneinstance.h"

#include "keypad/keypad.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

#include <optional>
#include <thread>

namespace oneinstance {
namespace {

// The desktop entry's id, which desktops use to start it through the bus.
const QString Name = QStringLiteral(DIALHOUR_APP_ID);
const QString Path = u'/' + QString(Name).replace(u'.', u'/');
const QString Interface = QStringLiteral("org.freedesktop.Application");
// Longer than any answer takes; a window that does not answer by then is hung, and a start
// of its own is better than none.
constexpr int CallTimeout = 30000; // milliseconds
// A number is a few characters; anything longer than this that reaches the window is not one.
constexpr qsizetype LongestLink = 64 * 1024;

// The token a desktop gives a start, so that the window it reaches may come to the front.
QVariantMap platformData()
{
    QVariantMap data;
    for (const char *name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"})
        if (const QString token = qEnvironmentVariable(name); !token.isEmpty())
            data.insert(name[0] == 'X' ? QStringLiteral("activation-token")
                                       : QStringLiteral("desktop-startup-id"),
                        token);
    return data;
}

// What Qt reads when the window asks to come to the front.
void usePlatformData(const QVariantMap &data)
{
    if (const QString token = data.value(QStringLiteral("activation-token")).toString();
        !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (const QString id = data.value(QStringLiteral("desktop-startup-id")).toString();
        !id.isEmpty())
        qputenv("DESKTOP_STARTUP_ID", id.toUtf8());
}

} // namespace

// org.freedesktop.Application, as GApplication and KDBusService export it.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    ApplicationAdaptor(Window *window)
        : QDBusAbstractAdaptor(window)
        , window(window)
    {
    }

public slots:
    void Activate(const QVariantMap &platformData)
    {
        usePlatformData(platformData);
        window->received({});
    }
    void Open(const QStringList &uris, const QVariantMap &platformData)
    {
        usePlatformData(platformData);
        const QString uri = uris.value(0);
        // Nothing to open keeps the answer on screen, as Activate does.
        if (uri.isEmpty()) {
            window->received({});
            return;
        }
        // Anything else than a number's link gets the plain line, as on the command line.
        window->received({uri.size() <= LongestLink ? uri : QString(), true});
    }
    // Dialhour has no actions; the window comes to the front, as for Activate.
    void ActivateAction(const QString &, const QVariantList &, const QVariantMap &platformData)
    {
        Activate(platformData);
    }

private:
    Window *window;
};

struct Window::Platform {
    // Connecting to the bus is the longest step of taking the name, about a millisecond: it is
    // made on another thread while the window is built.
    std::thread connecting;
    std::optional<QDBusConnection> connection;
    bool exported = false;

    QDBusConnection &bus()
    {
        if (connecting.joinable())
            connecting.join();
        return *connection;
    }
};

Window::Window(QObject *parent)
    : QObject(parent)
    , platform(std::make_unique<Platform>())
{
    platform->connecting = std::thread(
        [platform = platform.get()] { platform->connection = QDBusConnection::sessionBus(); });
}

Window::~Window()
{
    platform->bus();
}

bool Window::take()
{
    QDBusConnection &bus = platform->bus();
    // No session bus: a window of its own, at once.
    if (!bus.isConnected() || !bus.interface())
        return true;
    // Exported before the name is owned, so that a call that comes with the name finds it.
    if (!std::exchange(platform->exported, true)) {
        new ApplicationAdaptor(this);
        bus.registerObject(Path, this);
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> owned =
        bus.interface()->registerService(Name, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    // A bus that will not say is no window to hand to.
    return !owned.isValid() || owned.value() == QDBusConnectionInterface::ServiceRegistered;
}

bool Window::handOver(const Request &request)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        Name, Path, Interface,
        request.hasNumber ? QStringLiteral("Open") : QStringLiteral("Activate"));
    if (request.hasNumber)
        call << QStringList{dialhour::PlanLink(request.number)};
    call << platformData();
    // Not started by the bus: a start that finds the name gone opens its own window.
    call.setAutoStartService(false);
    const QDBusMessage reply = platform->bus().call(call, QDBus::Block, CallTimeout);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace oneinstance

#include "oneinstance_dbus.moc"
