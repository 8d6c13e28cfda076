// The title screen and the quit confirmation.
#include "core/screen.h"

namespace story {

using namespace core;

class Form1 : public Screen {
 public:
  explicit Form1(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Image1", Event::Click, [this] { Image1_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form1";
    f.caption = "Form1";
    f.width = 5550;
    f.height = 6720;
    f.back = 0x000000;
    f.icon = "Form1_Icon";
    f.controls = {
        label("Label1", "ドカスカ", {0, 0, 4935, 975})
            .withFont(gothic(48, true))
            .withFore(0xC0C0FF)
            .withBack(0x000000)  // the classic palette's menu text
            .tab(0),
        label("Label2", "2", {4800, 0, 735, 1335})
            .withFont(mincho(72, true))
            .withFore(0xFF0000)
            .withBack(0x000000)  // the classic palette's button text
            .tab(1),
        image("Image1", "Form1_Image1", {600, 960, 3990, 5115}),
        label("Label3", "写真を押してください", {360, 6120, 4575, 615})
            .withFont(gothic(24, true))
            .withFore(0xFFFFFF)
            .withBack(0x000000)
            .tab(2),
        button("Command1", "終了", {4560, 5760, 855, 375}).tab(3).focused(),
    };
    return f;
  }

  // The quit confirmation is modeless: the title screen stays usable behind it.
  void Command1_Click() { show("Form2"); }

  void Image1_Click() {
    unload();
    show("Form3");
  }
};

class Form2 : public Screen {
 public:
  explicit Form2(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form2";
    f.caption = "Form2";
    f.width = 4680;
    f.height = 2040;
    f.back = 0x0000FF;
    f.controls = {
        label("Label1", "終了してもよろしいですか？", {120, 120, 4335, 1095})
            .withFont(gothic(21.75, true))
            .withFore(0xFFFFFF)
            .withBack(0x0000FF)
            .tab(0),
        button("Command1", "はい", {720, 1200, 1335, 615}).tab(1).focused(),
        button("Command2", "いいえ", {2520, 1200, 1335, 615}).tab(2),
    };
    return f;
  }

  void Command1_Click() { end(); }

  void Command2_Click() { unload(); }
};

DOKASUKA_REGISTER_FORM(Form1);
DOKASUKA_REGISTER_FORM(Form2);

}  // namespace story
