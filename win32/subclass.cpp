#include "win32/subclass.h"

#include <commctrl.h>

#include <memory>
#include <utility>

namespace win32 {
namespace {

LRESULT CALLBACK dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR data) {
  auto* handler = reinterpret_cast<MessageHandler*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, dispatch, id);
    const std::unique_ptr<MessageHandler> dropped(handler);
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  const std::optional<LRESULT> answer = (*handler)(hwnd, message, wParam, lParam);
  return answer ? *answer : DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void subclass(HWND control, MessageHandler handler) {
  auto owned = std::make_unique<MessageHandler>(std::move(handler));
  // Its address tells it from the control's other handlers.
  const auto id = reinterpret_cast<UINT_PTR>(owned.get());
  if (SetWindowSubclass(control, dispatch, id, reinterpret_cast<DWORD_PTR>(owned.get()))) {
    owned.release();  // the control's now, until WM_NCDESTROY
  }
}

void paintWith(HWND control, std::function<void(HWND, HDC)> paint) {
  subclass(control, [paint = std::move(paint)](HWND hwnd, UINT message, WPARAM,
                                               LPARAM) -> std::optional<LRESULT> {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    paint(hwnd, dc);
    EndPaint(hwnd, &ps);
    return 0;
  });
}

}  // namespace win32
