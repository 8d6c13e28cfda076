// Map section 4.
#include "map/map_frame.h"

namespace map {

namespace {

const MapLayout kLayout = {"Form7", 7035, 7785, 5400, 4920, 5880, 4920, false, "0"};

}  // namespace

class Form7 : public MapScreen {
 public:
  explicit Form7(core::Runtime& runtime) : MapScreen(runtime, kLayout, places()) {}

 private:
  static std::vector<core::ControlDesign> places() { return {}; }
};

DOKASUKA_REGISTER_FORM(Form7);

}  // namespace map
