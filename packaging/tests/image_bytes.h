#pragma once

// The banner's and the icons' bytes read as other programs read them (Qt's GIF and PNG
// readers, the desktop's icon theme, Windows Explorer), without any image library.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace image_bytes {

using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<std::uint8_t, 3>;

// A file of form/images/.
Bytes readImage(const std::string& name);

// Bounds-checked little- and big-endian reads; a truncated file throws instead of
// reading past the end.
class Reader {
 public:
  explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
  std::uint8_t u8(std::size_t at) const {
    if (at >= bytes_.size()) throw std::runtime_error("truncated at byte " + std::to_string(at));
    return bytes_[at];
  }
  unsigned le16(std::size_t at) const { return u8(at) | u8(at + 1) << 8; }
  std::uint32_t le32(std::size_t at) const { return le16(at) | std::uint32_t(le16(at + 2)) << 16; }
  std::uint32_t be32(std::size_t at) const {
    return std::uint32_t(u8(at)) << 24 | u8(at + 1) << 16 | u8(at + 2) << 8 | u8(at + 3);
  }
  std::string text(std::size_t at, std::size_t n) const {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += char(u8(at + i));
    return s;
  }
  std::size_t size() const { return bytes_.size(); }

 private:
  const Bytes& bytes_;
};

struct GifFrame {
  unsigned left, top, width, height;
  bool localPalette;
};

struct Gif {
  unsigned width = 0, height = 0;
  bool globalPaletteFlag = false;
  unsigned globalPaletteSizeField = 0;  // the table holds 2^(field+1) entries
  std::vector<Rgb> globalPalette;
  std::vector<GifFrame> frames;
  bool transparentColour = false;  // some Graphic Control Extension sets its flag
};

Gif parseGif(const Bytes& bytes);

struct Png {
  unsigned width = 0, height = 0, bitDepth = 0, colourType = 0;
  std::vector<Rgb> palette;
};

Png parsePng(const Bytes& bytes);

inline bool grey(const Rgb& c) { return c[0] == c[1] && c[1] == c[2]; }

}  // namespace image_bytes
