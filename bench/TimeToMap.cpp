// Start-up time as the X server sees it: from just before exec of a program to the first
// top-level window it maps. Prints the milliseconds, then ends the program.
//
//   time_to_map PROGRAM [ARGS...]      (on $DISPLAY, with no window manager)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUpAfter = std::chrono::seconds(30);

// Ends the child and reaps it: politely first, then for sure (SDL catches SIGTERM).
void EndChild(pid_t child) {
  kill(child, SIGTERM);
  for (int i = 0; i < 25; ++i) {
    if (waitpid(child, nullptr, WNOHANG) == child) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

// Waits for a MapNotify of a managed top-level; false if the child exits or time runs out.
bool WaitForTopLevelMap(xcb_connection_t* connection, pid_t child) {
  const auto giveUp = Clock::now() + kGiveUpAfter;
  while (Clock::now() < giveUp) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
        xcb_poll_for_event(connection), &std::free);
    if (!event) {
      if (xcb_connection_has_error(connection)) return false;
      if (waitpid(child, nullptr, WNOHANG) == child) return false;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
      continue;
    }
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
    if (!map->override_redirect) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fputs("usage: time_to_map PROGRAM [ARGS...]\n", stderr);
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fputs("cannot reach the X server\n", stderr);
    return 1;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_void_cookie_t cookie =
      xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
  if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
    std::free(error);
    std::fputs("cannot watch the root window\n", stderr);
    return 1;
  }

  const auto began = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  if (child < 0) return 1;
  const bool mapped = WaitForTopLevelMap(connection, child);
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - began).count();
  EndChild(child);
  xcb_disconnect(connection);
  if (!mapped) {
    std::fputs("no window was mapped\n", stderr);
    return 1;
  }
  std::printf("%.2f\n", ms);
  return 0;
}
