#pragma once

#include <cstddef>
#include <optional>

#include "form/window_table.h"

// What another program needs to find the window and its controls: the window's class and
// title, and each control's ID. Shared by the window and its driver.
namespace win32 {

inline constexpr wchar_t kWindowClass[] = L"QelmarForm";
inline constexpr wchar_t kWindowTitle[] = L"Qelmar";

inline constexpr int kFirstControlId = 100;
inline constexpr int kFirstCaptionLabelId = 200;

// A row's control and the caption label beside it, by the row's place in windowRows().
constexpr int controlId(std::size_t row) { return kFirstControlId + static_cast<int>(row); }
constexpr int captionLabelId(std::size_t row) {
  return kFirstCaptionLabelId + static_cast<int>(row);
}

// The row whose control has the ID `id`, if one has.
constexpr std::optional<std::size_t> rowOfControlId(int id) {
  if (id < kFirstControlId || id >= kFirstControlId + static_cast<int>(form::kRowCount)) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(id - kFirstControlId);
}

}  // namespace win32
