// Map section 2.
#include "map/map_frame.h"

namespace map {

namespace {

const MapLayout kLayout = {"Form5", 7080, 7755, 5520, 4920, 6000, 4920, false, "0"};

}  // namespace

class Form5 : public MapScreen {
 public:
  explicit Form5(core::Runtime& runtime) : MapScreen(runtime, kLayout, places()) {}

 private:
  static std::vector<core::ControlDesign> places() { return {}; }
};

DOKASUKA_REGISTER_FORM(Form5);

}  // namespace map
