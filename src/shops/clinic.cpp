// The dermatology clinic of section 1: it pays 500 yen for a sample of the hero's pimples, once
// in a game, at the price of 5 HP.
#include "core/screen.h"

namespace shops {

using namespace core;

namespace {

constexpr double kSampleReward = 500;
constexpr double kSampleHpCost = 5;

}  // namespace

class Form12 : public Screen {
 public:
  explicit Form12(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form12";
    f.caption = "Form12";
    f.width = 5145;
    f.height = 2595;
    f.back = 0x8080FF;
    f.controls = {
        // Wider than the window: the question runs off its right edge.
        label("Label1", "サンプルを取らせますか？", {0, 0, 5655, 1095})
            .withFont(gothic(21.75, true))
            .withBack(0x8080FF),
        button("Command1", "いいよ", {1560, 840, 1815, 735}).tab(0).focused(),
        button("Command2", "いやだよー", {1560, 1680, 1815, 735}).tab(1),
    };
    return f;
  }

  // The doctor is just as delighted on a visit after the sample: the greeting never changes.
  void Form_Load() override {
    msgbox("いらっしゃいませ。");
    msgbox("！！！！！！！！！！！すっすばらしいニキビ！！");
    msgbox("５００円あげるのでサンプルをとらせてください。");
  }

  // The reward is paid before the messages tell of it. HP is not looked at: a sample can take
  // the hero to 0 or below.
  void Command1_Click() {
    const double sampleTaken = state().number(Slot::Clinic);
    if (sampleTaken == 0) {
      state().set(Slot::Money, state().number(Slot::Money) + kSampleReward);
      state().set(Slot::Hp, state().number(Slot::Hp) - kSampleHpCost);
      msgbox("では、サンプルをとらせてもらいます。");
      msgbox("モーリン「イッテ！！！！」");
      msgbox("モーリンはHPを5へらした。");
      state().setText(Slot::Clinic, "1");
    }
    if (sampleTaken == 1) msgbox("あんたのもうあるわ！！");
    unload();
    show("Form4");
  }

  // Refusing keeps the offer open for a later visit.
  void Command2_Click() {
    msgbox("だめですかーちぇ");
    unload();
    show("Form4");
  }
};

DOKASUKA_REGISTER_FORM(Form12);

}  // namespace shops
