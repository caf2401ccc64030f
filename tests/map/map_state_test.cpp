// Settings fall-backs, redraw counters, the one-second watch decision, the orbit track's
// start and entries, and the user-map copy.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "map/map_state.h"
#include "map/user_map.h"
#include "orbit/calendar.h"

using namespace map;

TEST(MapSettingsRecord, OutOfRangeValuesFallBackToTheirDefaults) {
  MapSettings s;
  s.centre = 150;
  s.penWidth = 9;
  s.pixel = 0;
  s.zoomPercent = 110;
  s.browserPeriod = 5;
  MapSettings n = Normalised(s);
  EXPECT_EQ(n.centre, 0);
  EXPECT_EQ(n.penWidth, 3);
  EXPECT_EQ(n.pixel, 1);
  EXPECT_EQ(n.zoomPercent, 100);
  EXPECT_EQ(n.browserPeriod, 30);
  s.centre = 300;
  s.penWidth = 1;
  s.pixel = 6;
  s.zoomPercent = 175;
  n = Normalised(s);
  EXPECT_EQ(n.centre, 300);
  EXPECT_EQ(n.penWidth, 3);
  EXPECT_EQ(n.pixel, 1);
  EXPECT_EQ(n.zoomPercent, 175);
  s.penWidth = 5;
  s.pixel = 5;
  EXPECT_EQ(Normalised(s).penWidth, 5);
  EXPECT_EQ(Normalised(s).pixel, 5);
}

TEST(MapSettingsRecord, RefreshPeriods) {
  EXPECT_EQ(RefreshIntervalMs(45), 10000);  // leaves the 10-second item
  EXPECT_EQ(RefreshIntervalMs(10), 10000);
  EXPECT_EQ(RefreshIntervalMs(20), 20000);
  EXPECT_EQ(RefreshIntervalMs(30), 30000);
  EXPECT_EQ(RefreshIntervalMs(60), 60000);
  EXPECT_EQ(RefreshIntervalMs(0), 10000);
}

TEST(RedrawCounter, SunEveryTwoMinutesOrbitEveryMinute) {
  // Drawn at 12:00:30.5: 30 500 ms into the minute, plus 1000.
  const Real now = orbit::EncodeDateTimeValue(2024, 3, 20, 12, 0, 30.5L);
  EXPECT_EQ(RedrawCounters::AfterDrawing(now), 31500);
  RedrawCounters c;
  c.sun = c.orbit = RedrawCounters::AfterDrawing(now);
  for (int i = 0; i < 8; ++i) c.Advance(10000, true, false);
  EXPECT_EQ(c.sun, 111500);
  EXPECT_FALSE(c.SunDue());
  EXPECT_EQ(c.orbit, 31500);  // no orbit mode: not counted
  c.Advance(10000, true, true);
  EXPECT_TRUE(c.SunDue());
  EXPECT_FALSE(c.OrbitDue());  // 41 500
  c.Advance(10000, false, true);
  c.Advance(10000, false, true);
  EXPECT_TRUE(c.OrbitDue());  // 61 500
}

TEST(Watch, DecisionsOfEachSecond) {
  WatchSnapshot a{"AO-7", "N48", "W2", false, 43200.5L};
  WatchDecision d = DecideWatch(a, a, false, true);
  EXPECT_TRUE(d.steady);
  EXPECT_TRUE(d.firstSteady);
  EXPECT_EQ(d.change, WatchChange::None);
  d = DecideWatch(a, a, false, false);
  EXPECT_TRUE(d.steady);
  EXPECT_FALSE(d.firstSteady);
  d = DecideWatch(a, a, true, false);  // a clicked row is waiting
  EXPECT_FALSE(d.steady);
  EXPECT_TRUE(d.takeClickedRow);
  EXPECT_EQ(d.change, WatchChange::None);

  WatchSnapshot b = a;
  b.visible = true;
  EXPECT_EQ(DecideWatch(a, b, false, false).change, WatchChange::Acquisition);
  EXPECT_EQ(DecideWatch(b, a, false, false).change, WatchChange::Other);  // loss of signal
  b = a;
  b.satellite = "FO-29";
  EXPECT_EQ(DecideWatch(a, b, false, false).change, WatchChange::Other);
  b = a;
  b.dxLatitude = "S10";
  EXPECT_EQ(DecideWatch(a, b, true, false).change, WatchChange::Other);
  EXPECT_TRUE(DecideWatch(a, b, true, false).takeClickedRow);
  b = a;
  b.nextPassStart += 0.1L;
  EXPECT_EQ(DecideWatch(a, b, false, false).change, WatchChange::Other);

  EXPECT_TRUE(FastMotionAllowed(false, DrawingMode::CoverageAndNext));
  EXPECT_FALSE(FastMotionAllowed(true, DrawingMode::CoverageAndNext));
  EXPECT_FALSE(FastMotionAllowed(false, DrawingMode::CoverageOnly));
  EXPECT_FALSE(FastMotionAllowed(false, DrawingMode::PassFootprint));
}

TEST(OrbitTable, StartEntriesAndDots) {
  prediction::PassSlot slot;
  slot.name = "AO-7";
  slot.text = "AO-7       :01h10 00h12";
  const Real now = orbit::EncodeDateTimeValue(2024, 3, 20, 12, 5, 42);
  EXPECT_EQ(OrbitTrackStart(slot, now), orbit::EncodeDateTimeValue(2024, 3, 20, 12, 5));
  // A pass under way: the track starts where it ends (start + rows).
  slot.text = "AO-7       :00h00 00h08";
  slot.passStart = orbit::EncodeDateTimeValue(2024, 3, 20, 12, 0);
  slot.rows.count = 13;
  slot.rows.elevation[0] = 4;
  EXPECT_TRUE(PassInProgress(slot));
  EXPECT_NEAR(static_cast<double>(OrbitTrackStart(slot, now)),
              static_cast<double>(orbit::EncodeDateTimeValue(2024, 3, 20, 12, 13)), 1e-9);

  OrbitTrack track;
  track.startUtc = now;
  for (int i = 0; i < 5; ++i) track.points.push_back({Real(i), Real(-i), 68000});
  track.points.push_back(prediction::TrackPoint{});  // end mark
  EXPECT_FALSE(OrbitEntry(track, 0));
  EXPECT_NEAR(static_cast<double>(OrbitEntry(track, 1)->latitude), 0, 0);
  EXPECT_NEAR(static_cast<double>(OrbitEntry(track, 5)->latitude), 4, 0);
  EXPECT_FALSE(OrbitEntry(track, 6));   // the end mark
  EXPECT_FALSE(OrbitEntry(track, 40));  // beyond the table
  EXPECT_EQ(OrbitDotEntries(track, 2), (std::vector<int>{3, 4, 5}));
  EXPECT_TRUE(OrbitDotEntries(track, 5).empty());

  OrbitTrack ended;
  ended.points.push_back(prediction::TrackPoint{});
  EXPECT_TRUE(ended.empty());
  EXPECT_TRUE(OrbitDotEntries(ended, 0).empty());
  EXPECT_FALSE(OrbitEntry(ended, 1));
}

namespace {
bool Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(UserMapFile, NamesAndTheCopyIntoTheProgramFolder) {
  EXPECT_TRUE(IsOriginalMapName("/home/x/original.bmp"));
  EXPECT_TRUE(IsOriginalMapName("ORIGINAL.BMP"));
  EXPECT_FALSE(IsOriginalMapName("myoriginal.bmp.png"));
  EXPECT_TRUE(HasBmpExtension("world.bmp"));
  EXPECT_TRUE(HasBmpExtension("WORLD.BMP"));
  EXPECT_FALSE(HasBmpExtension("world.png"));
  EXPECT_FALSE(HasBmpExtension("world.bmp.txt"));

  QTemporaryDir program, elsewhere, other;
  const QString src = elsewhere.filePath("world.bmp");
  ASSERT_TRUE(Write(src, "BM first picture"));
  EXPECT_EQ(CopyUserMapIntoFolder(src, program.path()), "world.bmp");
  EXPECT_EQ(Read(program.filePath("world.bmp")), "BM first picture");
  // The same picture again is reused.
  EXPECT_EQ(CopyUserMapIntoFolder(src, program.path()), "world.bmp");
  // A different picture of the same name never replaces it.
  const QString src2 = other.filePath("world.bmp");
  ASSERT_TRUE(Write(src2, "BM second picture"));
  EXPECT_EQ(CopyUserMapIntoFolder(src2, program.path()), "world_2.bmp");
  EXPECT_EQ(Read(program.filePath("world.bmp")), "BM first picture");
  EXPECT_EQ(Read(program.filePath("world_2.bmp")), "BM second picture");
  // Already in the program folder: taken as it is.
  EXPECT_EQ(CopyUserMapIntoFolder(program.filePath("world_2.bmp"), program.path()), "world_2.bmp");
  // Unreadable source: nothing stored.
  EXPECT_EQ(CopyUserMapIntoFolder(elsewhere.filePath("missing.bmp"), program.path()), QString());
  EXPECT_EQ(QDir(program.path()).entryList(QDir::Files).size(), 2);
}

TEST(UserMapFile, WholeBitmapsOnly) {
  // A 4 x 2 bitmap of 24 bits: 54-byte header, rows of 12 bytes (already a multiple of 4).
  QByteArray bmp(54 + 24, '\0');
  auto put32 = [&](int at, quint32 v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, 78);
  put32(10, 54);
  put32(14, 40);
  put32(18, 4);
  put32(22, 2);
  bmp[26] = 1;
  bmp[28] = 24;
  EXPECT_TRUE(BitmapComplete(bmp));
  EXPECT_FALSE(BitmapComplete(bmp.left(77)));  // the last row cut short
  put32(2, 0);                                  // writers that leave the size out
  EXPECT_TRUE(BitmapComplete(bmp));
  EXPECT_FALSE(BitmapComplete(bmp.left(70)));
  put32(22, static_cast<quint32>(-2));  // top-down rows
  EXPECT_TRUE(BitmapComplete(bmp));
  EXPECT_FALSE(BitmapComplete(QByteArray("PNG not a bitmap at all, long enough to look")));
  EXPECT_FALSE(BitmapComplete(QByteArray()));
}
