// The ghost in the cemetery: blows pass through it and bring its curse; only bombs hurt it.
#include "core/screen.h"

namespace battles {

using namespace core;

namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kTitleBarText = 0xFFFFFF;  // the classic palette's title-bar text
constexpr int kCurseDamage = 20;

}  // namespace

class Form22 : public Screen {
 public:
  explicit Form22(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form22";
    f.caption = "Form22";
    f.width = 7170;
    f.height = 4410;
    f.back = kWhite;
    f.controls = {
        line("Line1", 120, 120, 120, 4320),
        line("Line2", 120, 4320, 6960, 4320),
        line("Line3", 6960, 4320, 6960, 120),
        line("Line4", 120, 120, 6960, 120),
        image("Image1", "Form22_Image1", {1800, 840, 840, 1410}),
        label("Label1", "幽霊", {3000, 840, 2415, 615})
            .withFont(gothic(18))
            .withBack(kWhite)
            .tab(0),
        label("Label2", "HP：不明", {3000, 1560, 975, 255}).withBack(kWhite).tab(1),
        line("Line5", 120, 2880, 6960, 2880),
        label("Label3", "モーリンHP：", {240, 3000, 975, 255}).withBack(kTitleBarText).tab(2),
        label("Label4", "0", {1200, 3000, 615, 255}).withBack(kTitleBarText).tab(3),
        // The ghost's strength: never shown, five bombs' worth on every visit.
        textBox("Text1", "5", {720, 2280, 735, 270}).hidden().tab(7),
        label("Label5", "攻撃", {3480, 3120, 495, 255}).withBack(kWhite).tab(5),
        button("Command1", "リンチ", {3360, 3360, 1455, 255}).tab(4).focused(),
        button("Command2", "水爆", {3360, 3720, 1455, 255}).tab(6),
    };
    return f;
  }

  void Form_Load() override { ctl("Label4").setCaption(state().text(Slot::Hp)); }

  // HP reaches the game state after every curse, so a defeat leaves it below zero.
  void Command1_Click() {
    msgbox("幽霊には効果がないみたいだ！");
    msgbox("幽霊の攻撃！");
    msgbox("「のろい」");
    const double hp = state().number(Slot::Hp) - kCurseDamage;
    state().set(Slot::Hp, hp);
    ctl("Label4").setNumber(hp);
    msgbox("モーリンは20のダメージを受けた！");
    if (hp < 0) {
      msgbox("モーリンは目の前が真っ暗になった！！");
      show("Form19");
      unload();
    }
  }

  // A bomb draws no curse. Without one the press only says so, and the ghost's strength stays.
  void Command2_Click() {
    const double bombs = state().number(Slot::Bombs);
    if (bombs == 0) msgbox("水爆がない！！");
    if (bombs >= 1) {
      state().set(Slot::Bombs, bombs - 1);
      msgbox("モーリンの水爆！");
      ctl("Text1").setNumber(ctl("Text1").number() - 1);
      msgbox("幽霊はダメージを受けている！！");
    }
    if (ctl("Text1").is(0)) {
      msgbox("幽霊は、消えた！");
      msgbox("幽霊は不思議なアメをおいていった！");
      state().setText(Slot::Candy, "1");
      unload();
      show("Form9");
    }
  }
};

DOKASUKA_REGISTER_FORM(Form22);

}  // namespace battles
