#include "map/map_frame.h"

#include <utility>

namespace map {

using core::Slot;

namespace {

constexpr core::Color kMapBlue = 0x8080FF;

// The move icons and where they lead, front to back.
struct MoveIcon {
  const char* name;
  const char* picture;
  core::Rect rect;
  const char* destination;
};

constexpr MoveIcon kMoveIcons[] = {
    {"Image13", "Form4_Image13", {2760, 5160, 705, 705}, "Form8"},
    {"Image12", "Form4_Image12", {2880, 4920, 855, 555}, "Form9"},
    {"Image11", "Form4_Image11", {3000, 5400, 855, 810}, "Form7"},
    {"Image10", "Form4_Image10", {3480, 6000, 885, 780}, "Form6"},
    {"Image9", "Form4_Image9", {3960, 6240, 975, 900}, "Form5"},
    {"Image8", "Form4_Image8", {4320, 6720, 1020, 975}, "Form4"},
};

constexpr int kSectionOneShift = 120;

}  // namespace

core::FormDesign MapScreen::frame(const MapLayout& layout,
                                  std::vector<core::ControlDesign> places) {
  using namespace core;
  FormDesign f;
  f.name = layout.form;
  f.caption = "Form4";  // all seven map screens carry the first one's caption
  f.width = layout.width;
  f.height = layout.height;
  f.back = kMapBlue;

  f.controls.push_back(image("Image1", layout.form + "_Image1", {0, 0, 7020, 4500}));
  for (auto& place : places) f.controls.push_back(std::move(place));
  const auto panelLabel = [](const char* name, const std::string& caption, Rect r) {
    return label(name, caption, r).withBack(kMapBlue);
  };
  f.controls.push_back(
      panelLabel("Label1", "いきたい所をクリックしてください。", {240, 4560, 2775, 375}));
  f.controls.push_back(line("Line1", 7080, 4800, 0, 4800));
  f.controls.push_back(shape("Shape1", {0, 4800, 2295, 2175}));
  f.controls.push_back(panelLabel("Label2", "アイテム", {120, 4920, 2415, 255}));
  f.controls.push_back(panelLabel("Label3", "ペットボトル", {120, 5520, 975, 255}));
  f.controls.push_back(panelLabel("Label4", "0", {1800, 5520, 375, 255}));
  f.controls.push_back(panelLabel("Label5", "ドライアイス", {120, 5880, 1095, 255}));
  f.controls.push_back(panelLabel("Label6", "0", {1800, 5880, 375, 255}));
  f.controls.push_back(panelLabel("Label7", "水", {120, 6240, 855, 255}));
  f.controls.push_back(panelLabel("Label8", "0", {1440, 6240, 735, 255}));
  f.controls.push_back(panelLabel("Label9", "お金", {120, 6600, 855, 255}));
  f.controls.push_back(panelLabel("Label10", layout.money, {1440, 6600, 735, 255}));
  f.controls.push_back(panelLabel("Label11", "移動", {2400, 4920, 1335, 255}));
  f.controls.push_back(panelLabel("Label12", "HP", {layout.hpLeft, layout.hpTop, 375, 255}));
  f.controls.push_back(
      panelLabel("Label13", "100", {layout.hpValueLeft, layout.hpValueTop, 615, 255}));
  const int shift = layout.shiftedIcons ? kSectionOneShift : 0;
  for (auto it = std::rbegin(kMoveIcons); it != std::rend(kMoveIcons); ++it) {
    Rect r = it->rect;
    r.left += shift;
    r.top += shift;
    f.controls.push_back(image(it->name, it->picture, r));
  }
  return f;
}

MapScreen::MapScreen(core::Runtime& runtime, const MapLayout& layout,
                     std::vector<core::ControlDesign> places)
    : Screen(runtime, frame(layout, std::move(places))) {
  for (const MoveIcon& icon : kMoveIcons) {
    const std::string destination = icon.destination;
    on(icon.name, core::Event::Click, [this, destination] { move(destination); });
  }
}

void MapScreen::Form_Load() {
  ctl("Label4").setCaption(state().text(Slot::Bottles));
  ctl("Label6").setCaption(state().text(Slot::DryIce));
  ctl("Label8").setCaption(state().text(Slot::Bombs));
  ctl("Label10").setCaption(state().text(Slot::Money));
  ctl("Label13").setCaption(state().text(Slot::Hp));
}

// Every icon moves, with no message and no condition. HP is not written back: only the panel's
// item and money labels are.
void MapScreen::move(const std::string& destination) {
  state().setText(Slot::Bottles, ctl("Label4").caption());
  state().setText(Slot::DryIce, ctl("Label6").caption());
  state().setText(Slot::Bombs, ctl("Label8").caption());
  state().setText(Slot::Money, ctl("Label10").caption());
  unload();
  show(destination);
}

}  // namespace map
