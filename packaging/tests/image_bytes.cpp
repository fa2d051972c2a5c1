#include "image_bytes.h"

#include <fstream>
#include <iterator>

namespace image_bytes {
namespace {

// The blocks after the header: extensions, image descriptors, up to the trailer.
void readGifBlocks(const Reader& r, std::size_t at, Gif& gif) {
  auto skipSubBlocks = [&] {
    while (const std::uint8_t n = r.u8(at)) at += 1 + n;
    ++at;
  };
  for (;;) {
    switch (r.u8(at)) {
      case 0x21:  // extension
        if (r.u8(at + 1) == 0xF9 && (r.u8(at + 3) & 0x01)) gif.transparentColour = true;
        at += 2;
        skipSubBlocks();
        break;
      case 0x2C: {  // image descriptor
        const std::uint8_t flags = r.u8(at + 9);
        gif.frames.push_back({r.le16(at + 1), r.le16(at + 3), r.le16(at + 5), r.le16(at + 7),
                              bool(flags & 0x80)});
        at += 10;
        if (flags & 0x80) at += 3 * (2u << (flags & 0x07));
        ++at;  // LZW minimum code size
        skipSubBlocks();
        break;
      }
      case 0x3B:
        return;
      default:
        throw std::runtime_error("unknown GIF block at byte " + std::to_string(at));
    }
  }
}

}  // namespace

Bytes readImage(const std::string& name) {
  const std::string path = std::string(QELMAR_IMAGES_DIR) + "/" + name;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Gif parseGif(const Bytes& bytes) {
  const Reader r(bytes);
  const std::string signature = r.text(0, 6);
  if (signature != "GIF87a" && signature != "GIF89a") throw std::runtime_error("not a GIF");
  Gif gif;
  gif.width = r.le16(6);
  gif.height = r.le16(8);
  const std::uint8_t packed = r.u8(10);
  gif.globalPaletteFlag = packed & 0x80;
  gif.globalPaletteSizeField = packed & 0x07;
  std::size_t at = 13;
  if (gif.globalPaletteFlag) {
    for (unsigned i = 0; i < 2u << gif.globalPaletteSizeField; ++i, at += 3)
      gif.globalPalette.push_back({r.u8(at), r.u8(at + 1), r.u8(at + 2)});
  }
  readGifBlocks(r, at, gif);
  return gif;
}

Png parsePng(const Bytes& bytes) {
  const Reader r(bytes);
  if (r.text(1, 3) != "PNG" || r.u8(0) != 0x89) throw std::runtime_error("not a PNG");
  Png png;
  for (std::size_t at = 8;;) {
    const std::uint32_t length = r.be32(at);
    const std::string type = r.text(at + 4, 4);
    const std::size_t data = at + 8;
    if (type == "IHDR") {
      png.width = r.be32(data);
      png.height = r.be32(data + 4);
      png.bitDepth = r.u8(data + 8);
      png.colourType = r.u8(data + 9);
    } else if (type == "PLTE") {
      for (std::size_t i = 0; i + 2 < length; i += 3)
        png.palette.push_back({r.u8(data + i), r.u8(data + i + 1), r.u8(data + i + 2)});
    } else if (type == "IEND") {
      return png;
    }
    at = data + length + 4;  // skip the CRC
  }
}

}  // namespace image_bytes
