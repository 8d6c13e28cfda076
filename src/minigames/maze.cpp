// The electric room: steer the pointer along the corridor to the goal without touching a wall.
#include <string>

#include "core/screen.h"

namespace minigames {

using namespace core;

namespace {

constexpr Color kWall = 0x000040;
constexpr int kWallCount = 11;

}  // namespace

class Form27 : public Screen {
 public:
  explicit Form27(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
    for (int i = 1; i <= kWallCount; ++i) {
      on("Picture" + std::to_string(i), Event::MouseMove, [this] { Picture_MouseMove(); });
    }
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form27";
    f.caption = "Form27";
    f.width = 7890;
    f.height = 7260;
    f.back = 0xFFC0FF;
    const auto wall = [](const char* name, Rect r, int tab) {
      return pictureBox(name, "", r).withFill(kWall).hidden().tab(tab);
    };
    f.controls = {
        button("Command1", "スタート", {120, 1560, 855, 375}).tab(11).focused(),
        button("Command2", "ゴール", {1080, 5640, 855, 615}).hidden().tab(12),
        wall("Picture1", {0, 0, 3735, 1455}, 0),
        wall("Picture2", {0, 2040, 3255, 855}, 1),
        wall("Picture3", {3720, 0, 975, 3375}, 2),
        wall("Picture4", {0, 2880, 855, 4335}, 3),
        wall("Picture5", {1440, 3360, 3255, 735}, 4),
        wall("Picture6", {840, 4560, 4695, 615}, 5),
        wall("Picture7", {5520, 2400, 495, 2775}, 6),
        wall("Picture8", {4680, 0, 3135, 1695}, 7),
        wall("Picture9", {6720, 1680, 1095, 5535}, 8),
        wall("Picture10", {2160, 5520, 4575, 1695}, 9),
        wall("Picture11", {840, 6480, 1335, 735}, 10),
    };
    return f;
  }

  void Command1_Click() {
    for (int i = 1; i <= kWallCount; ++i) ctl("Picture" + std::to_string(i)).setVisible(true);
    ctl("Command2").setVisible(true);
  }

  // One handler for all eleven walls. The first touch is the last: its messages are modal, and
  // the room is gone once they close.
  void Picture_MouseMove() {
    msgbox("どっカーン！");
    msgbox("壁に当たってしまった！");
    msgbox("モーリンは、目の前が暗くなった");
    show("Form19");
    unload();
  }

  void Command2_Click() {
    unload();
    state().setText(Slot::MazeKey, "1");
    msgbox("モーリンは、カギを見つけた！");
    show("Form10");
  }
};

DOKASUKA_REGISTER_FORM(Form27);

}  // namespace minigames
