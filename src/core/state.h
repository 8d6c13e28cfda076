// The game state: sixteen text slots held in the text boxes of the state window F5.
#pragma once

#include <string>

#include "core/runtime.h"

namespace core {

enum class Slot {
  Bottles = 1,
  DryIce,
  Bombs,
  Money,
  Hp,
  Clinic,
  Skill,
  Canteen,
  Water,
  CardKey,
  ScooterKey,
  Scope,
  BombMade,
  Candy,
  Led,
  MazeKey,
};

constexpr int kSlotCount = 16;

// The text box of F5 that holds a slot: "Text1" to "Text16".
std::string slotControl(Slot slot);

// The state window. It has no handlers; it only holds the slots.
class F5 : public Form {
 public:
  explicit F5(Runtime& runtime);
  bool keepsGame() const override { return true; }
};

// Reads and writes the slots. The first access loads F5 with the initial texts.
class State {
 public:
  explicit State(Runtime& runtime) : runtime_(&runtime) {}

  const std::string& text(Slot slot) const;
  double number(Slot slot) const;
  // True when the slot reads as a number equal to `value`.
  bool is(Slot slot, double value) const;
  void set(Slot slot, double value);
  void setText(Slot slot, const std::string& text);

 private:
  Control& box(Slot slot) const;
  Runtime* runtime_;
};

}  // namespace core
