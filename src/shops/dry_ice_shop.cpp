// The dry-ice shop inside the large store of section 1: one piece of dry ice for 100 yen, as
// often as the money lasts.
#include "core/screen.h"

namespace shops {

using namespace core;

namespace {

constexpr double kDryIcePrice = 100;

}  // namespace

class Form11 : public Screen {
 public:
  explicit Form11(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form11";
    f.caption = "Form11";
    f.width = 6000;
    f.height = 7065;
    f.controls = {
        label("Label1", "イトーヨーカドウ知多店", {600, 0, 4815, 495}).withFont(gothic(24, true)),
        image("Image1", "Form11_Image1", {0, 480, 6000, 4500}),
        label("Label2", "ドライアイス1っこ１００円", {720, 5040, 4935, 735})
            .withFont(gothic(21.75, true)),
        button("Command1", "買う", {2040, 5640, 1815, 615}).tab(0).focused(),
        button("Command2", "店を出る", {2040, 6240, 1815, 615}).tab(1),
    };
    return f;
  }

  // The staff greet on every visit, before the shop itself appears.
  void Form_Load() override {
    msgbox("社員：いらっしゃいませ。当店ではいろいろなものを売っております。");
    msgbox("社員：ドライアイスですか？");
    msgbox("でしたらこちらです。");
  }

  void Command1_Click() {
    const double money = state().number(Slot::Money);
    if (money < kDryIcePrice) {
      msgbox("お金が足りません。");
    } else {
      state().set(Slot::Money, money - kDryIcePrice);
      state().set(Slot::DryIce, state().number(Slot::DryIce) + 1);
      msgbox("ありがとうございました。");
    }
  }

  void Command2_Click() {
    msgbox("ありがとうございました。");
    unload();
    show("Form4");
  }
};

DOKASUKA_REGISTER_FORM(Form11);

}  // namespace shops
