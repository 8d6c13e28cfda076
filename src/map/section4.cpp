// Map section 4: a clinic with a hint about ghosts, and the drugstore whose back yard the card key
// opens.
#include "map/map_frame.h"

namespace map {

using namespace core;

namespace {

const MapLayout kLayout = {"Form7", 7035, 7785, 5400, 4920, 5880, 4920, false, "0"};

}  // namespace

class Form7 : public MapScreen {
 public:
  explicit Form7(Runtime& runtime) : MapScreen(runtime, kLayout, places()) {
    on("Image2", Event::Click, [this] { Image2_Click(); });
    on("Image4", Event::Click, [this] { Image4_Click(); });
  }

 private:
  static std::vector<ControlDesign> places() {
    return {
        image("Image2", "Form7_Image2", {1320, 3480, 630, 675}),
        image("Image3", "Form7_Image3", {1440, 2760, 345, 390}),  // just a building
        image("Image4", "Form7_Image4", {480, 2160, 840, 765}),
    };
  }

  void Image2_Click() {
    msgbox("従業員：幽霊は肉眼では見えないが、シルフスコープを使えば見えるんだって！不思議！！");
  }

  // The yard opens over the map, and only then does the map go.
  void Image4_Click() {
    const double cardKey = state().number(Slot::CardKey);
    if (cardKey == 0) msgbox("カードキーがありません！！");
    if (cardKey == 1) {
      msgbox("カードキーで店の裏側に入れた！");
      show("Form21");
      unload();
    }
  }
};

DOKASUKA_REGISTER_FORM(Form7);

}  // namespace map
