// The police-station screen: a wider map with the police station and the city hall, reached only
// by being carried off at the end of the catching scene.
#include "map/map_frame.h"

namespace map {

using namespace core;

namespace {

const MapLayout kLayout = {"Form10", 7035, 7785, 5400, 4920, 5880, 4920, false, "0"};

}  // namespace

class Form10 : public MapScreen {
 public:
  explicit Form10(Runtime& runtime) : MapScreen(runtime, kLayout, places()) {
    on("Image2", Event::Click, [this] { Image2_Click(); });
    on("Image3", Event::Click, [this] { Image3_Click(); });
    on("Command1", Event::Click, [this] { Command1_Click(); });
  }

 private:
  static std::vector<ControlDesign> places() {
    return {
        image("Image2", "Form10_Image2", {2280, 3240, 810, 210}),
        image("Image3", "Form10_Image3", {4320, 720, 1215, 240}),
        button("Command1", "戻る", {4320, 5280, 2415, 615}).focused(),
    };
  }

  // The chase is already running when the player is told to run: the last two messages stand
  // over the escape while its timers go on.
  void Image2_Click() {
    msgbox("知多警察署だ！！");
    msgbox("中に潜入します。");
    show("Form26");
    unload();
    msgbox("警察が追ってきた！");
    msgbox("スタートボタンを連打して逃げてください");
  }

  void Image3_Click() {
    const double mazeKey = state().number(Slot::MazeKey);
    if (mazeKey == 1) {
      msgbox("モーリン：市長はどこだ！");
      msgbox("役員：市長はいません！変わりにオヤジがいます。案内します。");
      unload();
      show("Form28");
      msgbox("オヤジが勝負を仕掛けてきた！");
    }
    if (mazeKey == 0) msgbox("カギがない！");
  }

  void Command1_Click() {
    show("Form4");
    unload();
  }
};

DOKASUKA_REGISTER_FORM(Form10);

}  // namespace map
