#include "window/oneinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QSaveFile>
#include <QThread>

namespace oneinstance {
namespace {

// A request holds a telephone number: anything longer is cut.
constexpr qint64 LongestRequest = 64 * 1024;
// How long a later start waits for the window to take its request, and how old a request may
// be when the window finds it: one left by a start that was killed as it waited is not news.
constexpr int Limit = 5000; // milliseconds
constexpr qint64 Stale = 10000; // milliseconds
// Starts a request: come to the front, or answer the number that follows.
constexpr char Front = 'F';
constexpr char Number = 'N';
const QString Requests = QStringLiteral(".request");

QString requestOf(const QString &place)
{
    return place + u'/' + QString::number(QCoreApplication::applicationPid()) + Requests;
}

} // namespace

QString Place(const QString &base, const QString &user, const QString &desktop)
{
    const QByteArray who = QCryptographicHash::hash((user + u'\n' + desktop).toUtf8(),
                                                    QCryptographicHash::Sha256)
                               .toHex()
                               .left(16);
    return base + QStringLiteral("/dialhour-") + QString::fromLatin1(who);
}

Window::Window(const QString &place, QObject *parent)
    : QObject(parent)
    , place(place)
    , lock(place + QStringLiteral("/window.lock"))
{
    // A window may stay open for days: only a holder that has ended leaves a stale lock.
    lock.setStaleLockTime(0);
}

bool Window::take()
{
    if (!QDir().mkpath(place)) {
        qWarning("dialhour: no folder for this window: %s", qPrintable(place));
        return true;
    }
    return lock.tryLock(0)
        // A lock neither held nor takeable is no window to hand to.
        || lock.error() != QLockFile::LockFailedError;
}

bool Window::handOver(bool hasNumber, const QString &number)
{
    const QString request = requestOf(place);
    QSaveFile file(request);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(hasNumber ? Number + number.toUtf8().left(LongestRequest)
                                : QByteArray(1, Front))
            < 0
        || !file.commit())
        return false;
    // Taken once it is gone: the window renames it away before reading it.
    for (QDeadlineTimer deadline(Limit); !deadline.hasExpired(); QThread::msleep(10)) {
        if (!QFile::exists(request))
            return true;
        if (lock.tryLock(0))
            break;
    }
    // Withdrawn unless the window took it in the meantime.
    return !QFile::remove(request);
}

void Window::listen()
{
    if (!lock.isLocked())
        return;
    connect(new QFileSystemWatcher({place}, this), &QFileSystemWatcher::directoryChanged, this,
            &Window::takeRequests);
    takeRequests();
}

void Window::takeRequests()
{
    // Matched by hand: a name filter would start Qt's regular expressions, and their library's
    // memory, for one suffix.
    const QFileInfoList found = QDir(place).entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &info : found) {
        if (!info.fileName().endsWith(Requests))
            continue;
        // Renamed first, so that a start withdrawing it and this window never both have it.
        const QString taken = info.filePath() + QStringLiteral(".taken");
        if (!QFile::rename(info.filePath(), taken))
            continue;
        QFile file(taken);
        const QByteArray said = file.open(QIODevice::ReadOnly) ? file.read(LongestRequest + 1)
                                                               : QByteArray();
        file.close();
        file.remove();
        if (info.lastModified().msecsTo(QDateTime::currentDateTime()) > Stale)
            continue;
        if (said.startsWith(Front) || said.startsWith(Number))
            emit requested(said.startsWith(Number), QString::fromUtf8(said.sliced(1)));
    }
}

} // namespace oneinstance
