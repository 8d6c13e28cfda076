// Map section 5.
#include "map/map_frame.h"

namespace map {

namespace {

const MapLayout kLayout = {"Form8", 7035, 7785, 5520, 4920, 6000, 4920, false, "0"};

}  // namespace

class Form8 : public MapScreen {
 public:
  explicit Form8(core::Runtime& runtime) : MapScreen(runtime, kLayout, places()) {}

 private:
  static std::vector<core::ControlDesign> places() { return {}; }
};

DOKASUKA_REGISTER_FORM(Form8);

}  // namespace map
