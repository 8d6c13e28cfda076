// The gentleman battle: a fixed exchange of blows in the pasta restaurant; the canteen is the
// prize.
#include "core/screen.h"

namespace battles {

using namespace core;

constexpr Color kWhite = 0xFFFFFF;
constexpr int kHeroDamage = 10;  // what one lynching takes from the gentleman
constexpr int kEnemyDamage = 5;  // what his nose-hair cutter takes from the hero

class Form13 : public Screen {
 public:
  explicit Form13(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form13";
    f.caption = "Form13";
    f.width = 5985;
    f.height = 5325;
    f.back = kWhite;
    f.controls = {
        label("Label1", "ジェントルマン", {0, 0, 2175, 375})
            .withBack(kWhite)
            .withFont(gothic(15.75, true))
            .tab(0),
        label("Label2", "HP:", {0, 480, 255, 255}).withBack(kWhite).tab(1),
        label("Label3", "70", {360, 480, 255, 255}).withBack(kWhite).tab(2),
        line("Line1", 0, 840, 2160, 840),
        image("Image1", "Form13_Image1", {2280, 0, 3705, 3450}),
        pictureBox("Picture1", "", {0, 1200, 2655, 2175}).withBack(kWhite).tab(12),
        pictureBox("Picture2", "Form13_Picture2", {120, 4920, 2055, 1815}).hidden().tab(13),
        line("Line2", 0, 3480, 5880, 3480),
        label("Label4", "モーリン　HP:", {0, 3600, 1095, 255}).withBack(kWhite).tab(3),
        label("Label5", "", {1200, 3600, 495, 255}).withBack(kWhite).tab(4),
        label("Label6", "水爆の数", {120, 3960, 855, 255}).withBack(kWhite).tab(9),
        label("Label7", "0", {960, 3960, 375, 255}).withBack(kWhite).tab(10),
        label("Label8", "攻撃", {3360, 3600, 495, 255}).withBack(kWhite).tab(11),
        button("Command1", "Command1", {3120, 3840, 1095, 255}).tab(5).focused(),
        button("Command2", "Command2", {3120, 4200, 1095, 255}).tab(6),
        button("Command3", "Command3", {3120, 4560, 1095, 255}).tab(7),
        button("Command4", "Command4", {3120, 4920, 1095, 255}).tab(8),
    };
    return f;
  }

  void setCommands(const char* first, const char* second, const char* third, const char* fourth) {
    ctl("Command1").setCaption(first);
    ctl("Command2").setCaption(second);
    ctl("Command3").setCaption(third);
    ctl("Command4").setCaption(fourth);
  }

  // The hero's HP lives in the window for the whole fight; the state only learns it on a win.
  void Form_Load() override {
    ctl("Label5").setCaption(state().text(Slot::Hp));
    if (state().is(Slot::Skill, 1)) setCommands("リンチ", "なし", "なし", "なし");
    if (state().is(Slot::Skill, 2)) setCommands("リンチ", "水爆", "なし", "なし");
    if (state().is(Slot::Skill, 3)) setCommands("リンチ", "水爆", "ニキビ光線", "牛たいあたり");
    ctl("Label7").setCaption(state().text(Slot::Bombs));
  }

  // Whatever the captions say, only the first command fights. The gentleman always strikes
  // back, and the hero falls first: a turn that floors them both is lost.
  void Command1_Click() {
    ctl("Picture1").copyPictureFrom(ctl("Picture2"));
    msgbox("モーリンのリンチ！！");
    ctl("Label3").setNumber(ctl("Label3").number() - kHeroDamage);
    msgbox("ジェントルマンのhPが10へった。");
    msgbox("ジェントルマンの攻撃");
    msgbox("鼻毛カッター");
    ctl("Label5").setNumber(ctl("Label5").number() - kEnemyDamage);
    msgbox("モーリンのhpが5減った");
    if (ctl("Label5").number() < 0) {
      msgbox("目の前が真っ暗になった。");
      show("Form19");
      unload();
      return;
    }
    if (ctl("Label3").number() < 0) {
      msgbox("ジェントルマンは倒れた");
      state().setText(Slot::Canteen, "1");
      msgbox("モーリンは賞金として水筒をもらった");
      msgbox(
          "ジェントルマン：あんた強いよね！水筒あげるからあっちいけ！その水筒で水を持ち運べるから"
          "な");
      state().setText(Slot::Hp, ctl("Label5").caption());
      unload();
      show("Form4");  // loaded anew, so its panel shows the HP the fight left
    }
  }
};

DOKASUKA_REGISTER_FORM(Form13);

}  // namespace battles
