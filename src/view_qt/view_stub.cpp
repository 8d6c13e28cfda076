// Placeholder until the window binding lands.
#include <cstdio>

#include "view_qt/view.h"

namespace view {

int play(int&, char**, const std::string&) {
  std::fprintf(stderr, "dokasuka2: real windows are not built yet\n");
  return 1;
}

std::unique_ptr<replay::ShotWriter> makeShotWriter(const std::string&) { return nullptr; }

}  // namespace view
