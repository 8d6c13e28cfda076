// The restaurant of section 3: a meal for 100 yen gives 10 HP. Every answer leads back to the
// street.
#include "core/screen.h"

namespace shops {

using namespace core;

namespace {

constexpr double kMealPrice = 100;
constexpr double kMealHp = 10;

}  // namespace

class Form20 : public Screen {
 public:
  explicit Form20(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form20";
    f.caption = "Form20";
    f.width = 3240;
    f.height = 1845;
    f.controls = {
        label("Label1", "食べますか？", {120, 120, 3015, 615}),
        button("Command1", "はい", {120, 720, 1455, 975}).tab(0).focused(),
        button("Command2", "いいえ", {1680, 720, 1455, 975}).tab(1),
    };
    return f;
  }

  // The cook asks for the money before he knows whether the hero has it.
  void Command1_Click() {
    msgbox("100円いただきやす！");
    const double money = state().number(Slot::Money);
    if (money >= kMealPrice) {
      state().set(Slot::Money, money - kMealPrice);
      state().set(Slot::Hp, state().number(Slot::Hp) + kMealHp);
      msgbox("モーリンのHPが10あがった！！！");
      unload();
      show("Form6");
    } else {
      msgbox("お金が足らんよ！");
      msgbox("また来てね！！");
      unload();
      show("Form6");
    }
  }

  void Command2_Click() {
    msgbox("また来てね！！");
    unload();
    show("Form6");
  }
};

DOKASUKA_REGISTER_FORM(Form20);

}  // namespace shops
