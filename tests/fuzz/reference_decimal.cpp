#include "reference_decimal.h"

#include <cstdio>
#include <cstdlib>

namespace qelmar_fuzz {

Dec makeDec(bool negative, std::string digits, int exponent) {
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  const auto last = digits.find_last_not_of('0');
  exponent += static_cast<int>(digits.size() - 1 - last);
  digits = digits.substr(first, last - first + 1);
  return {negative, std::move(digits), exponent};
}

Dec decFromScaled(Int128 scaled, int decimals) {
  const bool negative = scaled < 0;
  UInt128 magnitude = negative ? -static_cast<UInt128>(scaled) : scaled;
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  return makeDec(negative, std::move(digits), -decimals);
}

std::string describe(const Dec& value) {
  return (value.negative ? "-" : "") + (value.isZero() ? std::string("0") : value.digits) +
         "e" + std::to_string(value.exponent);
}

std::optional<Reading> readGrammar(std::u16string_view text) {
  std::size_t at = 0;
  const auto digitAt = [&](std::size_t i) {
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
  };
  while (at < text.size() && text[at] == u' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
  std::string digits;
  while (digitAt(at)) {
    digits += static_cast<char>(text[at++]);
    std::size_t commas = at;
    while (commas < text.size() && text[commas] == u',') ++commas;
    if (commas != at) {
      if (!digitAt(commas)) return std::nullopt;
      at = commas;
    }
  }
  Reading reading;
  if (at < text.size() && text[at] == u'.') {
    ++at;
    reading.pointLast = !digitAt(at);
    while (digitAt(at)) {
      digits += static_cast<char>(text[at++]);
      ++reading.fractionDigits;
    }
  }
  while (at < text.size() && text[at] == u' ') ++at;
  if (at != text.size() || digits.empty()) return std::nullopt;
  reading.value = makeDec(negative, std::move(digits), -reading.fractionDigits);
  return reading;
}

namespace {

std::string incremented(std::string digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return digits;
    }
    *it = '0';
  }
  return "1" + digits;
}

}  // namespace

Dec rounded(const Dec& value, int decimals, Rounding rule) {
  if (value.isZero() || value.exponent >= -decimals) return value;
  const std::size_t dropped = static_cast<std::size_t>(-decimals - value.exponent);
  std::string digits = value.digits;
  if (digits.size() <= dropped) digits.insert(0, dropped + 1 - digits.size(), '0');
  const std::string kept = digits.substr(0, digits.size() - dropped);
  const std::string rest = digits.substr(digits.size() - dropped);
  bool up = false;
  if (rest[0] > '5') {
    up = true;
  } else if (rest[0] == '5') {
    const bool tie = rest.find_first_not_of('0', 1) == std::string::npos;
    up = !tie || rule == Rounding::HalfAwayFromZero || (kept.back() - '0') % 2 == 1;
  }
  return makeDec(value.negative, up ? incremented(kept) : kept, -decimals);
}

std::optional<Int128> scaledExactly(const Dec& value, int decimals, Int128 limit) {
  if (value.isZero()) return 0;
  const int zeros = value.exponent + decimals;
  if (zeros < 0) return std::nullopt;
  if (value.digits.size() + static_cast<std::size_t>(zeros) > 38) return std::nullopt;
  Int128 magnitude = 0;
  for (const char digit : value.digits + std::string(static_cast<std::size_t>(zeros), '0')) {
    magnitude = magnitude * 10 + (digit - '0');
  }
  if (magnitude > limit) return std::nullopt;
  return value.negative ? -magnitude : magnitude;
}

Dec fifteenDigits(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", value);
  // d.dddddddddddddde[+-]X...
  const std::string all(text);
  const bool negative = all[0] == '-';
  const std::string body = negative ? all.substr(1) : all;
  const auto e = body.find('e');
  const std::string digits = body.substr(0, 1) + body.substr(2, e - 2);
  const int exponent = std::atoi(body.c_str() + e + 1) - 14;
  return makeDec(negative, digits, exponent);
}

std::string plainText(const Dec& value) {
  if (value.isZero()) return "0";
  std::string out = value.negative ? "-" : "";
  const int length = static_cast<int>(value.digits.size());
  if (value.exponent >= 0) return out + value.digits + std::string(value.exponent, '0');
  const int integerDigits = length + value.exponent;
  if (integerDigits > 0) {
    return out + value.digits.substr(0, integerDigits) + "." + value.digits.substr(integerDigits);
  }
  return out + "0." + std::string(-integerDigits, '0') + value.digits;
}

namespace {

bool shownAsItself(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == U'\\') return false;
  // Marks that reorder or hide text would make a report hard to read.
  return !(c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF);
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string narrow(std::u16string_view text) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  constexpr std::size_t kShown = 120;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == kShown) return out + "...(" + std::to_string(text.size()) + " code units in all)";
    char32_t c = text[i];
    const bool high = c >= 0xD800 && c < 0xDC00;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if ((c < 0xD800 || c >= 0xE000) && shownAsItself(c)) {
      appendUtf8(out, c);
    } else {
      out += "\\u{";
      for (int shift = 12; shift >= 0; shift -= 4) out += hex[(c >> shift) & 0xF];
      out += "}";
    }
  }
  return out;
}

std::u16string widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace qelmar_fuzz
