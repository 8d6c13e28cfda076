// dokasuka2: the game, or a scripted run of it.
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
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

int runReplay(std::istream& in, const std::string& name, const std::string& shotsDir, int& argc,
              char** argv) {
  // Pictures of the windows need Qt, but never a display.
  std::unique_ptr<QApplication> app;
  std::unique_ptr<replay::ShotWriter> shots;
  if (!shotsDir.empty()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
    shots = view::makeShotWriter(shotsDir);
  }
  std::ios::sync_with_stdio(false);
  replay::Replay replay(in, std::cout, name);
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
  if (replayPath == "-") return runReplay(std::cin, "-", shotsDir, argc, argv);
  if (!replayPath.empty()) {
    std::ifstream file(replayPath, std::ios::binary);
    if (!file) {
      std::cerr << replayPath << ":0: the script cannot be read\n";
      return 2;
    }
    return runReplay(file, replayPath, shotsDir, argc, argv);
  }
  if (demo) {
    // The walkthrough is compiled in, so the demo plays wherever the binary is.
    QFile walkthrough(QStringLiteral(":/scripts/walkthrough.txt"));
    if (!walkthrough.open(QIODevice::ReadOnly)) {
      std::cerr << "dokasuka2: the bundled walkthrough is missing\n";
      return 2;
    }
    std::istringstream script(walkthrough.readAll().toStdString());
    return runReplay(script, "walkthrough.txt", shotsDir, argc, argv);
  }
  return view::play(argc, argv, recordPath);
}
