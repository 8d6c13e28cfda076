// The part-time job: the offer, and ten seconds of clicking to bake rice crackers for pay.
#include "core/screen.h"

namespace minigames {

using namespace core;

class Form23 : public Screen {
 public:
  explicit Form23(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form23";
    f.caption = "Form23";
    f.width = 4350;
    f.height = 1245;
    f.controls = {
        button("Command1", "働く", {120, 120, 1935, 975}).tab(0).focused(),
        button("Command2", "やめておく", {2160, 120, 2055, 975}).tab(1),
    };
    return f;
  }

  // The game's ten seconds start when it opens, so the player reads the rules first.
  void Command1_Click() {
    msgbox("OKを押したらスタートしますので、スタートボタンを連打してください。");
    show("Form25");
    unload();
  }

  void Command2_Click() {
    unload();
    show("Form6");
  }
};

// The raw cracker that Picture1 holds when the game opens; every new cracker starts from it.
constexpr const char* kRawCracker = "Form25_Picture1";
constexpr int kGameLength = 10000;   // ms
constexpr int kPayPerCracker = 100;  // yen

class Form25 : public Screen {
 public:
  explicit Form25(Runtime& runtime) : Screen(runtime, design()) {
    on("Label2", Event::Click, [this] { Label2_Click(); });
    on("Timer1", Event::Timer, [this] { Timer1_Timer(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form25";
    f.caption = "Form25";
    f.width = 7455;
    f.height = 4755;
    f.controls = {
        label("Label1", "スタート連打してせんべいを作ってください。", {0, 0, 7455, 495})
            .withFont(gothic(20.25)),
        pictureBox("Picture1", kRawCracker, {2400, 840, 2055, 2175}),
        label("Label2", "スタート", {2520, 3600, 1695, 495}).withFont(gothic(24, true)),
        textBox("Text1", "1", {960, 3480, 495, 270}).hidden(),
        textBox("Text2", "0", {1320, 2760, 255, 270}).hidden(),
        pictureBox("Picture2", "Form25_Picture2", {0, 4920, 2055, 2175}).hidden(),
        pictureBox("Picture3", "Form25_Picture3", {2040, 4920, 2055, 2175}).hidden(),
        pictureBox("Picture4", "Form25_Picture4", {4080, 4920, 2055, 2175}).hidden(),
        pictureBox("Picture5", "Form25_Picture5", {6120, 4920, 2055, 2175}).hidden(),
        timer("Timer1", kGameLength),
    };
    return f;
  }

  // Five clicks bake one cracker; the fifth shows it done and counts it.
  void Label2_Click() {
    const double step = ctl("Text1").number();
    if (step == 1) ctl("Picture1").setPicture(kRawCracker);
    if (step == 2) ctl("Picture1").copyPictureFrom(ctl("Picture2"));
    if (step == 3) ctl("Picture1").copyPictureFrom(ctl("Picture3"));
    if (step == 4) ctl("Picture1").copyPictureFrom(ctl("Picture4"));
    if (step == 5) {
      ctl("Picture1").copyPictureFrom(ctl("Picture5"));
      ctl("Text1").setText("0");
      ctl("Text2").setNumber(ctl("Text2").number() + 1);
    }
    ctl("Text1").setNumber(ctl("Text1").number() + 1);
  }

  // The timer keeps its interval: it is not run again while its messages are open, and the
  // unload at the end stops it, so a game pays once.
  void Timer1_Timer() {
    msgbox("終わりです。");
    msgbox("せんべい１枚につき、100円の報酬です。");
    msgbox("また手伝ってちょ！");
    state().set(Slot::Money, state().number(Slot::Money) + kPayPerCracker * ctl("Text2").number());
    unload();
    show("Form6");  // loaded anew, so its panel shows the pay
  }
};

DOKASUKA_REGISTER_FORM(Form23);
DOKASUKA_REGISTER_FORM(Form25);

}  // namespace minigames
