// The ending picture and the closing slideshow that ends the program.
#include "core/numeric.h"
#include "core/screen.h"

namespace story {

using namespace core;

class Form29 : public Screen {
 public:
  explicit Form29(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form29";
    f.caption = "Form29";
    f.width = 11970;
    f.height = 9000;
    f.controls = {
        image("Image1", "Form29_Image1", {0, 0, 12000, 9000}),
        button("Command1", "OK", {4440, 7560, 3015, 1215}).tab(0).focused(),
    };
    return f;
  }

  // The picture comes up only once both lines have been read.
  void Form_Load() override {
    msgbox("その後水爆の制定がされました。");
    msgbox("おしまい。");
  }

  void Command1_Click() {
    unload();
    show("Form30");
  }
};

namespace {

constexpr int kSlideTime = 5000;  // ms per slide
constexpr int kLastSlide = 8;

}  // namespace

class Form30 : public Screen {
 public:
  explicit Form30(Runtime& runtime) : Screen(runtime, design()) {
    on("Timer1", Event::Timer, [this] { Timer1_Timer(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form30";
    f.caption = "Form30";
    f.width = 12000;
    f.height = 8970;
    const auto slide = [](const char* name, const char* picture, int left) {
      return image(name, picture, {left, 7080, 12000, 9000}).hidden().inside("Picture1");
    };
    f.controls = {
        pictureBox("Picture1", "", {0, 0, 12015, 9015}).tab(0),
        slide("Image1", "Form30_Image1", 2880),
        slide("Image2", "Form30_Image2", 3600),
        slide("Image3", "Form30_Image3", 4080),
        slide("Image4", "Form30_Image4", 4560),
        slide("Image5", "Form30_Image5", 4920),
        slide("Image6", "Form30_Image6", 5400),
        slide("Image7", "Form30_Image7", 5760),
        slide("Image8", "Form30_Image8", 6120),
        textBox("Text1", "1", {1080, 2400, 255, 270}).hidden().tab(1).inside("Picture1"),
        timer("Timer1", kSlideTime).inside("Picture1"),
    };
    return f;
  }

  void Form_Load() override { ctl("Picture1").copyPictureFrom(ctl("Image1")); }

  // The last slide gets its full interval too: the program ends on the tick after it.
  void Timer1_Timer() {
    Control& counter = ctl("Text1");
    counter.setNumber(counter.number() + 1);
    const double slide = counter.number();
    if (slide >= 2 && slide <= kLastSlide) {
      ctl("Picture1").copyPictureFrom(ctl("Image" + toText(slide)));
    }
    if (slide == kLastSlide + 1) end();
  }
};

DOKASUKA_REGISTER_FORM(Form29);
DOKASUKA_REGISTER_FORM(Form30);

}  // namespace story
