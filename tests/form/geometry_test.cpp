#include "form/geometry.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "form/window_table.h"

namespace {

using form::Margins;
using form::Point;
using form::Rect;

TEST(OpeningPlace, TheWholeWindowFramedFitsTheScreensFreeArea) {
  // A title bar of 20 pixels and a border of one, as Openbox draws them.
  const Margins frame{1, 20, 1, 1};
  const struct {
    const char* name;
    double scale;
    Margins frame;
    Rect available;
    Point place;
  } cases[] = {
      {"fits: its own place", 1, frame, {0, 0, 1024, 768}, {138, 159}},
      {"exactly fits", 1, frame, {0, 0, 692, 393}, {138, 159}},
      {"the frame's right border", 1, frame, {0, 0, 691, 393}, {137, 159}},
      {"a panel takes the bottom", 1, frame, {0, 0, 800, 360}, {138, 126}},
      {"a panel takes the left", 1, frame, {200, 0, 824, 768}, {201, 159}},
      {"too small: the frame's top-left stays inside", 1, frame, {10, 20, 400, 200}, {11, 40}},
      // 1280 x 800 at scale 2 is 640 x 400 to the window, its frame (1, 20, 1, 1) rounded
      // to (1, 10, 1, 1): the frame ends on the screen's last column.
      {"scale 2 on 1280 x 800", 2, {1, 10, 1, 1}, {0, 0, 640, 400}, {86, 159}},
      // 1024 x 600 at 1.5 is 683 x 400 to the window, but 553 x 233 come out 830 x 350
      // screen pixels, and 683 is 1024 rounded up: the place leaves the last column free.
      {"scale 1.5 on 1024 x 600", 1.5, {1, 13, 1, 1}, {0, 0, 683, 400}, {127, 159}},
  };
  const Rect client = form::pixels(form::windowBox());
  for (const auto& c : cases) {
    EXPECT_EQ(form::openingPlace(client, c.frame, c.available, c.scale), c.place) << c.name;
  }
}

// Every box of the window is a whole number of pixels at the usual densities.
TEST(Pixels, TwipsScaleToTheScreensDensity) {
  const struct {
    int dotsPerInch;
    Rect messageLine;
  } cases[] = {
      {96, {280, 200, 153, 25}},
      {144, {420, 300, 230, 38}},  // 150 %: 229.5 and 37.5 rounded up
      {192, {560, 400, 306, 50}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(form::pixels(form::rowOf(form::Field::Label1).box, c.dotsPerInch), c.messageLine)
        << c.dotsPerInch;
  }
}

TEST(WindowTable, AFieldWithoutACaptionLabelIsAProgrammingError) {
  EXPECT_THROW(form::captionOf(form::Field::Label1), std::logic_error);
  EXPECT_EQ(form::captionOf(form::Field::ロスカット到達レート買text).caption, u"ロスカット到達レート（買）");
}

}  // namespace
