// Map section 1, the first screen of the game: the shops, the clinics, the pasta restaurant where
// the gentleman sits, and a plastic bottle.
#include "map/map_frame.h"

namespace map {

using namespace core;

namespace {

const MapLayout kLayout = {"Form4", 7035, 7905, 4560, 5040, 5040, 5040, true, "100"};

}  // namespace

class Form4 : public MapScreen {
 public:
  explicit Form4(Runtime& runtime) : MapScreen(runtime, kLayout, places()) {
    on("Image2", Event::Click, [this] { Image2_Click(); });
    on("Image3", Event::Click, [this] { Image3_Click(); });
    on("Image4", Event::Click, [this] { Image4_Click(); });
    on("Image5", Event::Click, [this] { Image5_Click(); });
    on("Image6", Event::Click, [this] { Image6_Click(); });
    on("Image7", Event::Click, [this] { Image7_Click(); });
  }

 private:
  static std::vector<ControlDesign> places() {
    return {
        image("Image2", "Form4_Image2", {3000, 120, 525, 510}),
        image("Image3", "Form4_Image3", {2040, 1560, 2550, 2715}),
        image("Image4", "Form4_Image4", {720, 1200, 645, 705}),
        image("Image5", "Form4_Image5", {1440, 840, 375, 300}),
        image("Image6", "Form4_Image6", {1800, 360, 450, 405}),
        image("Image7", "Form4_Image7", {1080, 0, 525, 405}),
    };
  }

  // The clinic greets on its own load, so the map goes first.
  void Image2_Click() {
    unload();
    show("Form12");
  }

  // The store opens before the map closes: its greetings come up over section 1.
  void Image3_Click() {
    show("Form11");
    unload();
  }

  void Image4_Click() { msgbox("休業中だ"); }

  void Image5_Click() {
    msgbox("薬局だ！！");
    unload();
    show("Form14");
  }

  // Once the canteen is won the gentleman only sends the hero away.
  void Image6_Click() {
    msgbox("従業員「うちのパスタは、さいこうねーー！！」");
    if (state().is(Slot::Canteen, 1))
      msgbox("ジェントルマン：おまえは前のやろうだな！あっちいけ！");
    if (state().is(Slot::Canteen, 0)) {
      msgbox("ジェントルマンが勝負をしかけてきた。");
      unload();
      show("Form13");
    }
  }

  // The section is rebuilt around the new bottle, so the panel already shows it when the
  // message comes up. Bottles never run out.
  void Image7_Click() {
    unload();
    state().set(Slot::Bottles, state().number(Slot::Bottles) + 1);
    show();
    msgbox("モーリンはペットボトルを見つけた！！");
  }
};

DOKASUKA_REGISTER_FORM(Form4);

}  // namespace map
