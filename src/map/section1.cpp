// Map section 1, the first screen of the game.
#include "map/map_frame.h"

namespace map {

namespace {

const MapLayout kLayout = {"Form4", 7035, 7905, 4560, 5040, 5040, 5040, true, "100"};

}  // namespace

class Form4 : public MapScreen {
 public:
  explicit Form4(core::Runtime& runtime) : MapScreen(runtime, kLayout, places()) {}

 private:
  static std::vector<core::ControlDesign> places() { return {}; }
};

DOKASUKA_REGISTER_FORM(Form4);

}  // namespace map
