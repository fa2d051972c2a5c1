#include "tools/drive/win32/combo_parts.h"

namespace drive {
namespace {

struct ListSearch {
  HWND list;
};

BOOL CALLBACK noteList(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<ListSearch*>(data);
  wchar_t windowClass[16]{};
  GetClassNameW(hwnd, windowClass, 16);
  if (lstrcmpiW(windowClass, L"ComboLBox") != 0 || !IsWindowVisible(hwnd)) return TRUE;
  search->list = hwnd;
  return FALSE;
}

}  // namespace

// Wine's GetComboBoxInfo asks the box with a pointer that does not cross processes; there
// the edit part is the box's child, and the list a child of the desktop made by the box's
// thread, as every box's list is: the one on screen is the open one.
ComboParts partsOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(combo, &info) && info.hwndItem != nullptr && info.hwndList != nullptr) {
    return {info.hwndItem, info.hwndList};
  }
  ListSearch search{nullptr};
  EnumThreadWindows(GetWindowThreadProcessId(combo, nullptr), noteList,
                    reinterpret_cast<LPARAM>(&search));
  return {FindWindowExW(combo, nullptr, L"Edit", nullptr), search.list};
}

// The list's rows are all as tall as the first, and pointer-carrying messages such as
// LB_GETITEMRECT may not cross processes.
POINT itemCentre(HWND list, std::size_t index) {
  const auto height = SendMessageW(list, LB_GETITEMHEIGHT, index, 0);
  const auto top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  RECT client{};
  GetClientRect(list, &client);
  const auto row = static_cast<LONG>(index) - static_cast<LONG>(top);
  return {client.right / 2, static_cast<LONG>(row * height + height / 2)};
}

}  // namespace drive
