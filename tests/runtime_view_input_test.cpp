// The runtime's entry points for the real screen, where a press and its release are two events.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/runtime.h"

namespace {

using namespace core;

class Pad : public Form {
 public:
  Pad(Runtime& runtime, std::vector<std::string>& log) : Form(runtime, design()), log_(log) {
    for (const char* name : {"Button", "Picture", "Ghost"}) {
      on(name, Event::Click, [this, name] { log_.push_back(std::string(name) + " click"); });
      on(name, Event::MouseDown, [this, name] { log_.push_back(std::string(name) + " down"); });
    }
    on("Ask", Event::MouseDown, [this] { msgbox("?"); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Pad";
    f.width = 3000;
    f.height = 3000;
    f.controls = {
        image("Picture", "Form4_Image8", {0, 0, 1500, 1500}),
        label("Ghost", "hidden", {1500, 0, 1500, 1500}).hidden(),
        button("Button", "b", {750, 750, 1500, 1500}),
        button("Ask", "a", {0, 2400, 600, 600}),
    };
    return f;
  }
  std::vector<std::string>& log_;
};

class Host : public core::Host {
 public:
  Micros now() const override { return 0; }
  void wakeAt(std::optional<Micros>) override {}
  MsgBoxResult runMessageBox(const std::string&) override {
    if (whileOpen) whileOpen();
    return MsgBoxResult::Ok;
  }
  std::function<void()> whileOpen;
};

struct Point {
  int x;
  int y;
};

TEST(RuntimeRelease, FiresClickOnlyOnTheControlUnderThePointer) {
  struct Case {
    const char* what;
    Point at;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"an image", {300, 300}, {"Picture click"}},
      {"a button in front of the image", {900, 900}, {"Button click"}},
      {"a hidden label lets the release through", {2800, 300}, {}},
      {"the form's own background", {2800, 2800}, {}},
      {"outside the client area", {-15, 300}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Host host;
    Runtime runtime(host);
    std::vector<std::string> log;
    runtime.add(std::make_unique<Pad>(runtime, log));
    runtime.start("Pad");
    EXPECT_FALSE(runtime.mouseUp(runtime.form("Pad"), c.at.x, c.at.y));
    EXPECT_EQ(log, c.log);
  }
}

TEST(RuntimeRelease, IsRefusedWhileAMessageBoxIsOpenAndOnHiddenForms) {
  Host host;
  Runtime runtime(host);
  std::vector<std::string> log;
  Form& pad = runtime.add(std::make_unique<Pad>(runtime, log));
  std::optional<Ignored> refused;
  host.whileOpen = [&] { refused = runtime.mouseUp(pad, 300, 300); };
  runtime.start("Pad");

  EXPECT_FALSE(runtime.mouseDown(pad, 300, 2700, MouseButton::Left));  // opens the box
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->reason, "a message box is open");

  runtime.perform([&] { runtime.unload(pad); });
  const auto gone = runtime.mouseUp(pad, 300, 300);
  ASSERT_TRUE(gone);
  EXPECT_TRUE(log.empty());
}

}  // namespace
