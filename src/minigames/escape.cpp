// The escape up the pole inside the police station: mash the button before the officer
// catches up.
#include "core/screen.h"

namespace minigames {

using namespace core;

namespace {

// One rung of the pole, for the hero and the officer alike. Both tops move in exact twips, so
// that the officer, 40 rungs behind, always passes through the hero's height.
constexpr int kRung = 50;
constexpr int kOfficerPace = 100;  // ms per rung, once the chase has started

}  // namespace

class Form26 : public Screen {
 public:
  explicit Form26(Runtime& runtime) : Screen(runtime, design()) {
    // The press itself climbs, whichever button; the keyboard's Click does nothing here.
    on("Command1", Event::MouseDown, [this] { Command1_MouseDown(); });
    on("Timer1", Event::Timer, [this] { Timer1_Timer(); });
    on("Timer2", Event::Timer, [this] { Timer2_Timer(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form26";
    f.caption = "Form26";
    f.width = 9945;
    f.height = 7485;
    f.back = 0xFFFFFF;
    f.controls = {
        image("Image1", "Form19_Image1", {0, 0, 5430, 7470}),
        button("Command1", "上る", {5400, 0, 1215, 495}).tab(0).focused(),
        line("Line1", 7680, 0, 7680, 7440),
        image("Image2", "Form26_Image2", {7200, 4200, 1095, 1095}),
        image("Image4", "Form26_Image4", {7200, 6200, 1095, 1095}),
        image("Image3", "Form26_Image3", {5880, 4320, 1095, 1095}).hidden(),
        image("Image6", "Form26_Image2", {5880, 3000, 1095, 1095}).hidden(),
        image("Image5", "Form26_Image5", {5760, 6120, 1095, 1095}).hidden(),
        image("Image7", "Form26_Image4", {8640, 5160, 1095, 1095}).hidden(),
        textBox("Text1", "0", {5880, 840, 615, 375}).hidden().tab(1),
        textBox("Text2", "0", {5760, 1680, 375, 270}).hidden().tab(2),
        textBox("Text3", "0", {9360, 960, 150, 270}).hidden().tab(3),
        timer("Timer1", 0),
        timer("Timer2", 1),
    };
    return f;
  }

  void Command1_MouseDown() {
    // Both pose tests look at the flag as it was: the first one flips it.
    const double pose = ctl("Text2").number();
    if (pose == 0) {
      ctl("Text2").setText("1");
      ctl("Image2").copyPictureFrom(ctl("Image3"));
    }
    if (pose == 1) {
      ctl("Image2").copyPictureFrom(ctl("Image6"));
      ctl("Text2").setText("0");
    }
    ctl("Image2").setTop(ctl("Image2").top() - kRung);
    if (ctl("Text1").is(0)) {
      ctl("Timer1").setInterval(kOfficerPace);
      ctl("Text1").setText("1");
    }
    if (ctl("Image2").top() == 0) {
      ctl("Timer1").setInterval(0);
      ctl("Timer2").setInterval(0);
      msgbox("モーリンは逃げ切れた！！");
      unload();
      show("Form27");
      msgbox("幹部がでてきた！");
      msgbox("幹部に追われて、電気の部屋にきた！");
      msgbox("壁に当たったら、死んでしまいます！");
      msgbox("制限時間内にゴールしてください。");
    }
  }

  void Timer1_Timer() {
    ctl("Image4").setTop(ctl("Image4").top() - kRung);
    const double pose = ctl("Text3").number();
    if (pose == 0) {
      ctl("Image4").copyPictureFrom(ctl("Image5"));
      ctl("Text3").setText("1");
    }
    if (pose == 1) {
      ctl("Image4").copyPictureFrom(ctl("Image7"));
      ctl("Text3").setText("0");
    }
  }

  // The catch is judged here only, between other handlers: a press that lands after the
  // officer's step and before this check gets the hero away again.
  void Timer2_Timer() {
    if (ctl("Image4").top() == ctl("Image2").top()) {
      ctl("Timer1").setInterval(0);
      ctl("Timer2").setInterval(0);
      msgbox("モーリンは、目の前が真っ暗になった！");
      show("Form19");
      unload();
    }
  }
};

DOKASUKA_REGISTER_FORM(Form26);

}  // namespace minigames
