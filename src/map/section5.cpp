// Map section 5: the park with its water spot, and ポコタ, who lost the key of his scooter.
#include "map/map_frame.h"

namespace map {

using namespace core;

namespace {

const MapLayout kLayout = {"Form8", 7035, 7785, 5520, 4920, 6000, 4920, false, "0"};

}  // namespace

class Form8 : public MapScreen {
 public:
  explicit Form8(Runtime& runtime) : MapScreen(runtime, kLayout, places()) {
    on("Image2", Event::Click, [this] { Image2_Click(); });
    on("Image3", Event::Click, [this] { Image3_Click(); });
  }

 private:
  static std::vector<ControlDesign> places() {
    return {
        image("Image2", "Form8_Image2", {3840, 3240, 2370, 780}),
        image("Image3", "Form8_Image3", {2760, 3120, 495, 420}),
    };
  }

  // Water is a flag, not a count: drawing again changes nothing.
  void Image2_Click() {
    msgbox("水だ！！");
    const double canteen = state().number(Slot::Canteen);
    if (canteen == 0) msgbox("水がくめない。");
    if (canteen == 1) {
      state().setText(Slot::Water, "1");
      msgbox("モーリンは水を手に入れた！！");
    }
  }

  // ポコタ keeps the key he was given back, so every later visit repeats the thanks.
  void Image3_Click() {
    msgbox("ポコタの家だ！！");
    msgbox("ポコタ：モーやんか。。。おれ電動スクーターのカギなくしちゃったんだ。");
    const double scooterKey = state().number(Slot::ScooterKey);
    if (scooterKey == 1) {
      msgbox("ポコタ：電動のカギ見つけてくれたのか？");
      msgbox("ポコタ：ありがとう！お礼にこれやるわ！");
      state().setText(Slot::Scope, "1");
      msgbox("モーリンはポコタからシルフスコープをもらった！");
      msgbox("ポコタ：幽霊って、水爆５個くらいで倒せちゃった気がする。");
    }
  }
};

DOKASUKA_REGISTER_FORM(Form8);

}  // namespace map
