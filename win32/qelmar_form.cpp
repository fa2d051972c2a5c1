#include "win32/qelmar_form.h"

#include "calc/window_events.h"
#include "form/tab_order.h"
#include "win32/caption_name.h"
#include "win32/combo_box.h"
#include "win32/control_ids.h"
#include "win32/covered_parts.h"
#include "win32/make_control.h"
#include "win32/resource_ids.h"
#include "win32/simple_controls.h"
#include "win32/window_place.h"

#include <stdexcept>

namespace win32 {
namespace {

using form::Field;

// Minimise and close only: the layout does not follow a change of size.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = 0;

HICON iconOf(int metric) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QELMAR_ICON),
                                       IMAGE_ICON, GetSystemMetrics(metric),
                                       GetSystemMetrics(metric + 1), LR_DEFAULTCOLOR));
}

void registerWindowClass(WNDPROC procedure) {
  static const bool registered = [&] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = iconOf(SM_CXICON);
    windowClass.hIconSm = iconOf(SM_CXSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the window's class");
}

}  // namespace

QelmarForm::QelmarForm() {
  registerWindowClass(&QelmarForm::windowProcedure);
  const Opening opening = openingOf(kStyle, kExtendedStyle);
  const RECT& place = opening.window;
  hwnd_ = CreateWindowExW(kExtendedStyle, kWindowClass, kWindowTitle, kStyle, place.left, place.top,
                          place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (hwnd_ == nullptr) throw std::runtime_error("cannot make the window");
  dotsPerInch_ = static_cast<int>(GetDpiForWindow(hwnd_));
  makeControls();
  layOut(dotsPerInch_);
  lastFocus_ = control(form::firstTabStop()).hwnd();
}

QelmarForm::~QelmarForm() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

// Each caption label just before the field it names, in z-order as in the table's order,
// where a screen reader looks for it.
void QelmarForm::makeControls() {
  for (std::size_t i = 0; i < form::kRowCount; ++i) {
    const form::Row& row = form::windowRows()[i];
    if (row.caption) {
      captionLabels_[i] = std::make_unique<CaptionLabel>(hwnd_, *row.caption, captionLabelId(i));
    }
    controls_[i] = makeControl(hwnd_, row, controlId(i), *this);
    if (row.caption && row.kind == form::Kind::ComboBox) {
      // The box, and its edit part, where the focus is.
      nameByCaption(controls_[i]->hwnd(), row.caption->caption);
      nameByCaption(static_cast<ComboBox&>(*controls_[i]).editPart(), row.caption->caption);
    }
  }
}

// Every box from its twips at the density, in the font made for it.
void QelmarForm::layOut(int dotsPerInch) {
  dotsPerInch_ = dotsPerInch;
  Font previous = std::move(font_);
  font_ = makeWindowFont(dotsPerInch);
  for (std::size_t i = 0; i < form::kRowCount; ++i) {
    const form::Row& row = form::windowRows()[i];
    if (captionLabels_[i]) {
      captionLabels_[i]->setFont(font_.get());
      captionLabels_[i]->place(form::pixels(row.caption->box, dotsPerInch), dotsPerInch);
    }
    controls_[i]->setFont(font_.get());
    controls_[i]->place(form::pixels(row.box, dotsPerInch), dotsPerInch);
    leaveOutCoveredParts(controls_[i]->hwnd(), i, dotsPerInch);
  }
}

std::unique_ptr<QelmarForm> QelmarForm::open(int showCommand) {
  auto window = std::make_unique<QelmarForm>();
  window->Form_Load();
  ShowWindow(window->hwnd_, showCommand);
  UpdateWindow(window->hwnd_);
  return window;
}

void QelmarForm::Form_Load() {
  for (const form::Row& row : form::windowRows()) {
    if (row.items.empty()) continue;
    auto& combo = control<ComboBox>(row.control);
    for (std::u16string_view item : row.items) combo.addItem(item);
  }
  calc::Form_Load(*this);
}

Control& QelmarForm::control(form::Control control) const {
  return *controls_[form::rowIndex(control)];
}

std::u16string QelmarForm::text(Field field) const { return control(field).text(); }

void QelmarForm::setText(Field field, std::u16string text) { control(field).setText(text); }

}  // namespace win32
