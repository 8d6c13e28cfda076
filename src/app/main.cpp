// dokasuka2: the game, or a scripted run of it.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "replay/replay.h"
#include "view_qt/view.h"

namespace {

constexpr const char* kUsage =
    "usage: dokasuka2                          play the game\n"
    "       dokasuka2 --replay FILE [--shots DIR]  run a replay script headless ('-' reads stdin)\n"
    "       dokasuka2 --record FILE            play, and write your input to FILE as a script\n"
    "       dokasuka2 --demo [--shots DIR]     replay the bundled walkthrough headless\n"
    "       dokasuka2 --help | --version\n";

int usageError(const std::string& message) {
  std::cerr << "dokasuka2: " << message << "\n" << kUsage;
  return 2;
}

std::string demoScriptPath() {
  if (const char* env = std::getenv("DOKASUKA2_WALKTHROUGH")) return env;
  return DOKASUKA_DEMO_SCRIPT;
}

int runReplay(const std::string& path, const std::string& name, const std::string& shotsDir,
              int& argc, char** argv) {
  std::ifstream file;
  std::istream* in = &std::cin;
  if (path != "-") {
    file.open(path, std::ios::binary);
    if (!file) {
      std::cerr << name << ":0: the script cannot be read\n";
      return 2;
    }
    in = &file;
  }
  // Pictures of the windows need Qt, but never a display.
  std::unique_ptr<QApplication> app;
  std::unique_ptr<replay::ShotWriter> shots;
  if (!shotsDir.empty()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
    shots = view::makeShotWriter(shotsDir);
  }
  std::ios::sync_with_stdio(false);
  replay::Replay replay(*in, std::cout, name);
  replay.setShotWriter(shots.get());
  const replay::Outcome outcome = replay.run();
  // The pictures' windows show the replay's forms: they go before the forms do.
  replay.setShotWriter(nullptr);
  shots.reset();
  std::cout.flush();
  if (outcome.status != 0) std::cerr << outcome.error << '\n';
  return outcome.status;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string replayPath, recordPath, shotsDir;
  bool demo = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    if (a == "--help" || a == "-h") {
      std::cout << "ドカスカ2: guide モーリン through the town.\n\n" << kUsage;
      return 0;
    } else if (a == "--version") {
      std::cout << "dokasuka2 " << DOKASUKA_VERSION << '\n';
      return 0;
    } else if (a == "--replay") {
      if (!value(replayPath)) return usageError("--replay needs a FILE");
    } else if (a == "--record") {
      if (!value(recordPath)) return usageError("--record needs a FILE");
    } else if (a == "--shots") {
      if (!value(shotsDir)) return usageError("--shots needs a DIR");
    } else if (a == "--demo") {
      demo = true;
    } else {
      return usageError("unknown argument \"" + a + "\"");
    }
  }
  const int modes = !replayPath.empty() + !recordPath.empty() + demo;
  if (modes > 1) return usageError("--replay, --record and --demo exclude one another");
  if (!shotsDir.empty() && replayPath.empty() && !demo) {
    return usageError("--shots goes with --replay or --demo");
  }
  if (!replayPath.empty()) return runReplay(replayPath, replayPath, shotsDir, argc, argv);
  if (demo) {
    const std::string path = demoScriptPath();
    return runReplay(path, path, shotsDir, argc, argv);
  }
  return view::play(argc, argv, recordPath);
}
