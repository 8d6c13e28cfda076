#include "core/screen.h"

#include <algorithm>

namespace core {

namespace {

std::vector<std::pair<std::string, FormFactory>>& registry() {
  static std::vector<std::pair<std::string, FormFactory>> forms;
  return forms;
}

}  // namespace

FormRegistration::FormRegistration(const char* name, FormFactory factory) {
  registry().emplace_back(name, factory);
}

const std::vector<std::pair<std::string, FormFactory>>& registeredForms() {
  // Registration order depends on the link order; keep the list in a stable order.
  auto& forms = registry();
  std::sort(forms.begin(), forms.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return forms;
}

void addAllForms(Runtime& runtime) {
  for (const auto& [name, factory] : registeredForms()) runtime.add(factory(runtime));
}

}  // namespace core
