// Start-up benchmark: the game against a bare Qt window of the same size, side by side in one private X
// server, and the game at scale 1 against the game at another scale (Qt's scale factor, 2 unless told). For
// each program, over several runs: the time from process start until its window is mapped, the time from an
// F2 key press until the window shows its final picture (the dealt table fully painted), and its
// memory (resident 1 s after start, and peak). Prints medians and ratios, and the game's timeline: when each
// step of its start ended (the marks it writes with VANTREL_STARTUP_MARKS set), beside the bare window's.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "x_server.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

long StatusKb(pid_t pid, const char* field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  }
  return -1;
}

std::uint64_t Hash(XImage* image) {
  std::uint64_t h = 1469598103934665603ull;
  const auto* bytes = reinterpret_cast<const unsigned char*>(image->data);
  const long size = static_cast<long>(image->bytes_per_line) * image->height;
  for (long i = 0; i < size; i += 4)
    h = (h ^ (bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16)) * 1099511628211ull;
  return h;
}

struct Sample {
  double mapped_ms = 0;
  double paint_ms = 0;
  double resident_mb = 0;
  double peak_mb = 0;
  int frames =
      0;  // pictures read in the 400 ms after F2: one before it, then one after each report of drawing
  std::vector<std::pair<std::string, double>> marks;  // the game's steps, ms after the start, in their order
};

// The wall clock in nanoseconds, as the game's marks give it.
long long WallNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The marks "vantrel-startup NANOSECONDS STEP" in the file, as ms after `start_ns`.
std::vector<std::pair<std::string, double>> ReadMarks(const std::string& path, long long start_ns) {
  std::vector<std::pair<std::string, double>> marks;
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream words(line);
    std::string tag;
    long long ns = 0;
    if (!(words >> tag >> ns) || tag != "vantrel-startup") continue;
    std::string step;
    std::getline(words >> std::ws, step);
    marks.emplace_back(step, static_cast<double>(ns - start_ns) / 1e6);
  }
  return marks;
}

// One start of `program` in `folder` with Qt's scale factor `scale`.
Sample RunOnce(Display* x, const std::string& program, const std::string& folder, double scale = 1) {
  Sample sample;
  Window root = DefaultRootWindow(x);
  XSelectInput(x, root, SubstructureNotifyMask);
  XSync(x, True);

  setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
  const std::string marks_file = std::filesystem::temp_directory_path() / "vantrel-bench-marks.txt";
  const auto start = Clock::now();
  const long long start_ns = WallNs();
  pid_t pid = -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, marks_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (chdir(folder.c_str()) != 0) std::exit(1);
  const char* argv[] = {program.c_str(), nullptr};
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, const_cast<char* const*>(argv), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    std::exit(1);
  }
  posix_spawn_file_actions_destroy(&actions);

  // The window is mapped: the first MapNotify of a top-level window of the table's width.
  Window window = 0;
  while (window == 0) {
    XEvent event;
    XNextEvent(x, &event);
    if (event.type != MapNotify || event.xmap.event != root) continue;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(x, event.xmap.window, &attributes) && attributes.width >= 600) {
      sample.mapped_ms = Ms(Clock::now() - start);
      window = event.xmap.window;
    }
  }
  std::this_thread::sleep_until(start + std::chrono::seconds(1));
  sample.resident_mb = static_cast<double>(StatusKb(pid, "VmRSS:")) / 1024.0;

  XWindowAttributes attributes;
  XGetWindowAttributes(x, window, &attributes);
  XSetInputFocus(x, window, RevertToParent, CurrentTime);
  XSync(x, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));

  // The window's picture is read through shared memory, and only when the X server reports that something
  // was drawn into the window (the damage extension): reading it over and over kept the server busy copying
  // it, and the programs' own requests waited for the server, which the measure then counted as painting.
  XShmSegmentInfo shm{};
  XImage* image =
      XShmCreateImage(x, attributes.visual, static_cast<unsigned>(attributes.depth), ZPixmap, nullptr, &shm,
                      static_cast<unsigned>(attributes.width), static_cast<unsigned>(attributes.height));
  shm.shmid =
      shmget(IPC_PRIVATE, static_cast<std::size_t>(image->bytes_per_line) * image->height, IPC_CREAT | 0600);
  shm.shmaddr = image->data = static_cast<char*>(shmat(shm.shmid, nullptr, 0));
  shm.readOnly = False;
  XShmAttach(x, &shm);
  int damage_event = 0;
  int damage_error = 0;
  if (!XDamageQueryExtension(x, &damage_event, &damage_error)) {
    std::fprintf(stderr, "the X server has no damage extension\n");
    std::exit(1);
  }
  // Freed with the window when the program ends.
  XDamageCreate(x, window, XDamageReportRawRectangles);
  XSync(x, False);
  shmctl(shm.shmid, IPC_RMID, nullptr);

  // F2, then each time something was drawn, the window's picture and when that drawing was reported;
  // painted = the report after which the window first showed its final picture.
  std::vector<std::pair<double, std::uint64_t>> frames;
  XShmGetImage(x, window, image, 0, 0, AllPlanes);
  frames.emplace_back(0.0, Hash(image));
  const KeyCode f2 = XKeysymToKeycode(x, XK_F2);
  const auto pressed = Clock::now();
  XTestFakeKeyEvent(x, f2, True, CurrentTime);
  XTestFakeKeyEvent(x, f2, False, CurrentTime);
  XFlush(x);
  const auto watched = std::chrono::milliseconds(400);
  for (auto now = Clock::now(); now - pressed < watched; now = Clock::now()) {
    pollfd connection{.fd = ConnectionNumber(x), .events = POLLIN, .revents = 0};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(watched - (now - pressed));
    if (XPending(x) == 0 && poll(&connection, 1, static_cast<int>(left.count()) + 1) <= 0) continue;
    bool drawn = false;
    double at = 0;
    while (XPending(x) > 0) {
      XEvent event;
      XNextEvent(x, &event);
      if (event.type != damage_event + XDamageNotify) continue;
      at = Ms(Clock::now() -
              pressed);  // the last report before the picture is read: nothing is credited early
      drawn = true;
    }
    if (!drawn) continue;
    XShmGetImage(x, window, image, 0, 0, AllPlanes);
    frames.emplace_back(at, Hash(image));
  }
  XShmDetach(x, &shm);
  XDestroyImage(image);
  shmdt(shm.shmaddr);
  sample.frames = static_cast<int>(frames.size());
  if (getenv("BENCH_VERBOSE") != nullptr) {
    std::fprintf(stderr, "%s:", program.c_str());
    for (std::size_t i = 1; i < frames.size(); ++i) {
      if (frames[i].second != frames[i - 1].second) std::fprintf(stderr, " %.2f", frames[i].first);
    }
    std::fprintf(stderr, "\n");
  }
  const std::uint64_t final_picture = frames.back().second;
  std::size_t first = frames.size() - 1;
  while (first > 0 && frames[first - 1].second == final_picture) --first;
  sample.paint_ms = frames[first].first;
  sample.peak_mb = static_cast<double>(StatusKb(pid, "VmHWM:")) / 1024.0;

  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  sample.marks = ReadMarks(marks_file, start_ns);
  std::filesystem::remove(marks_file);
  XSelectInput(x, root, NoEventMask);
  return sample;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double MedianOf(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& s : samples) values.push_back(s.*field);
  return Median(values);
}

// Prints the medians of two sets of runs side by side, with the second's ratios.
void PrintSideBySide(const char* first_name, const std::vector<Sample>& first, const char* second_name,
                     const std::vector<Sample>& second) {
  struct Row {
    const char* name;
    double Sample::*field;
    const char* unit;
  };
  const Row rows[] = {{"mapped after start", &Sample::mapped_ms, "ms"},
                      {"F2 to fully painted", &Sample::paint_ms, "ms"},
                      {"resident after 1 s", &Sample::resident_mb, "MB"},
                      {"peak resident", &Sample::peak_mb, "MB"}};
  std::printf("%-22s %12s %12s %10s\n", "", first_name, second_name, "ratio");
  for (const Row& row : rows) {
    const double a = MedianOf(first, row.field);
    const double b = MedianOf(second, row.field);
    std::printf("%-22s %9.1f %-2s %9.1f %-2s %9.2fx\n", row.name, a, row.unit, b, row.unit, b / a);
  }
}

// The median time of each step of the game's start, in the order of the first run's marks, with the time
// the step took after the one before.
void PrintTimeline(const std::vector<Sample>& samples) {
  if (samples.empty() || samples[0].marks.empty()) return;
  std::printf("%-22s %12s %12s\n", "step ended", "after start", "took");
  double before = 0;
  for (const auto& [step, at] : samples[0].marks) {
    std::vector<double> values;
    for (const Sample& sample : samples) {
      for (const auto& [other, ms] : sample.marks) {
        if (other == step) {
          values.push_back(ms);
          break;
        }
      }
    }
    const double median = Median(values);
    std::printf("%-22s %9.1f ms %9.1f ms\n", step.c_str(), median, median - before);
    before = median;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
  const double scale = argc > 2 ? std::atof(argv[2]) : 2;
  if (runs < 1 || !(scale > 0)) {
    std::fprintf(stderr, "usage: bench_startup [RUNS [SCALE [GAME_FOLDER]]]\n");
    return 2;
  }
  const vantrel::testing::XServer server;
  setenv("DISPLAY", server.display().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  setenv("VANTREL_CLOCK", "1700000000", 1);
  setenv("VANTREL_STARTUP_MARKS", "1", 1);
  // The game reads (and on a first start writes) its statistics store: a folder of the benchmark's own
  // stands in for the user's settings, which a benchmark must never touch.
  char settings[] = "/tmp/vantrel-bench-XXXXXX";
  if (mkdtemp(settings) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  setenv("XDG_CONFIG_HOME", settings, 1);
  Display* x = XOpenDisplay(server.display().c_str());
  if (x == nullptr) {
    std::fprintf(stderr, "cannot open the display %s\n", server.display().c_str());
    return 1;
  }
  // Another build's game folder (its program beside its CARDS) may stand in, to compare two builds.
  const std::string game_folder = argc > 3 ? argv[3] : VANTREL_GAME_DIR;
  const std::string game = game_folder + "/vantrel";
  const std::string bare = BARE_WINDOW;

  std::vector<Sample> game_samples;
  std::vector<Sample> bare_samples;
  std::vector<Sample> scaled_samples;
  RunOnce(x, bare, game_folder);  // warms the file cache for all
  RunOnce(x, game, game_folder);
  RunOnce(x, game, game_folder, scale);
  for (int i = 0; i < runs; ++i) {
    bare_samples.push_back(RunOnce(x, bare, game_folder));
    game_samples.push_back(RunOnce(x, game, game_folder));
    scaled_samples.push_back(RunOnce(x, game, game_folder, scale));
  }
  std::printf("startup benchmark, median of %d runs each, side by side under Xvfb\n", runs);
  PrintSideBySide("bare Qt", bare_samples, "Vantrel", game_samples);
  const double mapped_ratio =
      MedianOf(game_samples, &Sample::mapped_ms) / MedianOf(bare_samples, &Sample::mapped_ms);
  const double paint = MedianOf(game_samples, &Sample::paint_ms);
  const double extra_mb =
      MedianOf(game_samples, &Sample::resident_mb) - MedianOf(bare_samples, &Sample::resident_mb);
  std::printf(
      "(F2's painting is timed by the X server's reports of drawing into the window: %d pictures read)\n",
      game_samples[0].frames);
  std::printf("goals: mapped within 1.1x the bare window: %.2fx %s\n", mapped_ratio,
              mapped_ratio <= 1.1 ? "met" : "MISSED");
  std::printf("       F2 to painted within 3 ms: %.1f ms %s\n", paint, paint <= 3 ? "met" : "MISSED");
  std::printf("       resident within 1.5 MB of the bare window: %+.2f MB %s\n", extra_mb,
              extra_mb <= 1.5 ? "met" : "MISSED");
  std::printf("\nthe bare window's start, median of %d runs\n", runs);
  PrintTimeline(bare_samples);
  std::printf("\nthe game's start, median of %d runs\n", runs);
  PrintTimeline(game_samples);

  char scaled_name[32];
  std::snprintf(scaled_name, sizeof scaled_name, "at scale %g", scale);
  std::printf("\nVantrel at scale 1 and %s (Qt's scale factor), median of %d runs each\n", scaled_name, runs);
  PrintSideBySide("at scale 1", game_samples, scaled_name, scaled_samples);
  const double scaled_ratio =
      MedianOf(scaled_samples, &Sample::mapped_ms) / MedianOf(game_samples, &Sample::mapped_ms);
  std::printf("goal: mapped %s within 1.1x of scale 1: %.2fx %s\n", scaled_name, scaled_ratio,
              scaled_ratio <= 1.1 ? "met" : "MISSED");
  XCloseDisplay(x);
  std::filesystem::remove_all(settings);
  return 0;
}
