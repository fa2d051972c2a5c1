// The banner and the icons are read by other programs (Qt's GIF and PNG readers, the
// desktop's icon theme, Windows Explorer), so their properties are checked on the bytes
// as those readers see them, without going through any image library.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "image_bytes.h"

namespace {

using namespace image_bytes;

bool grey(const Rgb& c) { return c[0] == c[1] && c[1] == c[2]; }

// A 1x1 two-frame GIF89a whose second frame has a transparent colour: proves the
// reader sees what the banner checks look for.
const Bytes kTwoFrameTransparentGif = {
    'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,  // 1x1, global table of 2
    0, 0, 0, 255, 255, 255,                                // palette
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0,  // frame 1
    0x21, 0xF9, 4, 0x01, 0, 0, 1, 0,                       // GCE, transparent index 1
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0,  // frame 2
    0x3B};

TEST(GifReader, SeesFramesPaletteAndTransparency) {
  const Gif gif = parseGif(kTwoFrameTransparentGif);
  EXPECT_EQ(gif.frames.size(), 2u);
  EXPECT_TRUE(gif.transparentColour);
  EXPECT_EQ(gif.globalPalette.size(), 2u);
  EXPECT_EQ(gif.globalPalette[1], (Rgb{255, 255, 255}));

  Bytes truncated = kTwoFrameTransparentGif;
  truncated.pop_back();
  EXPECT_THROW(parseGif(truncated), std::runtime_error);
}

TEST(BannerPicture, IsOneFrameOf537By45Pixels) {
  const Gif gif = parseGif(readImage("banner.gif"));
  EXPECT_EQ(gif.width, 537u);
  EXPECT_EQ(gif.height, 45u);
  ASSERT_EQ(gif.frames.size(), 1u);
  const GifFrame& frame = gif.frames.front();
  EXPECT_EQ(frame.left, 0u);
  EXPECT_EQ(frame.top, 0u);
  EXPECT_EQ(frame.width, 537u);
  EXPECT_EQ(frame.height, 45u);
}

TEST(BannerPicture, HasA32LevelGreyGlobalPaletteAndNoTransparency) {
  const Gif gif = parseGif(readImage("banner.gif"));
  ASSERT_TRUE(gif.globalPaletteFlag);
  EXPECT_EQ(gif.globalPaletteSizeField, 4u) << "a 32-entry table has size field 4";
  ASSERT_EQ(gif.globalPalette.size(), 32u);
  std::set<std::uint8_t> levels;
  for (const Rgb& c : gif.globalPalette) {
    EXPECT_TRUE(grey(c)) << int(c[0]) << "," << int(c[1]) << "," << int(c[2]);
    levels.insert(c[0]);
  }
  EXPECT_EQ(levels.size(), 32u) << "32 distinct grey levels";
  for (const GifFrame& frame : gif.frames) EXPECT_FALSE(frame.localPalette);
  EXPECT_FALSE(gif.transparentColour);
}

// The desktop's icon theme picks among these by size.
TEST(WindowIcon, PngsAreSquareEightBitGreyPalettesAtEveryThemeSize) {
  for (const unsigned size : {16u, 22u, 24u, 32u, 48u, 64u, 128u, 256u}) {
    const std::string name = "qelmar-" + std::to_string(size) + ".png";
    SCOPED_TRACE(name);
    const Png png = parsePng(readImage(name));
    EXPECT_EQ(png.width, size);
    EXPECT_EQ(png.height, size);
    EXPECT_EQ(png.colourType, 3u) << "indexed colour";
    EXPECT_EQ(png.bitDepth, 8u) << "up to 256 colours";
    EXPECT_FALSE(png.palette.empty());
    EXPECT_LE(png.palette.size(), 256u);
    for (const Rgb& c : png.palette) EXPECT_TRUE(grey(c));
  }
}

// What the running window shows as its icon, in the banner's format.
TEST(WindowIcon, GifIsOneGreyFrameOf32By32) {
  const Gif gif = parseGif(readImage("qelmar.gif"));
  EXPECT_EQ(gif.width, 32u);
  EXPECT_EQ(gif.height, 32u);
  EXPECT_EQ(gif.frames.size(), 1u);
  EXPECT_LE(gif.globalPalette.size(), 256u);
  for (const Rgb& c : gif.globalPalette) EXPECT_TRUE(grey(c));
  EXPECT_FALSE(gif.transparentColour);
}

// The 256 px entry: a PNG, in the 32-bit RGBA that the entry announces.
void expectPngEntry(const Reader& r, const Bytes& ico, std::size_t entry) {
  const std::size_t data = r.le32(entry + 12);
  EXPECT_EQ(r.le16(entry + 6), 32u) << "bits per pixel";
  const std::size_t end = data + r.le32(entry + 8);
  ASSERT_LE(end, ico.size());
  const Png png = parsePng(Bytes(ico.begin() + data, ico.begin() + end));
  EXPECT_EQ(png.width, 256u);
  EXPECT_EQ(png.height, 256u);
  EXPECT_EQ(png.colourType, 6u) << "RGBA";
  EXPECT_EQ(png.bitDepth, 8u);
}

// A smaller entry: a 256-colour grey BMP, its info header then its BGRx palette.
void expectBmpEntry(const Reader& r, std::size_t entry, unsigned size) {
  const std::size_t data = r.le32(entry + 12);
  EXPECT_EQ(r.u8(entry + 2), 0u) << "colour count 0 means 256";
  EXPECT_EQ(r.le16(entry + 6), 8u) << "8 bits per pixel";
  ASSERT_EQ(r.le32(data), 40u) << "BITMAPINFOHEADER (not an embedded PNG)";
  EXPECT_EQ(r.le32(data + 4), size);
  EXPECT_EQ(r.le32(data + 8), 2 * size) << "height counts the colour and the mask rows";
  EXPECT_EQ(r.le16(data + 14), 8u);
  const std::uint32_t used = r.le32(data + 32);
  const std::uint32_t colours = used ? used : 256;
  EXPECT_LE(colours, 256u);
  for (std::uint32_t k = 0; k < colours; ++k) {
    const std::size_t c = data + 40 + 4 * k;
    EXPECT_TRUE(grey({r.u8(c), r.u8(c + 1), r.u8(c + 2)})) << "palette entry " << k;
  }
}

// Windows takes the title bar's icon at 16 px, Explorer's and the taskbar's at 24 to 48
// and its large views' at 256, and scales the nearest size when one is missing.
TEST(WindowIcon, WindowsIconHoldsEachSizeWindowsAsksForOnce) {
  const Bytes ico = readImage("qelmar.ico");
  const Reader r(ico);
  EXPECT_EQ(r.le16(0), 0u);
  ASSERT_EQ(r.le16(2), 1u) << "type 1: icon";
  std::map<unsigned, std::size_t> entries;  // size -> its directory entry
  for (unsigned i = 0; i < r.le16(4); ++i) {
    const std::size_t entry = 6 + 16 * i;
    const unsigned width = r.u8(entry) ? r.u8(entry) : 256;  // 0 stands for 256
    const unsigned height = r.u8(entry + 1) ? r.u8(entry + 1) : 256;
    EXPECT_EQ(width, height) << "entry " << i;
    EXPECT_TRUE(entries.emplace(width, entry).second) << "a second " << width << " px entry";
  }
  std::vector<unsigned> sizes;
  for (const auto& [size, entry] : entries) sizes.push_back(size);
  EXPECT_EQ(sizes, (std::vector<unsigned>{16, 24, 32, 48, 256}));

  for (const auto& [size, entry] : entries) {
    SCOPED_TRACE(std::to_string(size) + " px");
    if (size == 256) {
      expectPngEntry(r, ico, entry);
    } else {
      expectBmpEntry(r, entry, size);
    }
  }
}

}  // namespace
