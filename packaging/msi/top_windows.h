#pragma once
// The visible top-level windows of the wine desktop, as the installer tests' helpers find
// them: by their exact title, as a user reads it.
#include <windows.h>

#include <string>

std::string utf8(const std::wstring& text);

// The first visible top-level window titled exactly title, or nullptr.
HWND findVisibleWindow(const wchar_t* title);
// Waits up to 30 s for it: a first start under wine on a busy machine takes seconds.
HWND awaitVisibleWindow(const wchar_t* title);

// What shows instead, such as an error box: " 'title' 'title'", or " none".
std::string visibleTitles();
