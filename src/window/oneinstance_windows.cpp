// The one window on Windows: a mutex named for the user in the session's namespace says which
// start is the window, and a message-only window of that start's takes later starts' numbers as
// WM_COPYDATA.
#include "window/oneinstance.h"

#include "keypad/keypad.h"

#include <QDeadlineTimer>
#include <QThread>

#include <qt_windows.h>

namespace oneinstance {
namespace {

// Tells Dialhour's messages from any other WM_COPYDATA.
constexpr ULONG_PTR Magic = 0x44484f31; // "DHO1"
constexpr ULONG_PTR Front = 0;
constexpr ULONG_PTR Number = 1;
// A number's link is a few characters; anything longer is not one.
constexpr DWORD LongestLink = 64 * 1024;
// The owner makes its window right after the mutex; a start that finds the mutex but not yet
// the window waits this long for it.
constexpr int WindowWait = 1000;    // milliseconds
// Not SMTO_ABORTIFHUNG: a window busy for a few seconds on a loaded machine is not hung, and
// a start that gave up on it would open a second window.
constexpr UINT SendTimeout = 30000; // milliseconds
const wchar_t ClassName[] = L"" DIALHOUR_APP_ID L".requests";

// Local\ is the user's session; the user's name keeps another account in it (runas) apart.
std::wstring sessionObjectName()
{
    wchar_t user[257] = {};
    DWORD size = DWORD(std::size(user));
    GetUserNameW(user, &size);
    return std::wstring(L"Local\\" DIALHOUR_APP_ID L".") + user;
}

LRESULT CALLBACK receive(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message != WM_COPYDATA)
        return DefWindowProcW(hwnd, message, wparam, lparam);
    auto *window = reinterpret_cast<Window *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const auto *data = reinterpret_cast<const COPYDATASTRUCT *>(lparam);
    if (!window || data->dwData >> 8 != Magic || data->cbData > LongestLink * sizeof(wchar_t) ||
        data->cbData % sizeof(wchar_t))
        return FALSE;
    // The sender is given the answer at once; the window answers from the event loop.
    Request request;
    request.hasNumber = (data->dwData & 0xff) == Number;
    if (request.hasNumber)
        request.number = QString::fromWCharArray(static_cast<const wchar_t *>(data->lpData),
                                                 qsizetype(data->cbData / sizeof(wchar_t)));
    QMetaObject::invokeMethod(
        window, [window, request] { window->received(request); }, Qt::QueuedConnection);
    return TRUE;
}

} // namespace

struct Window::Platform {
    HANDLE mutex = nullptr;
    HWND requests = nullptr;
};

Window::Window(QObject *parent)
    : QObject(parent)
    , platform(std::make_unique<Platform>())
{
}

Window::~Window()
{
    if (platform->requests)
        DestroyWindow(platform->requests);
    if (platform->mutex)
        CloseHandle(platform->mutex);
}

bool Window::take()
{
    if (platform->mutex)
        return true;
    const std::wstring name = sessionObjectName();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    // No object to be had: a window of its own, at once.
    if (!mutex)
        return true;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    platform->mutex = mutex;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = receive;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    RegisterClassW(&windowClass);
    platform->requests = CreateWindowExW(0, ClassName, name.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE,
                                         nullptr, windowClass.hInstance, nullptr);
    if (platform->requests)
        SetWindowLongPtrW(platform->requests, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

bool Window::handOver(const Request &request)
{
    const std::wstring name = sessionObjectName();
    HWND owner = nullptr;
    for (QDeadlineTimer deadline(WindowWait);
         !(owner = FindWindowExW(HWND_MESSAGE, nullptr, ClassName, name.c_str())) &&
         !deadline.hasExpired();)
        QThread::msleep(10);
    if (!owner)
        return false;
    // The open window may come to the front only where this start lets it.
    DWORD process = 0;
    GetWindowThreadProcessId(owner, &process);
    AllowSetForegroundWindow(process);
    const std::wstring link =
        request.hasNumber ? dialhour::PlanLink(request.number).toStdWString() : std::wstring();
    COPYDATASTRUCT data = {};
    data.dwData = Magic << 8 | (request.hasNumber ? Number : Front);
    data.cbData = DWORD(link.size() * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t *>(link.data());
    DWORD_PTR taken = FALSE;
    return SendMessageTimeoutW(owner, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_BLOCK, SendTimeout, &taken) &&
           taken == TRUE;
}

} // namespace oneinstance
