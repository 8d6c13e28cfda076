// The last fight, against オヤジ: one button starts the running number and stops it, and the
// number it stops on is the damage.
#include "core/screen.h"

namespace battles {

using namespace core;

namespace {

constexpr Color kRed = 0xFF0000;
constexpr int kCounterAttack = 15;
// The number runs on the timer service's fastest pace; the game was balanced for it.
constexpr int kFastest = 1;
constexpr int kNumberWraps = 100;

}  // namespace

class Form28 : public Screen {
 public:
  explicit Form28(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Timer1", Event::Timer, [this] { Timer1_Timer(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form28";
    f.caption = "Form28";
    f.width = 5790;
    f.height = 9330;
    f.back = kRed;
    f.controls = {
        image("Image1", "Form28_Image1", {0, -240, 5685, 7260}),
        label("Label1", "オヤジ　ｈｐ：", {0, 7080, 2175, 495})
            .withBack(kRed)
            .withFont(gothic(20.25))
            .tab(0),
        label("Label2", "500", {2160, 7080, 735, 495})
            .withBack(kRed)
            .withFont(gothic(20.25))
            .tab(1),
        line("Line1", 0, 7560, 8760, 7560),
        label("Label4", "下の出た数字がダメージポイントです。", {1320, 7800, 3255, 255})
            .withBack(kRed)
            .tab(4),
        label("Label3", "0", {2640, 8160, 735, 375}).withBack(kRed).tab(3),
        label("Label5", "モーリンHP：", {3600, 8160, 975, 255}).withBack(kRed).tab(6),
        label("Label6", "00", {4560, 8160, 495, 255}).withBack(kRed).tab(7),
        button("Command1", "攻撃", {1920, 8520, 1935, 615}).tab(2).focused(),
        textBox("Text1", "0", {4920, 8880, 255, 270}).tab(5),
        timer("Timer1", 0),
    };
    return f;
  }

  void Form_Load() override { ctl("Label6").setCaption(state().text(Slot::Hp)); }

  void Timer1_Timer() {
    Control& number = ctl("Label3");
    number.setNumber(number.number() + 1);
    if (number.is(kNumberWraps)) number.setCaption("0");
  }

  // The phase box is an ordinary text box the player can type into: text in it that is neither
  // 0 nor 1 (or no number at all) makes a press do neither phase, but the two tests still run.
  void Command1_Click() {
    const double phase = ctl("Text1").number();
    if (phase == 0) {
      ctl("Timer1").setInterval(kFastest);
      ctl("Text1").setText("1");
    }
    if (phase == 1) {
      ctl("Timer1").setInterval(0);
      ctl("Label2").setNumber(ctl("Label2").number() - ctl("Label3").number());
      msgbox("オヤジは、ダメージを受けた！");
      msgbox("オヤジの攻撃！");
      ctl("Label6").setNumber(ctl("Label6").number() - kCounterAttack);
      msgbox("ゴンザ光線！");
      msgbox("モーリンは15のダメージをくらった！");
      ctl("Text1").setText("0");
    }
    // The hero falls first: a blow that takes both below 0 loses the game.
    if (ctl("Label6").number() < 0) {
      msgbox("モーリンは目の前が真っ暗になった！");
      show("Form19");
      unload();
      return;
    }
    if (ctl("Label2").number() < 0) {
      msgbox("オヤジは死んだ！");
      msgbox("モーリンは、任務を完了した！！");
      msgbox("お疲れ様でした！");
      unload();
      show("Form29");
    }
  }
};

DOKASUKA_REGISTER_FORM(Form28);

}  // namespace battles
