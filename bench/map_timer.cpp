// map_timer RUNS PROGRAM [ARGS...]: starts PROGRAM RUNS times on the X
// display and prints the median time from its start until it maps its first
// top-level window, then ends it. Run with no window manager, so that the
// program's windows are the root window's children.
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(x);

    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            freopen("/dev/null", "w", stderr); // the program's warnings are not ours to print
            execv(argv[2], argv + 2);
            _exit(127);
        }
        while (xcb_generic_event_t *event = xcb_wait_for_event(x)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                break;
        }
        millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    std::ranges::sort(millis);
    std::printf("%-40s median %6.1f ms over %d starts (min %.1f, max %.1f)\n", argv[2], millis[millis.size() / 2],
                runs, millis.front(), millis.back());
    xcb_disconnect(x);
    return 0;
}
