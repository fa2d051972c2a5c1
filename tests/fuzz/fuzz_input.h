#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <span>
#include <string>

#include "numeric/numeric_error.h"

namespace qelmar_fuzz {

// Fuzz bytes as UTF-16: little-endian pairs; an odd last byte is left out.
inline std::u16string utf16FromBytes(std::span<const std::uint8_t> bytes) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    text.push_back(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
  }
  return text;
}

// The value, or nothing after a NumericError; whatever else escapes is added to `escaped`.
template <class Operation>
auto attempt(Operation operation, std::string& escaped) -> std::optional<decltype(operation())> {
  try {
    return operation();
  } catch (const numeric::NumericError&) {
  } catch (const std::exception& error) {
    escaped += std::string(" escaped: ") + error.what();
  } catch (...) {
    escaped += " escaped: an exception of unknown type";
  }
  return std::nullopt;
}

// UTF-8 for a report, cut short; controls, direction marks and surrogates as \u{XXXX}.
inline std::string narrow(std::u16string_view text) {
  std::string out;
  for (const char16_t c : text.substr(0, 60)) {
    if (c < 0x20 || (c >= 0xD800 && c < 0xE000) || c == 0x200E || c == 0x200F) {
      char escape[16];
      std::snprintf(escape, sizeof escape, "\\u{%04X}", static_cast<unsigned>(c));
      out += escape;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else {
      out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
              static_cast<char>(0x80 | (c & 0x3F))};
    }
  }
  if (text.size() > 60) out += "... (" + std::to_string(text.size()) + " code units)";
  return out;
}

}  // namespace qelmar_fuzz
