#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace drive {

// One action line: a JSON object (RFC 8259) whose members the driver reads as texts.
// Read by hand, not with a JSON library: a typed text may hold a lone UTF-16 surrogate
// ("\ud800"), which reaches the window as it stands, and a library that decodes strings to
// UTF-8 refuses the line (Debian's nlohmann-json 3.11 does; it also refuses a number past
// the Double range and skips a byte-order mark, both of which this reader treats otherwise).
class ActionLine {
 public:
  // Nothing when the line is not exactly one JSON object. A member named twice keeps its
  // last value.
  static std::optional<ActionLine> read(std::string_view line);

  // The member's text; nothing when it is missing or not a string.
  std::optional<std::u16string> text(std::string_view name) const;

 private:
  friend class JsonReader;
  std::map<std::u16string, std::optional<std::u16string>> members_;
};

}  // namespace drive
