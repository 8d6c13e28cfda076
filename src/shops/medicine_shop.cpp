// The medicine shop behind the pharmacy of section 1: a cure for 100 yen gives 10 HP, as often
// as the money lasts.
#include "core/screen.h"

namespace shops {

using namespace core;

namespace {

constexpr double kCurePrice = 100;
constexpr double kCureHp = 10;

}  // namespace

class Form14 : public Screen {
 public:
  explicit Form14(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form14";
    f.caption = "Form14";
    f.width = 6435;
    f.height = 5685;
    f.back = 0x80FF80;
    f.controls = {
        label("Label1", "いらっしゃいませ！ここでは回復の薬を売っています。", {0, 0, 6375, 1215})
            .withFont(gothic(26.25))
            .withBack(0x80FF80),
        line("Line1", 0, 1320, 6480, 1320),
        image("Image1", "Form14_Image1", {1200, 1320, 3960, 2805}),
        button("Command1", "買う", {600, 4440, 2295, 975}).tab(0).focused(),
        button("Command2", "店を出る", {3480, 4440, 2295, 975}).tab(1),
    };
    return f;
  }

  // HP has no ceiling: a cure at full health still adds 10.
  void Command1_Click() {
    const double money = state().number(Slot::Money);
    if (money < kCurePrice) {
      msgbox("お金が足りない");
    } else {
      state().set(Slot::Money, money - kCurePrice);
      state().set(Slot::Hp, state().number(Slot::Hp) + kCureHp);
      msgbox("従業員：ありがとうございました。100円になります。");
      msgbox("モーリンのHPが10アップした！");
    }
  }

  void Command2_Click() {
    msgbox("ありがとうございました。");
    unload();
    show("Form4");
  }
};

DOKASUKA_REGISTER_FORM(Form14);

}  // namespace shops
