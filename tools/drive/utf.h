#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace drive {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD, as the Qt window writes it.
std::string toUtf8(std::u16string_view text);

// UTF-8 to UTF-16; nothing for bytes that are no UTF-8.
std::optional<std::u16string> fromUtf8(std::string_view text);

// The bytes with each one that starts no UTF-8 sequence replaced by U+FFFD.
std::string validUtf8(std::string_view bytes);

}  // namespace drive
