// Starts a program and measures it from outside: the time until its first top-level
// window is mapped on the X display, and its resident memory once that window is shown.
// Usage: qelmar-map-timer SETTLE_MS PROGRAM [ARGS...]
// Prints "map_ms=… rss_kb=… hwm_kb=…" and ends the program.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

long statusKb(pid_t pid, const std::string& key) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key + ":", 0) == 0) return std::atol(line.c_str() + key.size() + 1);
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const int settleMs = std::atoi(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  // Without a window manager every top-level window is a child of the root.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  const auto deadline = start + std::chrono::seconds(30);
  bool mapped = false;
  std::chrono::steady_clock::time_point mappedAt;
  while (!mapped && std::chrono::steady_clock::now() < deadline) {
    while (!mapped && XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) {
        mappedAt = std::chrono::steady_clock::now();
        mapped = true;
      }
    }
    if (mapped) break;
    if (waitpid(child, nullptr, WNOHANG) == child) {
      std::fprintf(stderr, "%s ended before it showed a window\n", argv[2]);
      return 1;
    }
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, 100);
  }
  if (!mapped) {
    std::fprintf(stderr, "%s showed no window within 30 s\n", argv[2]);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return 1;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
  const long rss = statusKb(child, "VmRSS");
  const long hwm = statusKb(child, "VmHWM");
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  const double ms = std::chrono::duration<double, std::milli>(mappedAt - start).count();
  std::printf("map_ms=%.2f rss_kb=%ld hwm_kb=%ld\n", ms, rss, hwm);
  XCloseDisplay(display);
  return 0;
}
