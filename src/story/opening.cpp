// The opening dialogue: the boss wakes モーリン and gives him his mission.
#include "core/screen.h"

namespace story {

using namespace core;

class Form3 : public Screen {
 public:
  explicit Form3(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form3";
    f.caption = "Form3";
    f.width = 7815;
    f.height = 4695;
    f.controls = {
        shape("Shape3", {120, 120, 7575, 3495}),
        shape("Shape2", {240, 240, 7335, 3255}),
        shape("Shape1", {360, 360, 7095, 3015}),
        label("Label1", "起きろ！！", {360, 360, 7095, 3015})
            .withFont(gothic(36, true))
            .withBack(0x00FF00)
            .tab(0),
        button("Command1", "次", {3120, 3840, 1575, 735}).tab(1).focused(),
        textBox("Text1", "1", {840, 3720, 735, 270}).hidden().tab(2),
    };
    return f;
  }

  // Each press moves the step counter on; every step is its own test, as the lines were added
  // one by one.
  void Command1_Click() {
    ctl("Text1").setNumber(ctl("Text1").number() + 1);
    Control& line = ctl("Label1");
    if (ctl("Text1").is(2)) line.setCaption("いつまで寝ているんだ！！！");
    if (ctl("Text1").is(3)) line.setCaption("おまえに任務だ！！");
    if (ctl("Text1").is(4)) line.setCaption("モーリン「何の任務ですか？」");
    if (ctl("Text1").is(5)) line.setCaption("おまえの任務は、知多市長に水爆を仕掛けるのだ！");
    if (ctl("Text1").is(6)) line.setCaption("モーリン「水爆って、水素爆弾ですか？」");
    if (ctl("Text1").is(7))
      line.setCaption("何をいっちょる！！ペットボトル爆弾に決まっているだろう！！");
    if (ctl("Text1").is(8)) line.setCaption("モーリン「ペットボトル爆弾って何ですか？」");
    if (ctl("Text1").is(9))
      line.setCaption(
          "何言ってるんだ！？ペットボトルにドライアイスをいれて爆発させるんだろうが！！");
    if (ctl("Text1").is(10)) line.setCaption("モーリン「やっやめろーー」");
    if (ctl("Text1").is(11)) line.setCaption("なに？親分に向かってやめろだと？");
    if (ctl("Text1").is(12)) line.setCaption("モーリン「すっすいません」");
    if (ctl("Text1").is(13)) line.setCaption("じゃあやるな！！");
    if (ctl("Text1").is(14)) line.setCaption("モーリン「・・・・・」");
    if (ctl("Text1").is(15)) line.setCaption("やるな！！！！！！！！！！！！！");
    if (ctl("Text1").is(16)) line.setCaption("モリン「やっやります」");
    if (ctl("Text1").is(17)) line.setCaption("がんばれよ");
    if (ctl("Text1").is(18)) {
      unload();
      show("Form4");  // its load fills the panel, which brings the state window up
      show("F5");
    }
  }
};

DOKASUKA_REGISTER_FORM(Form3);

}  // namespace story

namespace core {
DOKASUKA_REGISTER_FORM(F5);
}  // namespace core
