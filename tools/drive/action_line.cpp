#include "tools/drive/action_line.h"

#include "tools/drive/utf.h"

namespace drive {

// Reads JSON text: the top-level object's members are kept, every other value is read
// only to be checked and skipped.
class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  std::optional<ActionLine> object() {
    ActionLine line;
    skipBlanks();
    if (!take('{')) return std::nullopt;
    skipBlanks();
    if (!take('}')) {
      do {
        skipBlanks();
        std::optional<std::u16string> name = string();
        skipBlanks();
        if (!name || !take(':')) return std::nullopt;
        skipBlanks();
        std::optional<std::u16string> text;
        if (!member(text)) return std::nullopt;
        line.members_[*name] = std::move(text);
        skipBlanks();
      } while (take(','));
      if (!take('}')) return std::nullopt;
    }
    skipBlanks();
    return at_ == text_.size() ? std::optional(std::move(line)) : std::nullopt;
  }

 private:
  static constexpr int kDeepest = 1024;

  // A member's value: its text when it is a string.
  bool member(std::optional<std::u16string>& text) {
    if (peek() != '"') return value(1);
    text = string();
    return text.has_value();
  }

  bool value(int depth) {
    if (depth > kDeepest) return false;
    switch (peek()) {
      case '"': return string().has_value();
      case '{': return container('}', depth, true);
      case '[': return container(']', depth, false);
      case 't': return word("true");
      case 'f': return word("false");
      case 'n': return word("null");
      default: return number();
    }
  }

  // An object's or an array's elements; an object's each after its name.
  bool container(char close, int depth, bool named) {
    ++at_;
    skipBlanks();
    if (take(close)) return true;
    do {
      skipBlanks();
      if (named) {
        if (!string()) return false;
        skipBlanks();
        if (!take(':')) return false;
        skipBlanks();
      }
      if (!value(depth + 1)) return false;
      skipBlanks();
    } while (take(','));
    return take(close);
  }

  bool number() {
    take('-');
    if (!take('0') && !digits()) return false;
    if (take('.') && !digits()) return false;
    if (take('e') || take('E')) {
      if (!take('+')) take('-');
      if (!digits()) return false;
    }
    return true;
  }

  bool digits() {
    const std::size_t start = at_;
    while (peek() >= '0' && peek() <= '9') ++at_;
    return at_ > start;
  }

  bool word(std::string_view expected) {
    if (!text_.substr(at_).starts_with(expected)) return false;
    at_ += expected.size();
    return true;
  }

  std::optional<std::u16string> string();
  std::optional<char16_t> escaped();

  char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool take(char expected) {
    if (at_ >= text_.size() || text_[at_] != expected) return false;
    ++at_;
    return true;
  }
  void skipBlanks() {
    while (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r') ++at_;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// Plain runs are decoded from UTF-8 as a whole; \u escapes give UTF-16 code units as they
// stand, lone surrogates included.
std::optional<std::u16string> JsonReader::string() {
  if (!take('"')) return std::nullopt;
  std::u16string text;
  for (;;) {
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\\' &&
           static_cast<unsigned char>(text_[at_]) >= 0x20) {
      ++at_;
    }
    const std::optional<std::u16string> run = fromUtf8(text_.substr(start, at_ - start));
    if (!run) return std::nullopt;
    text += *run;
    if (take('"')) return text;
    if (!take('\\')) return std::nullopt;
    const std::optional<char16_t> unit = escaped();
    if (!unit) return std::nullopt;
    text += *unit;
  }
}

std::optional<char16_t> JsonReader::escaped() {
  if (at_ >= text_.size()) return std::nullopt;
  switch (text_[at_++]) {
    case '"': return u'"';
    case '\\': return u'\\';
    case '/': return u'/';
    case 'b': return u'\b';
    case 'f': return u'\f';
    case 'n': return u'\n';
    case 'r': return u'\r';
    case 't': return u'\t';
    case 'u': break;
    default: return std::nullopt;
  }
  if (at_ + 4 > text_.size()) return std::nullopt;
  char16_t unit = 0;
  for (int k = 0; k < 4; ++k) {
    const char h = text_[at_++];
    const int nibble = h >= '0' && h <= '9'   ? h - '0'
                       : h >= 'a' && h <= 'f' ? h - 'a' + 10
                       : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                              : -1;
    if (nibble < 0) return std::nullopt;
    unit = static_cast<char16_t>(unit << 4 | nibble);
  }
  return unit;
}

std::optional<ActionLine> ActionLine::read(std::string_view line) {
  return JsonReader(line).object();
}

std::optional<std::u16string> ActionLine::text(std::string_view name) const {
  const auto found = members_.find(std::u16string(name.begin(), name.end()));
  return found == members_.end() ? std::nullopt : found->second;
}

}  // namespace drive
