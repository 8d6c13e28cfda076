#include "view_qt/view.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <utility>

#include "view_qt/form_window.h"
#include "view_qt/game.h"
#include "view_qt/look.h"
#include "view_qt/message_box.h"
#include "view_qt/pictures.h"
#include "view_qt/snapshot.h"

namespace view {

namespace {

long peakResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// For the start-up benchmark (DOKASUKA2_EXIT_WHEN_SHOWN): reports the moment the first window
// has been painted, and the peak memory so far, then leaves.
class ReportWhenShown : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!reported_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
      reported_ = true;
      QTimer::singleShot(0, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::cout << "shown_ns="
                  << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                  << " peak_kib=" << peakResidentKiB() << std::endl;
        QApplication::quit();
      });
    }
    return false;
  }

 private:
  bool reported_ = false;
};

}  // namespace

int play(int& argc, char** argv, const std::string& recordPath) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("dokasuka2"));
  QApplication::setApplicationDisplayName(kAppTitle);
  QApplication::setQuitOnLastWindowClosed(false);  // the runtime says when the program ends
  applyLook();
  QApplication::setWindowIcon(pictureIcon("Form1_Icon"));

  GameOptions options;
  options.quitApplication = true;
  std::ofstream record;
  if (!recordPath.empty()) {
    record.open(recordPath, std::ios::binary | std::ios::trunc);
    if (!record) {
      std::cerr << "dokasuka2: cannot write " << recordPath << '\n';
      return 2;
    }
    options.record = &record;
  }
  std::ofstream transcript;
  if (const char* path = std::getenv("DOKASUKA2_TRANSCRIPT"); path != nullptr && *path != 0) {
    transcript.open(path, std::ios::binary | std::ios::trunc);
    if (!transcript) {
      std::cerr << "dokasuka2: cannot write " << path << '\n';
      return 2;
    }
    options.transcript = &transcript;
  }

  ReportWhenShown report;
  if (std::getenv("DOKASUKA2_EXIT_WHEN_SHOWN") != nullptr) app.installEventFilter(&report);

  Game game(std::move(options));
  game.start("Form1");
  if (!game.runtime().ended()) QApplication::exec();
  return 0;
}

namespace {

class Shots : public replay::ShotWriter {
 public:
  explicit Shots(QString directory) : directory_(std::move(directory)) {}

  void shot(const std::string& name, core::Runtime& runtime,
            const std::vector<std::string>& boxes) override {
    const QString prefix = directory_ + QLatin1Char('/') + QString::fromStdString(name);
    for (core::Form* form : runtime.loadOrder()) {
      if (!form->visible()) continue;
      FormWindow& w = windowOf(*form);
      w.syncAll();
      save(windowPicture(w, w.windowTitle()), prefix + QLatin1Char('-') +
                                                  QString::fromStdString(form->name()) +
                                                  QStringLiteral(".png"));
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      MessageBox box(QString::fromStdString(boxes[i]));
      box.setAttribute(Qt::WA_DontShowOnScreen);
      box.setWindowModality(Qt::NonModal);
      box.show();
      const QString suffix = i == 0 ? QString() : QString::number(i + 1);
      save(windowPicture(box, box.windowTitle()),
           prefix + QStringLiteral("-msgbox") + suffix + QStringLiteral(".png"));
      box.hide();
    }
  }

 private:
  FormWindow& windowOf(core::Form& form) {
    auto& w = windows_[&form];
    if (!w) {
      w = std::make_unique<FormWindow>(form, nullptr);
      w->setAttribute(Qt::WA_DontShowOnScreen);
      w->show();
    }
    return *w;
  }

  static void save(const QImage& picture, const QString& path) {
    if (!picture.save(path, "PNG")) {
      std::cerr << "dokasuka2: cannot write " << path.toStdString() << '\n';
    }
  }

  QString directory_;
  std::map<core::Form*, std::unique_ptr<FormWindow>> windows_;
};

}  // namespace

std::unique_ptr<replay::ShotWriter> makeShotWriter(const std::string& directory) {
  // Pictures are taken on the offscreen platform, which remarks on every window property it
  // has no use for; a scripted run's error output is for the script's errors.
  static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (type < QtCriticalMsg && msg.startsWith(QStringLiteral("This plugin does not support"))) {
      return;
    }
    if (previous != nullptr) previous(type, context, msg);
  });
  const QString dir = QString::fromStdString(directory);
  if (!QDir().mkpath(dir)) std::cerr << "dokasuka2: cannot create " << directory << '\n';
  applyLook();
  return std::make_unique<Shots>(dir);
}

}  // namespace view
