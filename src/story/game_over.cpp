// The game-over screen: every defeat ends here, with an order to write an apology letter.
#include "core/screen.h"

namespace story {

using namespace core;

class Form19 : public Screen {
 public:
  explicit Form19(Runtime& runtime) : Screen(runtime, design()) {
    on("Command1", Event::Click, [this] { Command1_Click(); });
    on("Command2", Event::Click, [this] { Command2_Click(); });
    on("Timer1", Event::Timer, [this] { Timer1_Timer(); });
  }

 private:
  static FormDesign design() {
    FormDesign f;
    f.name = "Form19";
    f.caption = "Form19";
    f.width = 10080;
    f.height = 7455;
    f.start = StartPosition::WindowsDefault;
    f.controls = {
        image("Image1", "Form19_Image1", {0, 0, 5430, 7470}),
        label("Label1", "反省文を書きなさい！！", {5520, 0, 4455, 3015})
            .withFont(gothic(48))
            .tab(0),
        // Nobody reads the letter, but it is a whole page: let it wrap.
        textBox("Text1", "", {5760, 3240, 4095, 3015}).multiLine().tab(1).focused(),
        button("Command1", "OK", {5640, 6360, 1935, 975}).tab(2),
        button("Command2", "やだ！", {8040, 6360, 1695, 975}).tab(3),
        timer("Timer1", 0),
    };
    return f;
  }

  void Command1_Click() { end(); }

  // The scolding never stops by itself. Dismissing one of its boxes rather than pressing OK is
  // the player's only way out, so that ends the game.
  void Command2_Click() {
    if (msgbox("なに？こうしてやる！") == MsgBoxResult::Closed) end();
    ctl("Timer1").setInterval(1);
  }

  void Timer1_Timer() {
    if (msgbox("何やっとんだー！") == MsgBoxResult::Closed) end();
  }
};

DOKASUKA_REGISTER_FORM(Form19);

}  // namespace story
