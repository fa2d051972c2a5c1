#pragma once

#include <cstddef>
#include <cstdint>
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

// One operation's outcome: a value, a numeric error, or something that must not escape.
template <class T>
struct Tried {
  std::optional<T> value;
  std::optional<numeric::ErrorKind> error;
  std::string escaped;

  bool failedWith(numeric::ErrorKind kind) const { return error && *error == kind; }
};

template <class Operation>
auto attempt(Operation operation) -> Tried<decltype(operation())> {
  try {
    return {operation(), {}, {}};
  } catch (const numeric::NumericError& error) {
    return {{}, error.kind(), {}};
  } catch (const std::exception& error) {
    return {{}, {}, std::string("escaped: ") + error.what()};
  } catch (...) {
    return {{}, {}, "escaped: an exception of unknown type"};
  }
}

}  // namespace qelmar_fuzz
