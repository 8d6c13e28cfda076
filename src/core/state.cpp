#include "core/state.h"

#include "core/numeric.h"

namespace core {

std::string slotControl(Slot slot) { return "Text" + std::to_string(static_cast<int>(slot)); }

namespace {

FormDesign stateWindow() {
  FormDesign f;
  f.name = "F5";
  f.caption = "Form5";
  f.width = 90;
  f.height = 90;
  f.start = StartPosition::TopLeft;
  // Every control lies outside the tiny client area: the player sees an empty window.
  f.controls = {
      textBox("Text1", "0", {1200, 2040, 855, 270}).tab(0),
      textBox("Text2", "0", {1200, 1320, 855, 270}).tab(1),
      textBox("Text3", "0", {1200, 1080, 855, 270}).tab(2),
      textBox("Text4", "100", {1200, 360, 855, 270}).tab(3),
      textBox("Text5", "100", {1200, 600, 735, 270}).tab(4),
      textBox("Text6", "0", {1200, 120, 495, 270}).tab(5),
      textBox("Text7", "1", {1200, 825, 735, 270}).tab(9),
      textBox("Text8", "0", {1200, 1560, 975, 270}).tab(13),
      textBox("Text9", "0", {1200, 1800, 975, 270}).tab(15),
      textBox("Text10", "0", {1200, 2280, 855, 270}).tab(18),
      textBox("Text11", "0", {1200, 2520, 855, 270}).tab(21),
      textBox("Text12", "0", {1200, 2760, 855, 270}).tab(23),
      textBox("Text13", "0", {1200, 3000, 855, 270}).tab(24),
      textBox("Text14", "0", {2760, 120, 855, 270}).tab(27),
      textBox("Text15", "0", {2760, 480, 855, 270}).tab(29),
      textBox("Text16", "0", {2760, 720, 735, 270}).tab(30),
      label("Label9", "ペットボトル", {0, 2040, 1215, 255}),
      label("Label7", "ドライアイス", {120, 1320, 1095, 255}),
      label("Label5", "水爆の数", {360, 1080, 735, 255}),
      label("Label2", "お金", {840, 360, 375, 255}),
      label("Label3", "HP", {840, 600, 375, 255}),
      label("Label1", "皮膚科", {480, 120, 615, 255}),
      label("Label4", "技", {840, 840, 255, 255}),
      label("Label6", "SUITOU ", {360, 1560, 975, 255}),
      label("Label8", "水", {960, 1800, 255, 255}),
      label("Label10", "カードキー", {120, 2280, 1095, 255}),
      label("Label11", "電動のカギ", {120, 2640, 975, 255}),
      label("Label12", "シルフスコープ", {0, 2880, 1215, 255}),
      label("Label13", "ガブリン", {720, 3000, 495, 255}),
      label("Label14", "ame", {2280, 120, 855, 255}),
      label("Label15", "LED", {2280, 480, 375, 255}),
      label("Label16", "sityou ", {2280, 840, 375, 255}),
  };
  return f;
}

}  // namespace

F5::F5(Runtime& runtime) : Form(runtime, stateWindow()) {}

Control& State::box(Slot slot) const {
  Form& f5 = runtime_->form("F5");
  runtime_->load(f5);  // first use of the state loads it, as the game expects
  return f5.control(slotControl(slot));
}

const std::string& State::text(Slot slot) const { return box(slot).text(); }

double State::number(Slot slot) const { return box(slot).number(); }

bool State::is(Slot slot, double value) const { return box(slot).is(value); }

void State::set(Slot slot, double value) { box(slot).setNumber(value); }

void State::setText(Slot slot, const std::string& text) { box(slot).setText(text); }

}  // namespace core
