// Map section 6: the playing child who wants candy, the haunted cemetery, and ムニャ, who wants an
// LED.
#include "map/map_frame.h"

namespace map {

using namespace core;

namespace {

const MapLayout kLayout = {"Form9", 7065, 7800, 5520, 4920, 6000, 4920, false, "0"};

}  // namespace

class Form9 : public MapScreen {
 public:
  explicit Form9(Runtime& runtime) : MapScreen(runtime, kLayout, places()) {
    on("Image2", Event::Click, [this] { Image2_Click(); });
    on("Image3", Event::Click, [this] { Image3_Click(); });
    on("Image4", Event::Click, [this] { Image4_Click(); });
  }

 private:
  static std::vector<ControlDesign> places() {
    return {
        image("Image2", "Form9_Image2", {600, 1680, 1035, 1395}),
        image("Image3", "Form9_Image3", {2160, 1680, 870, 1440}),
        image("Image4", "Form9_Image4", {0, 600, 330, 405}),
    };
  }

  // The child keeps no count: the candy stays, and each visit hands the LED over again.
  void Image2_Click() {
    const double candy = state().number(Slot::Candy);
    if (candy == 0) msgbox("遊んでいる子供：おい！牛！アメもってこい！");
    if (candy == 1) {
      msgbox("遊んでいる子供：お！牛！よくもってきたな！");
      msgbox("遊んでいる子供：これやるわ！");
      state().setText(Slot::Led, "1");
      msgbox("モーリンは、LEDをもらった！");
    }
  }

  void Image3_Click() {
    const double scope = state().number(Slot::Scope);
    if (scope == 1) {
      msgbox("シルフスコープのおかげで、幽霊が見える！！！");
      show("Form22");
      unload();
    }
    if (scope == 0) {
      msgbox("怖くて入れない！！");
      msgbox("何か道具が必要だ！");
    }
  }

  // No word from the map: the scene itself tells what happens.
  void Image4_Click() {
    const double led = state().number(Slot::Led);
    if (led == 0) msgbox("ムニャ：LEDほしーなー");
    if (led == 1) {
      show("Form24");
      unload();
    }
  }
};

DOKASUKA_REGISTER_FORM(Form9);

}  // namespace map
