#include "form/line_pitch.h"

#include <gtest/gtest.h>

namespace {

// Two lines must fit the message line's 25 pixels at 96 dpi.
TEST(LinePitch, LinesStackedByTheirInkOrTheFacesSpacingWhereTighter) {
  struct Row {
    const char* name;
    int inkAbove, inkBelow, faceLineSpacing, lineToLine, twoLinesHigh;
  };
  const Row cases[] = {
      {"a face spacing its lines 1.5 em apart: a pixel between the inks", 9, 3, 15, 13, 25},
      {"a face tighter than the ink", 9, 3, 12, 12, 24},
      {"the ink exactly as tall as the face's spacing", 8, 3, 12, 12, 23},
  };
  for (const auto& c : cases) {
    const form::LinePitch pitch = form::linePitch(c.inkAbove, c.inkBelow, c.faceLineSpacing);
    EXPECT_EQ(pitch.firstBaseline, c.inkAbove) << c.name;
    EXPECT_EQ(pitch.lineToLine, c.lineToLine) << c.name;
    EXPECT_EQ(form::heightOf(pitch, 0), 0) << c.name;
    EXPECT_EQ(form::heightOf(pitch, 1), c.inkAbove + c.inkBelow) << c.name;
    EXPECT_EQ(form::heightOf(pitch, 2), c.twoLinesHigh) << c.name;
  }
}

}  // namespace
