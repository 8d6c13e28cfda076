// Base of every screen of the game: a form that can reach the game state.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime.h"
#include "core/state.h"

namespace core {

class Screen : public Form {
 public:
  Screen(Runtime& runtime, FormDesign design) : Form(runtime, std::move(design)) {}

 protected:
  State& state() { return state_; }

 private:
  State state_{runtime()};
};

// Every screen registers itself, so that adding a screen touches no shared file.
using FormFactory = std::unique_ptr<Form> (*)(Runtime&);

struct FormRegistration {
  FormRegistration(const char* name, FormFactory factory);
};

// The registered screens, by name.
const std::vector<std::pair<std::string, FormFactory>>& registeredForms();

// Creates every registered screen in `runtime`.
void addAllForms(Runtime& runtime);

}  // namespace core

#define DOKASUKA_REGISTER_FORM(Class)                                         \
  static const ::core::FormRegistration kRegistered##Class(                   \
      #Class, [](::core::Runtime& runtime) -> std::unique_ptr<::core::Form> { \
        return std::make_unique<Class>(runtime);                              \
      })
