// Saved window places and sizes checked against the screens of the day, and the explorer's
// two sizes. Expected rectangles are worked out by hand from the screen layouts below.
#include <gtest/gtest.h>

#include "app/window_placement.h"

namespace app {
namespace {

// A 1920 x 1080 primary screen less a 30-pixel panel at the bottom, and a 1280 x 1024 screen
// to its right.
const QList<QRect> kTwoScreens = {QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};

TEST(MendWindowRect, WindowsThatCanBeReachedStayWhereTheyWere) {
  for (const QRect& r : {QRect(100, 100, 695, 610), QRect(2000, 50, 600, 400),
                         QRect(1800, 100, 400, 300),  // across the two screens
                         QRect(-300, 500, 400, 300)})  // a third of it off the left edge
    EXPECT_EQ(MendWindowRect(r, kTwoScreens), r) << r.x() << "," << r.y();
  EXPECT_EQ(MendWindowRect(QRect(5000, 5000, 10, 10), {}), QRect(5000, 5000, 10, 10));
}

TEST(MendWindowRect, AWindowOffEveryScreenComesBackToThePrimaryOne) {
  // Saved on a screen to the right that is gone: as far right as the primary allows.
  EXPECT_EQ(MendWindowRect(QRect(5000, 200, 695, 610), kTwoScreens), QRect(1225, 200, 695, 610));
  EXPECT_EQ(MendWindowRect(QRect(-3000, -3000, 400, 300), kTwoScreens), QRect(0, 0, 400, 300));
  EXPECT_EQ(MendWindowRect(QRect(300, 4000, 400, 300), kTwoScreens), QRect(300, 750, 400, 300));
  // Only 30 pixels of the title strip on the right screen: too little to grab.
  EXPECT_EQ(MendWindowRect(QRect(3170, 100, 400, 300), kTwoScreens), QRect(1520, 100, 400, 300));
  // The title strip above the top edge.
  EXPECT_EQ(MendWindowRect(QRect(100, -10, 400, 300), kTwoScreens), QRect(100, 0, 400, 300));
  // A panel along the top of the primary screen.
  EXPECT_EQ(MendWindowRect(QRect(50, 0, 300, 200), {QRect(0, 30, 1920, 1020)}),
            QRect(50, 30, 300, 200));
}

TEST(MendWindowRect, AnAbsurdSizeIsCutToThePrimaryScreen) {
  EXPECT_EQ(MendWindowRect(QRect(10, 10, 100000, 100000), kTwoScreens), QRect(0, 0, 1920, 1050));
  EXPECT_EQ(MendWindowRect(QRect(2000, 10, 3000, 500), kTwoScreens), QRect(0, 10, 1920, 500));
  EXPECT_EQ(MendWindowRect(QRect(100, 100, 800, 1200), kTwoScreens), QRect(100, 0, 800, 1050));
}

TEST(MendWindowGeometry, EveryWindowOfTheSettingsIsChecked) {
  WindowGeometry g;
  EXPECT_EQ(MendWindowGeometry(g, kTwoScreens), g);  // the defaults fit a usual screen

  g.explorerLeft = 4000;
  g.settingsTop = -2000;
  g.mapWidth = 50000;
  g.dxLeft = 9000;
  g.compactLeft = 4000;
  g.compactTop = 50;
  g.chartLeft = -5000;
  g.sunTop = 3000;
  g.moonLeft = 3190;  // ten pixels on the right screen
  g.hfTop = -400;
  g.compactExtraWidth = 99999;
  g.compactExtraHeight = 20;
  const WindowGeometry m = MendWindowGeometry(g, kTwoScreens);
  EXPECT_EQ(QRect(m.explorerLeft, m.explorerTop, m.explorerWidth, m.explorerHeight),
            QRect(1920 - 695, 0, 695, 610));
  EXPECT_EQ(QRect(m.settingsLeft, m.settingsTop, m.settingsWidth, m.settingsHeight),
            QRect(0, 0, 683, 440));
  EXPECT_EQ(QRect(m.mapLeft, m.mapTop, m.mapWidth, m.mapHeight), QRect(0, 181, 1920, 382));
  EXPECT_EQ(QRect(m.dxLeft, m.dxTop, m.dxWidth, m.dxHeight), QRect(1920 - 456, 302, 456, 447));
  // Windows of which only the place is kept are taken as 200 x 100.
  EXPECT_EQ(QPoint(m.compactLeft, m.compactTop), QPoint(1720, 50));
  EXPECT_EQ(QPoint(m.chartLeft, m.chartTop), QPoint(0, 113));
  EXPECT_EQ(QPoint(m.sunLeft, m.sunTop), QPoint(50, 950));
  EXPECT_EQ(QPoint(m.moonLeft, m.moonTop), QPoint(1720, 50));
  EXPECT_EQ(QPoint(m.hfLeft, m.hfTop), QPoint(50, 0));
  EXPECT_EQ(m.compactExtraWidth, 1920);
  EXPECT_EQ(m.compactExtraHeight, 20);
}

TEST(MendWindowGeometry, TheCompactListIsCheckedWithItsOwnSize) {
  WindowGeometry g;
  g.compactLeft = 5000;
  g.compactTop = 40;
  g.compactExtraWidth = 40;
  g.compactExtraHeight = 2000;  // cut to 700: 350 + 700 fill the screen's 1050
  const WindowGeometry m = MendWindowGeometry(g, kTwoScreens, QSize(300, 350));
  // 340 x 1050: as far right as fits, and from the top.
  EXPECT_EQ(QPoint(m.compactLeft, m.compactTop), QPoint(1920 - 340, 0));
  EXPECT_EQ(m.compactExtraHeight, 700);
  EXPECT_EQ(m.compactExtraWidth, 40);
  // Where it can be reached it stays, even partly off the right edge of the right screen.
  g.compactLeft = 3100;
  g.compactExtraHeight = 0;
  const WindowGeometry kept = MendWindowGeometry(g, kTwoScreens, QSize(300, 350));
  EXPECT_EQ(QPoint(kept.compactLeft, kept.compactTop), QPoint(3100, 40));
}

TEST(KeepUnmovedAsRead, OnlyWindowsMovedDuringTheRunTakeTheirNewPlace) {
  WindowGeometry read;
  read.explorerLeft = 4000;  // off the screens: mended to 1225
  read.mapWidth = 50000;     // cut to 1920
  read.sunTop = 3000;        // mended to 950
  read.moonLeft = 3190;      // mended to 1720
  const WindowGeometry mended = MendWindowGeometry(read, kTwoScreens);
  ASSERT_EQ(mended.explorerLeft, 1225);
  ASSERT_EQ(mended.moonLeft, 1720);

  // Nothing moved: the file gets back what it held, off-screen values included.
  EXPECT_EQ(KeepUnmovedAsRead(mended, mended, read), read);

  // The explorer resized where it was put, the moon window dragged: those two are new.
  WindowGeometry now = mended;
  now.explorerWidth = 800;
  now.moonLeft = 600;
  now.moonTop = 70;
  const WindowGeometry saved = KeepUnmovedAsRead(now, mended, read);
  EXPECT_EQ(QRect(saved.explorerLeft, saved.explorerTop, saved.explorerWidth, saved.explorerHeight),
            QRect(1225, 0, 800, 610));
  EXPECT_EQ(QPoint(saved.moonLeft, saved.moonTop), QPoint(600, 70));
  EXPECT_EQ(saved.mapWidth, 50000);
  EXPECT_EQ(saved.sunTop, 3000);
  EXPECT_EQ(saved.dxLeft, read.dxLeft);
}

TEST(ExplorerWindowSize, ReducedIsTheDesignSizeTimesTheScaleRoundedNormalIsRemembered) {
  const QSize small(100, 100);
  EXPECT_EQ(ExplorerWindowSize(false, QSize(695, 610), 1.0, small), QSize(400, 340));
  EXPECT_EQ(ExplorerWindowSize(false, QSize(695, 610), 1.25, small), QSize(500, 425));
  // 401.6 x 341.36: rounded, not cut.
  EXPECT_EQ(ExplorerWindowSize(false, QSize(695, 610), 1.004, small), QSize(402, 341));
  EXPECT_EQ(ExplorerWindowSize(true, QSize(720, 560), 1.25, small), QSize(720, 560));
  // Never below the least size the window's contents need.
  EXPECT_EQ(ExplorerWindowSize(false, QSize(695, 610), 1.0, QSize(450, 300)), QSize(450, 340));
  EXPECT_EQ(ExplorerWindowSize(true, QSize(300, 700), 1.0, QSize(450, 300)), QSize(450, 700));
}

}  // namespace
}  // namespace app
