#include "numeric/number_grammar.h"

namespace numeric::detail {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

class Reader {
 public:
  explicit Reader(std::u16string_view text) : text_(text) {}

  bool at(char16_t c) const { return pos_ < text_.size() && text_[pos_] == c; }
  bool atDigit() const { return pos_ < text_.size() && isDigit(text_[pos_]); }
  bool atEnd() const { return pos_ == text_.size(); }
  char16_t take() { return text_[pos_++]; }
  void skip(char16_t c) {
    while (at(c)) ++pos_;
  }

 private:
  std::u16string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<Decimal> readNumber(std::u16string_view text) {
  Reader in(text);
  Decimal number;
  in.skip(u' ');
  if (in.at(u'+') || in.at(u'-')) number.negative = in.take() == u'-';

  // Grouping commas stand only between two integer digits.
  while (in.atDigit()) {
    number.digits.push_back(static_cast<char>(in.take()));
    if (in.at(u',')) {
      in.skip(u',');
      if (!in.atDigit()) return std::nullopt;
    }
  }
  if (in.at(u'.')) {
    in.take();
    while (in.atDigit()) {
      number.digits.push_back(static_cast<char>(in.take()));
      --number.exponent;
    }
  }
  in.skip(u' ');
  if (!in.atEnd() || number.digits.empty()) return std::nullopt;
  return number;
}

}  // namespace numeric::detail
