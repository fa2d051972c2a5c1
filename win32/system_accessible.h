#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace win32 {

// What a control tells a screen reader of itself where the system would tell otherwise.
struct AccessibleChanges {
  std::optional<std::u16string> name = std::nullopt;
  std::optional<LONG> role = std::nullopt;  // ROLE_SYSTEM_...
};

// Makes `control` answer a screen reader with the system's own accessible object, but for
// what `changes` says. Windows would take such changes for the system's object itself
// (IAccPropServices::SetHwndProp), but wine 8 ignores them.
void changeAccessible(HWND control, AccessibleChanges changes);

}  // namespace win32
