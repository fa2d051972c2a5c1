#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "form/field.h"
#include "form/geometry.h"

namespace form {

// The elements that hold no field's text: the banner, the divider and the button.
enum class Element { Image1, Line1, 計算 };

// What a row of the window is: a field or one of the other elements.
using Control = std::variant<Field, Element>;

// How a toolkit realises a row.
enum class Kind {
  TextBox,      // single line, sunken edge, system window colours
  ComboBox,     // an editable text part and a drop-down list
  MessageLine,  // a flat label whose text wraps in its box
  Picture,      // the banner picture at its own size
  Line,         // a one-pixel line in the window-text colour
  Button,       // a push button
};

enum class Alignment { Left, Right };

inline constexpr int kNoTabStop = -1;

// The label beside a field that names it, on screen and to a screen reader. It is drawn
// flat and opaque, its caption right-aligned, and never takes the focus.
struct CaptionLabel {
  std::u16string_view name;
  std::u16string_view caption;
  Twips box;
};

// One element of the window, everything a toolkit needs to make its control.
struct Row {
  Control control;
  std::u16string_view name;  // as the code, the window's object names and the driver spell it
  Kind kind;
  Twips box;
  int tabIndex;  // kNoTabStop: never takes the focus
  Alignment alignment;
  bool inputMethodOff;  // typing gives half-width characters while it has the focus
  std::u16string_view text;  // the text it shows when the window opens; a button's caption
  std::span<const std::u16string_view> items;  // a combo box's list, in list order
  std::optional<CaptionLabel> caption;
};

// The list items the handlers compare with, exactly.
inline constexpr std::u16string_view kDollarAccount = u"ドル";
inline constexpr std::u16string_view kYenAccount = u"円";
inline constexpr std::u16string_view kCrossYen = u"クロス円";
inline constexpr std::u16string_view kDollarStraight = u"ドルストレート";
inline constexpr std::u16string_view kUnits1000 = u"1000";
inline constexpr std::u16string_view kUnits10000 = u"10000";

// The whole window, in the order its controls are made: the banner, the input column, the
// divider, the result column, the message line and the button. Each field's row comes in
// the order of Field. Where two boxes overlap, the later row's lies over the earlier's.
inline constexpr std::size_t kRowCount = kFieldCount + 3;
std::span<const Row> windowRows();

// The client area where the window opens, from the top-left corner of the screen.
const Twips& windowBox();

// A field's or an element's row. Every one has a row; asking for another is a programming
// error and throws std::logic_error.
const Row& rowOf(Control control);
// Its place in windowRows().
std::size_t rowIndex(Control control);

// The caption label beside a field; Label1 has none (std::logic_error).
const CaptionLabel& captionOf(Field field);

// Shorthands for what the handlers read of a field's row.
std::u16string_view fieldName(Field field);
std::u16string_view startText(Field field);
std::span<const std::u16string_view> comboItems(Field field);

// Every field in window order, and the eight results in the order they are computed.
std::span<const Field> allFields();
std::span<const Field> resultFields();

}  // namespace form
