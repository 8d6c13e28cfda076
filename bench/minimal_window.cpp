// The smallest Qt Widgets program that opens a window: the yardstick for the game's start-up
// time and memory. It reports the moment its window is first painted and exits, exactly like
// dokasuka2 does when DOKASUKA2_EXIT_WHEN_SHOWN is set.
#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long peakResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

class Window : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::black);
    if (reported_) return;
    reported_ = true;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf(
        "shown_ns=%lld peak_kib=%ld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
        peakResidentKiB());
    std::fflush(stdout);
    QApplication::quit();
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Window window;
  window.setFixedSize(370, 448);  // the title screen's size
  window.setWindowTitle("Form1");
  window.show();
  return app.exec();
}
