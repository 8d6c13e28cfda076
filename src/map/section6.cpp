// Map section 6.
#include "map/map_frame.h"

namespace map {

namespace {

const MapLayout kLayout = {"Form9", 7065, 7800, 5520, 4920, 6000, 4920, false, "0"};

}  // namespace

class Form9 : public MapScreen {
 public:
  explicit Form9(core::Runtime& runtime) : MapScreen(runtime, kLayout, places()) {}

 private:
  static std::vector<core::ControlDesign> places() { return {}; }
};

DOKASUKA_REGISTER_FORM(Form9);

}  // namespace map
