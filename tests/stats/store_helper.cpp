// A stand-in for a running game that only loads and saves its statistics in the real store (found as the
// game finds it: through HOME or XDG_CONFIG_HOME). The reliability tests start it, race it and kill it.
//
//   store_helper load              prints the four stored values, or the error on stderr and exits 1
//   store_helper save W L WS LS    saves these four values once
//   store_helper count-up          from the stored Wins w on, saves (w+i, w+i+1, w+i+2, w+i+3) for i = 1, 2,
//   ...
//                                  until it is killed
//   store_helper hammer ID N       saves (v, v+1, v+2, v+3) for v = ID*1000000 + i, i = 0..N-1
//   store_helper lose N            starts as the game does, loses N games and closes as its window does
//   store_helper lose-later N      the same, but says "started" and waits for a line on its input before the
//                                  games
//   store_helper clear             starts as the game does and clears the statistics
//
// save, count-up and hammer write their values as they are, so that every save writes one such run of four
// consecutive numbers, so a store holding anything else is damaged.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <thread>

#include "platform/error.h"
#include "platform/scripted_host.h"
#include "registry/settings_registry.h"
#include "stats/statistics.h"

namespace {

using vantrel::Results;

// Writes the four values as they are, at once, as every save does.
void Write(vantrel::platform::Registry& registry, int wins, int losses, int win_streak, int lose_streak) {
  registry.OpenKey(true);
  registry.WriteInteger("Wins", wins);
  registry.WriteInteger("Losses", losses);
  registry.WriteInteger("WinStreak", win_streak);
  registry.WriteInteger("LoseStreak", lose_streak);
  registry.CloseKey();
}

void SaveRun(vantrel::platform::Registry& registry, int v) { Write(registry, v, v + 1, v + 2, v + 3); }

int Run(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  vantrel::platform::SettingsRegistry registry;
  vantrel::platform::ScriptedHost host;
  Results results;
  vantrel::Statistics stats(registry, host, results);

  if (command == "load" && argc == 2) {
    if (!stats.LoadStats()) {
      std::fprintf(stderr, "no store at %s\n", registry.Location().c_str());
      return 1;
    }
    std::printf("%d %d %d %d\n", results.wins, results.losses, results.win_streak, results.lose_streak);
    return 0;
  }
  if (command == "save" && argc == 6) {
    Write(registry, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    return 0;
  }
  if (command == "count-up" && argc == 2) {
    stats.Start();
    for (int v = results.wins + 1;; ++v) SaveRun(registry, v);
  }
  if (command == "hammer" && argc == 4) {
    const int base = std::atoi(argv[2]) * 1000000;
    const int saves = std::atoi(argv[3]);
    for (int i = 0; i < saves; ++i) {
      SaveRun(registry, base + i);
      // A breath between saves, as no game saves back to back: a copy that took the lock again at once would
      // hold it nearly all the time, and the other copy's polling could miss it for its whole bounded wait.
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::printf("%d\n", base + saves - 1);
    return 0;
  }
  if (command == "clear" && argc == 2) {
    if (stats.Start()) return 1;
    stats.ClearStats(false);
    return 0;
  }
  if ((command == "lose" || command == "lose-later") && argc == 3) {
    if (stats.Start()) return 1;
    if (command == "lose-later") {
      std::printf("started\n");
      std::fflush(stdout);
      std::getchar();
    }
    for (int i = std::atoi(argv[2]); i > 0; --i)
      vantrel::RecordResult(results, results.losses, vantrel::kStreakLosses);
    stats.SaveOnClose();
    return 0;
  }
  std::fprintf(
      stderr,
      "usage: store_helper load | save W L WS LS | count-up | hammer ID N | lose N | lose-later N | clear\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
