// ムニャ takes the LED and is caught: one picture rushes at the player in four sizes, a second
// apart, then the scene tells the rest and carries the hero off to the police station.
#include <string>

#include "core/screen.h"

namespace minigames {

using namespace core;

namespace {

constexpr int kStep = 1000;  // ms between the sizes

}  // namespace

class Form24 : public Screen {
 public:
  explicit Form24(Runtime& runtime) : Screen(runtime, design()) {
    on("Timer1", Event::Timer, [this] { Timer1_Timer(); });
    on("Timer2", Event::Timer, [this] { Timer2_Timer(); });
    on("Timer3", Event::Timer, [this] { Timer3_Timer(); });
    on("Timer4", Event::Timer, [this] { Timer4_Timer(); });
    on("Timer5", Event::Timer, [this] { Timer5_Timer(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form24";
    f.caption = "Form24";
    f.width = 6810;
    f.height = 7155;
    f.back = 0xFFFFFF;
    f.controls = {
        image("Image4", "Form24_Image4", {2520, 2400, 1710, 1800}),
        image("Image3", "Form24_Image3", {1920, 1920, 3030, 3180}).hidden(),
        image("Image2", "Form24_Image2", {1200, 1200, 4545, 4770}).hidden(),
        image("Image1", "Form24_Image1", {0, 0, 6810, 7155}).hidden(),
        timer("Timer1", kStep),
        timer("Timer2", 0),
        timer("Timer3", 0),
        timer("Timer4", 0),
        timer("Timer5", 0),
    };
    return f;
  }

  // Each size is shown alone. The first step shows the size already on screen: the picture holds
  // still for two seconds before it starts to grow.
  void showOnly(const char* shown) {
    for (const char* picture : {"Image4", "Image1", "Image2", "Image3"}) {
      ctl(picture).setVisible(std::string(picture) == shown);
    }
  }

  void Timer1_Timer() {
    showOnly("Image4");
    ctl("Timer2").setInterval(kStep);
    ctl("Timer1").setInterval(0);
  }

  void Timer2_Timer() {
    showOnly("Image3");
    ctl("Timer3").setInterval(kStep);
    ctl("Timer2").setInterval(0);
  }

  void Timer3_Timer() {
    showOnly("Image2");
    ctl("Timer4").setInterval(kStep);
    ctl("Timer3").setInterval(0);
  }

  void Timer4_Timer() {
    showOnly("Image1");
    ctl("Timer4").setInterval(0);
    ctl("Timer5").setInterval(kStep);
  }

  // Left running: it cannot tick again while its own messages wait, and the unload stops it.
  void Timer5_Timer() {
    msgbox("ムニャ：お！LEDくれるのか？ありがとー！");
    msgbox("ムニャは、喜んでいる。");
    msgbox("モーリンはモンスターボールを投げた！");
    msgbox("やった！ムニャを捕まえたぞ！");
    msgbox("ムニャがいきなりモーリンを連れ出した！！");
    unload();
    show("Form10");
  }
};

DOKASUKA_REGISTER_FORM(Form24);

}  // namespace minigames
