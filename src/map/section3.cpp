// Map section 3: the restaurant, ぺろりん who hands over the card key, and the part-time job.
#include "map/map_frame.h"

namespace map {

using namespace core;

namespace {

const MapLayout kLayout = {"Form6", 7095, 7770, 5280, 4920, 5760, 4920, false, "0"};

}  // namespace

class Form6 : public MapScreen {
 public:
  explicit Form6(Runtime& runtime) : MapScreen(runtime, kLayout, places()) {
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
        image("Image2", "Form6_Image2", {6480, 3480, 420, 465}),
        image("Image3", "Form6_Image3", {4920, 2640, 435, 510}),
        image("Image4", "Form6_Image4", {4680, 1440, 435, 375}),
        image("Image5", "Form6_Image5", {3240, 1080, 345, 420}),
        image("Image6", "Form6_Image6", {3960, 600, 285, 375}),
        image("Image7", "Form6_Image7", {3360, 1440, 405, 300}),
    };
  }

  void Image2_Click() { msgbox("キャーエッチ！！！！！！！！１１"); }

  // Points the way to the back of the drugstore in section 4.
  void Image3_Click() {
    msgbox("従業員：スギ薬局ってカードキーがあれば、店の裏側に入れるんだって！！");
  }

  void Image4_Click() {
    msgbox("従業員：へいらっしゃい！食べてく？");
    unload();
    show("Form20");
  }

  // ぺろりん gives the card key only once a bomb has been made; until then he sends the hero
  // to the workshop. The card key has no place on the panel, so the section stays as it is.
  void Image5_Click() {
    const double bombMade = state().number(Slot::BombMade);
    if (bombMade == 1) {
      msgbox("私ぺろりんです。");
      msgbox("これやる！");
      state().setText(Slot::CardKey, "1");
      msgbox("モーリンはカードキーをもらった！");
    }
    if (bombMade == 0) {
      msgbox("ガブリンとかいうやつの家で水爆作れるって！");
      msgbox("ガブリンの家に行って水爆を作ればいいものやる");
    }
  }

  void Image6_Click() { msgbox("電気びりびり"); }

  void Image7_Click() {
    msgbox("ちょっとそこのお兄ちゃん！！バイトしない？");
    unload();
    show("Form23");
  }
};

DOKASUKA_REGISTER_FORM(Form6);

}  // namespace map
