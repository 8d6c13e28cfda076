// The first bomb goes off in a vegetable field, and the field's owner is not amused. Trying the
// bomb always ends the game.
#include "core/screen.h"

namespace bomb {

using namespace core;

constexpr int kSceneHalf = 5000;  // ms of the planted bomb, then as long of the explosion

// A scene to watch, not to play: nothing on it takes a click.
class Form17 : public Screen {
 public:
  explicit Form17(Runtime& runtime) : Screen(runtime, design()) {
    on("Timer1", Event::Timer, [this] { Timer1_Timer(); });
    on("Timer2", Event::Timer, [this] { Timer2_Timer(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form17";
    f.caption = "Form17";
    f.width = 11985;
    f.height = 9000;
    f.controls = {
        image("Image1", "Form17_Image1", {0, 0, 12000, 9000}),
        image("Image2", "Form17_Image2", {0, 0, 12000, 9000}).hidden(),
        timer("Timer1", kSceneHalf),
        timer("Timer2", 0),
    };
    return f;
  }

  void Timer1_Timer() {
    ctl("Timer1").setInterval(0);
    ctl("Image1").setVisible(false);
    ctl("Image2").setVisible(true);
    ctl("Timer2").setInterval(kSceneHalf);
  }

  void Timer2_Timer() {
    unload();
    show("Form18");
  }
};

class Form18 : public Screen {
 public:
  explicit Form18(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form18";
    f.caption = "Form18";
    f.width = 10020;
    f.height = 6135;
    f.controls = {
        image("Image1", "Form18_Image1", {0, 0, 10035, 4305}),
        button("Command1", "あやまる", {360, 4560, 4575, 1335}).tab(0).focused(),
        button("Command2", "うるせぇー！！！！", {5040, 4560, 4575, 1335}).tab(1),
    };
    return f;
  }

  void Form_Load() override {
    msgbox("ラピタのジジイ：おまえら何やっとんだ！");
    msgbox("ラピタのジジイ：畑がぐちゃぐちゃだかがや！");
    msgbox("ラピタのジジイ：どうするつもりだ！！");
  }

  // Apologising helps no more than talking back.
  void Command1_Click() {
    msgbox("モーリン：す・すいません");
    msgbox("ラピタのジジイ：すいませんではすまないだろ！！");
    msgbox("ラピタのジジイ：警察に行くぞ！！！！");
    unload();
    show("Form19");
  }

  void Command2_Click() {
    msgbox("モーリン：うるせぇー！！");
    msgbox("ラピタのジジイ：うるせぇーだと？なめんな！！！");
    msgbox("ラピタのジジイ：警察に行くぞ！！！！");
    unload();
    show("Form19");
  }
};

DOKASUKA_REGISTER_FORM(Form17);
DOKASUKA_REGISTER_FORM(Form18);

}  // namespace bomb
