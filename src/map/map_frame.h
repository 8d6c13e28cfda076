// The frame shared by the seven map screens: the street map, the item and status panel that
// mirrors the game state, and the move panel of six small map pictures.
#pragma once

#include <string>
#include <vector>

#include "core/screen.h"

namespace map {

// What differs between the seven map screens.
struct MapLayout {
  std::string form;  // "Form4" .. "Form10"
  int width = 0;     // client area, twips
  int height = 0;
  int hpLeft = 0;  // Label12 "HP"
  int hpTop = 0;
  int hpValueLeft = 0;  // Label13
  int hpValueTop = 0;
  bool shiftedIcons = false;  // section 1's move icons lie 120 twips further right and down
  std::string money;          // design-time caption of the money label
};

class MapScreen : public core::Screen {
 protected:
  // `places` are the screen's own clickable pictures, back to front; they lie in front of the
  // map picture and behind the panels.
  MapScreen(core::Runtime& runtime, const MapLayout& layout,
            std::vector<core::ControlDesign> places);

  void Form_Load() override;

 private:
  static core::FormDesign frame(const MapLayout& layout, std::vector<core::ControlDesign> places);
  void move(const std::string& destination);
};

}  // namespace map
