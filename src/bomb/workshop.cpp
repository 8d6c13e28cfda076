// ガブリン's house, where a bottle, dry ice and water make a bomb, and the prompt that offers to
// try the new one.
#include "core/screen.h"

namespace bomb {

using namespace core;

// The chain's steps follow one another as soon as the timer service allows.
constexpr int kNextStep = 1;

class Form15 : public Screen {
 public:
  explicit Form15(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
    on("Timer1", Event::Timer, [this] { Timer1_Timer(); });
    on("Timer2", Event::Timer, [this] { Timer2_Timer(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form15";
    f.caption = "Form15";
    f.width = 11010;
    f.height = 10455;
    f.controls = {
        image("Image1", "Form15_Image1", {0, 0, 12000, 9000}),
        label("Label1", "ガブリンの家", {720, 120, 6975, 1095})
            .withBack(0xFFFFFF)
            .withFont(gothic(48))
            .tab(0),
        button("Command1", "水爆を作る", {3720, 9480, 3495, 855}).tab(1).focused(),
        button("Command2", "ガブリンの家を出る", {7320, 9480, 1815, 855}).tab(2),
        timer("Timer1", 0),
        timer("Timer2", 0),
    };
    return f;
  }

  void Form_Load() override {
    msgbox("ガブリン：お！！モーリン！！");
    msgbox("ガブリン：水爆作っていきゃー");
  }

  // A missing item ends the chain; whatever the earlier steps took stays taken.
  void sendBack(const char* complaint) {
    msgbox(complaint);
    msgbox("チョロすけ：牛！もってこい！！");
    unload();
    show("Form5");
  }

  void Command1_Click() {
    const double bottles = state().number(Slot::Bottles);
    if (bottles == 0) {
      sendBack("ガブリン：ペットボトルがないわ！！");
    } else if (bottles >= 1) {
      ctl("Timer1").setInterval(kNextStep);
      state().set(Slot::Bottles, bottles - 1);
    }
  }

  // Each tick stops its own timer first: one arming is one step, even while a message of that
  // step is open.
  void Timer1_Timer() {
    ctl("Timer1").setInterval(0);
    const double dryIce = state().number(Slot::DryIce);
    if (dryIce == 0) {
      sendBack("ガブリン：ドライアイスがないわ！！");
    } else if (dryIce >= 1) {
      ctl("Timer2").setInterval(kNextStep);
      state().set(Slot::DryIce, dryIce - 1);
    }
  }

  // Water is not used up: one fill of the canteen serves every later bomb.
  void Timer2_Timer() {
    ctl("Timer2").setInterval(0);
    const double water = state().number(Slot::Water);
    if (water == 1) {
      state().set(Slot::Bombs, state().number(Slot::Bombs) + 1);
      msgbox("一つできたぞ！");
      state().setText(Slot::BombMade, "1");
      show("Form16");
      unload();
      msgbox("試すか？");  // asked with the prompt already up and the workshop gone
    } else if (water == 0) {
      sendBack("ガブリン：水がないわ！！");
    }
  }

  void Command2_Click() {
    unload();
    show("Form5");
  }
};

class Form16 : public Screen {
 public:
  explicit Form16(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form16";
    f.caption = "Form16";
    f.width = 3975;
    f.height = 1095;
    f.back = 0x8080FF;
    f.controls = {
        button("Command1", "試す", {120, 120, 1815, 855}).tab(0).focused(),
        button("Command2", "やめとく", {2040, 120, 1815, 855}).tab(1),
    };
    return f;
  }

  void Command1_Click() {
    unload();
    show("Form17");
  }

  // Declining keeps the bomb.
  void Command2_Click() {
    msgbox("チョロすけ：死ね牛");
    unload();
    show("Form5");
  }
};

DOKASUKA_REGISTER_FORM(Form15);
DOKASUKA_REGISTER_FORM(Form16);

}  // namespace bomb
