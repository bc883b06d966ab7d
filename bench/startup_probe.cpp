// Starts a program and reports, from outside it, how long it took to map its first window, how
// long until that window's first pixels were drawn, and how much resident memory it holds once
// shown. Runs against any X server with the DAMAGE extension (Xvfb here).
//
//   dialhour-startup-probe PROGRAM [ARGS...]
//   prints "<ms to mapped> <resident KiB> <ms to first paint>"

#include <xcb/damage.h>
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
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present)
        return fail("the X server has no DAMAGE extension");
    free(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, 0), nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0)
        return fail("cannot start the program");

    // Every top-level window is watched for drawing from its creation, so that no paint between
    // the map and the probe's reaction to it is missed.
    const auto deadline = start + std::chrono::seconds(20);
    xcb_window_t shownWindow = XCB_NONE;
    Clock::time_point mapped, painted;
    bool paintedAny = false;
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (!paintedAny && Clock::now() < deadline) {
        poll(&watch, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection);
            } else if (type == XCB_MAP_NOTIFY && shownWindow == XCB_NONE) {
                shownWindow = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                mapped = Clock::now();
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && shownWindow != XCB_NONE &&
                       reinterpret_cast<xcb_damage_notify_event_t *>(event)->drawable ==
                           shownWindow) {
                painted = Clock::now();
                paintedAny = true;
            }
            free(event);
        }
        if (xcb_connection_has_error(connection))
            return fail("lost the X display", child);
    }
    if (shownWindow == XCB_NONE)
        return fail("no window was mapped within 20 s", child);
    if (!paintedAny)
        return fail("the window was not drawn within 20 s", child);

    // Let any lazy loading after the first paint finish before reading memory.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);

    const auto ms = [start](Clock::time_point t) {
        return std::chrono::duration<double, std::milli>(t - start).count();
    };
    std::printf("%.1f %ld %.1f\n", ms(mapped), rss, ms(painted));
    return rss > 0 ? 0 : fail("cannot read resident memory");
}
