// The yard behind the drugstore: nine trash cans, one of which hides the scooter's key. Searching
// too many empty ones brings the manager.
#include "core/screen.h"

namespace minigames {

using namespace core;

namespace {

constexpr Color kYard = 0xC0FFFF;
constexpr int kSearchesBeforeCaught = 5;

}  // namespace

class Form21 : public Screen {
 public:
  explicit Form21(Runtime& runtime) : Screen(runtime, design()) {
    for (const char* can :
         {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image9"}) {
      on(can, Event::Click, [this] { EmptyCan_Click(); });
    }
    on("Image8", Event::Click, [this] { Image8_Click(); });
  }

 private:
  // The cans overlap their right-hand neighbours: a later can lies in front and takes the click.
  static FormDesign design() {
    FormDesign f;
    f.name = "Form21";
    f.caption = "Form21";
    f.width = 3165;
    f.height = 4980;
    f.back = kYard;
    f.controls = {
        label("Label1", "ボタンを押すとごみ箱を探ります。（５回まで）", {120, 120, 3135, 1335})
            .withFont(gothic(21.75))
            .withBack(kYard),
        textBox("Text1", "0", {2280, 1320, 495, 270}).hidden(),
        image("Image1", "Form21_Image1", {120, 1680, 1035, 1050}),
        image("Image2", "Form21_Image1", {1080, 1680, 1035, 1050}),
        image("Image3", "Form21_Image1", {2040, 1680, 1035, 1050}),
        image("Image4", "Form21_Image1", {120, 2760, 1035, 1050}),
        image("Image5", "Form21_Image1", {1080, 2760, 1035, 1050}),
        image("Image6", "Form21_Image1", {2040, 2760, 1035, 1050}),
        image("Image7", "Form21_Image1", {120, 3840, 1035, 1050}),
        image("Image8", "Form21_Image1", {1080, 3840, 1035, 1050}),
        image("Image9", "Form21_Image1", {2040, 3840, 1035, 1050}),
    };
    return f;
  }

  // Every empty can counts, the same one searched twice included.
  void EmptyCan_Click() {
    ctl("Text1").setNumber(ctl("Text1").number() + 1);
    msgbox("ガサガサ");
    msgbox("ごみ箱はからだ");
    if (ctl("Text1").is(kSearchesBeforeCaught)) {
      msgbox("やばい！店長に見つかった！");
      msgbox("モーリンは、カードキーをとられた。");
      state().setText(Slot::CardKey, "0");
      unload();
      show("Form7");
    }
  }

  // The key is there whatever the count, even after four empty cans.
  void Image8_Click() {
    msgbox("電動スクーターのカギを見つけた！");
    state().setText(Slot::ScooterKey, "1");
    unload();
    show("Form7");
  }
};

DOKASUKA_REGISTER_FORM(Form21);

}  // namespace minigames
