#include "ui/framework/control_registry.h"

#include <cstdint>
#include <map>

namespace {

// Never destroyed: window procedures may still run while the process exits.
std::map<std::uintptr_t, CCorvaneControl*>& Registry() {
  static auto* registry = new std::map<std::uintptr_t, CCorvaneControl*>();
  return *registry;
}

std::uintptr_t Key(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

}  // namespace

void RegisterControl(HWND window, CCorvaneControl* control) {
  Registry().emplace(Key(window), control);
}

CCorvaneControl* FindControl(HWND window) {
  const auto found = Registry().find(Key(window));
  return found == Registry().end() ? nullptr : found->second;
}

void ForgetDestroyedControls() {
  auto& registry = Registry();
  for (auto it = registry.begin(); it != registry.end();) {
    if (IsWindow(reinterpret_cast<HWND>(it->first))) {
      ++it;
    } else {
      it = registry.erase(it);
    }
  }
}
