// Map section 2: ガブリン's house with the workshop, and two plastic bottles.
#include "map/map_frame.h"

namespace map {

using namespace core;

namespace {

const MapLayout kLayout = {"Form5", 7080, 7755, 5520, 4920, 6000, 4920, false, "0"};

}  // namespace

class Form5 : public MapScreen {
 public:
  explicit Form5(Runtime& runtime) : MapScreen(runtime, kLayout, places()) {
    on("Image2", Event::Click, [this] { Image2_Click(); });
    on("Image4", Event::Click, [this] { Image4_Click(); });
    on("Image5", Event::Click, [this] { Image5_Click(); });
    on("Image6", Event::Click, [this] { Image6_Click(); });
  }

 private:
  // Image3 is only scenery: it answers no click.
  static std::vector<ControlDesign> places() {
    return {
        image("Image2", "Form5_Image2", {2040, 4080, 615, 360}),
        image("Image3", "Form5_Image3", {1320, 3120, 615, 600}),
        image("Image4", "Form5_Image4", {960, 2760, 330, 390}),
        image("Image5", "Form5_Image5", {480, 2760, 345, 480}),
        image("Image6", "Form5_Image6", {720, 3240, 300, 360}),
    };
  }

  void Image2_Click() { msgbox("従業員「ニキビでも直す？？？」"); }

  void Image4_Click() {
    msgbox("ガブリンの家だ！！！");
    unload();
    show("Form15");
  }

  void Image5_Click() { findBottle(); }

  void Image6_Click() { findBottle(); }

  // The section is rebuilt around the new bottle, so the panel already shows it when the
  // message comes up. Bottles never run out.
  void findBottle() {
    unload();
    state().set(Slot::Bottles, state().number(Slot::Bottles) + 1);
    show();
    msgbox("モーリンはペットボトルを見つけた！！");
  }
};

DOKASUKA_REGISTER_FORM(Form5);

}  // namespace map
