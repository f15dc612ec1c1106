#include "ui/screen_fit.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST(ScreenFit, LargestSizeFittingBothWidthAndHeight) {
  struct Case {
    QRect screen, available;
    int index;
  };
  const Case cases[] = {
      // 1280 x 1024 with its title bar is taller than a 1080-line screen less its panel.
      {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 2},
      {{0, 0, 1920, 1200}, {0, 0, 1920, 1160}, 3},
      {{0, 0, 1600, 1200}, {0, 0, 1600, 1200}, 3},
      // As wide as the screen and as high, with its title bar, as the area: maximised.
      {{0, 0, 1280, 1100}, {0, 0, 1280, 1060}, 3},
      {{0, 0, 1024, 800}, {0, 0, 1024, 800}, 2},
      // As wide as the screen but too low: the next size down, which fits both ways.
      {{0, 0, 1280, 1024}, {0, 0, 1280, 990}, 2},
      {{0, 0, 1280, 800}, {0, 0, 1280, 800}, 2},  // 2560 x 1600 at a scale factor of 2
      {{0, 0, 1280, 800}, {0, 0, 1280, 770}, 1},
      {{0, 0, 1024, 768}, {0, 0, 1024, 740}, 1},
      {{0, 0, 800, 600}, {0, 0, 800, 560}, 0},
      {{0, 0, 1023, 768}, {0, 0, 1023, 768}, 1},
      {{0, 0, 800, 640}, {0, 0, 800, 640}, 1},
      {{0, 0, 640, 480}, {0, 0, 640, 450}, 0},
      {{0, 0, 320, 200}, {0, 0, 320, 200}, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MaxSizeIndex(c.available), c.index) << c.screen.width() << "x" << c.screen.height();
}

TEST(ScreenFit, StoredResolutionIsReadSafely) {
  const QSize screen(1600, 1200);
  struct Case {
    const char* text;
    int maxIndex;
    int left, top, size;
  };
  const Case cases[] = {
      {"10,20,800x600", 3, 10, 20, 1},
      {"10,20,1280x1024", 2, 10, 20, 2},  // larger than the screen allows: reduced
      {"-5,20,1024x768", 3, 0, 20, 2},    // off the screen: 0
      {"1700,1300,1024x768", 3, 0, 0, 2},
      {"10,20,huge", 3, 10, 20, 0},  // unknown size name: the smallest
      {"garbage", 3, 0, 0, 0},       // unreadable numbers: 0,0 at the smallest size
      {"x,20,800x600", 3, 0, 0, 0},
      {"", 3, 0, 0, 0},
      {"10,20", 3, 10, 20, 0},
  };
  for (const Case& c : cases) {
    const TResolution r = ParseResolution(c.text, screen, c.maxIndex);
    EXPECT_EQ(r.Left, c.left) << c.text;
    EXPECT_EQ(r.Top, c.top) << c.text;
    EXPECT_EQ(r.SizeIndex, c.size) << c.text;
  }
  EXPECT_EQ(ResolutionText({12, 34, 3}), "12,34,1280x1024");
  EXPECT_EQ(DefaultResolutionText(1), "0,0,800x600");
}

TEST(ScreenFit, WindowIsMovedBackOntoTheScreen) {
  const QRect screen(0, 0, 1024, 768);
  EXPECT_EQ(KeepOnScreen({500, 400}, {800, 600}, screen), QPoint(224, 168));
  EXPECT_EQ(KeepOnScreen({10, 10}, {800, 600}, screen), QPoint(10, 10));
}
