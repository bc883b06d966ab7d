// Starts a program and reports, from outside it, how long it took to map its first window
// and how much resident memory it holds once shown. Runs against any X server (Xvfb here).
//
//   dialhour-startup-probe PROGRAM [ARGS...]   prints "<milliseconds> <resident KiB>"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace {

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

int fail(const char *what, pid_t child = 0)
{
    std::fprintf(stderr, "startup-probe: %s\n", what);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    using Clock = std::chrono::steady_clock;
    if (argc < 2)
        return fail("usage: dialhour-startup-probe PROGRAM [ARGS...]");

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return fail("cannot open the X display");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0)
        return fail("cannot start the program");

    const auto deadline = start + std::chrono::seconds(20);
    bool mapped = false;
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (!mapped && Clock::now() < deadline) {
        poll(&watch, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            mapped = mapped || (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            free(event);
        }
        if (xcb_connection_has_error(connection))
            return fail("lost the X display", child);
    }
    const auto shown = Clock::now();
    if (!mapped)
        return fail("no window was mapped within 20 s", child);

    // Let the first paint and any lazy loading after it finish before reading memory.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);

    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(shown - start).count(),
                rss);
    return rss > 0 ? 0 : fail("cannot read resident memory");
}
