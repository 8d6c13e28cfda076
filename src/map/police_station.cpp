// Map the police-station screen.
#include "map/map_frame.h"

namespace map {

namespace {

const MapLayout kLayout = {"Form10", 7035, 7785, 5400, 4920, 5880, 4920, false, "0"};

}  // namespace

class Form10 : public MapScreen {
 public:
  explicit Form10(core::Runtime& runtime) : MapScreen(runtime, kLayout, places()) {}

 private:
  static std::vector<core::ControlDesign> places() { return {}; }
};

DOKASUKA_REGISTER_FORM(Form10);

}  // namespace map
