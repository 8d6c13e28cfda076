// Map section 3.
#include "map/map_frame.h"

namespace map {

namespace {

const MapLayout kLayout = {"Form6", 7095, 7770, 5280, 4920, 5760, 4920, false, "0"};

}  // namespace

class Form6 : public MapScreen {
 public:
  explicit Form6(core::Runtime& runtime) : MapScreen(runtime, kLayout, places()) {}

 private:
  static std::vector<core::ControlDesign> places() { return {}; }
};

DOKASUKA_REGISTER_FORM(Form6);

}  // namespace map
