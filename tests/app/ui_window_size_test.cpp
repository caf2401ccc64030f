// The explorer's two sizes from the Window menu and the picture, and saved window places
// brought back onto the screen, on an offscreen screen of 1920 x 1200 (the explorer's
// least width is wider than the default offscreen screen).
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <cmath>
#include <functional>

#include "tests/app/ui_fixture.h"

namespace app::test {
namespace {

class WindowSizeUiTest : public UiTest {
 protected:
  TForm1& StartWith(const QStringList& extra) {
    CopySampleElements();
    QStringList settings = extra;
    settings.append(QStringLiteral("PREVIEW=OFF"));
    WriteSettings(SampleNumbers(1), settings);
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    return f;
  }
};

TEST_F(WindowSizeUiTest, TheScreenIsTheConfiguredOne) {
  ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1920, 1200));
}

// "&Reduced" remembers the size shown and gives 400 x 340 times the scale factor (or the
// least size the faces need); "&Normal" gives the remembered size back; the picture
// toggles between them.
TEST_F(WindowSizeUiTest, TheWindowMenuSizesAndThePictureActAtOnce) {
  TForm1& f = StartWith({QStringLiteral("DISPLAY=0,0,0,0,10,20,1400,1000"),
                         QStringLiteral("WINDOW=NORMAL")});
  f.ShowSlot(1);
  ASSERT_TRUE(f.ExplorerShowing());
  const QSize least = f.minimumSizeHint();
  EXPECT_EQ(f.size(), QSize(1400, 1000).expandedTo(least));
  const double scale = static_cast<double>(f.ScaleFactor);
  // 400 x 340 times the scale, or the least size the faces need as they are laid out at
  // the moment of the change (wider than 400 here: the explorer's table and buttons).
  QSize reduced;
  const auto reduce = [&](const std::function<void()>& action) {
    reduced = QSize(static_cast<int>(std::nearbyint(400 * scale)),
                    static_cast<int>(std::nearbyint(340 * scale)))
                  .expandedTo(f.minimumSizeHint());
    action();
  };

  const QSize dragged = least + QSize(150, 120);  // the user drags the frame
  f.resize(dragged);
  reduce([&] { f.MenuFenetreReduite->trigger(); });
  EXPECT_TRUE(f.MenuFenetreReduite->isChecked());
  EXPECT_LT(f.width() * f.height(), dragged.width() * dragged.height());
  EXPECT_EQ(f.size(), reduced);
  f.MenuFenetreNormale->trigger();
  EXPECT_TRUE(f.MenuFenetreNormale->isChecked());
  EXPECT_EQ(f.size(), dragged);

  reduce([&] { f.Image1->click(); });
  EXPECT_TRUE(f.MenuFenetreReduite->isChecked());
  EXPECT_EQ(f.size(), reduced);
  f.Image1->click();
  EXPECT_TRUE(f.MenuFenetreNormale->isChecked());
  EXPECT_EQ(f.size(), dragged);
  EXPECT_EQ(f.Image1->toolTip(), QStringLiteral("Click here to resize window"));

  // The choice and the remembered size go into the settings file at quit.
  f.MenuFenetreReduite->trigger();
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  ASSERT_EQ(terminated, 1);
  QFile file(File(QStringLiteral("Orvane.ini")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
  EXPECT_TRUE(lines.contains(QStringLiteral("WINDOW=REDUCED")));
  const QString display = QStringLiteral("DISPLAY=");
  for (const QString& l : lines)
    if (l.startsWith(display))
      EXPECT_TRUE(l.endsWith(QStringLiteral(",%1,%2").arg(dragged.width()).arg(dragged.height())))
          << l.toStdString();
}

// A place saved on a screen that is gone: the explorer opens on this one, as near as fits.
TEST_F(WindowSizeUiTest, AnExplorerSavedOffTheScreenOpensOnIt) {
  TForm1& f = StartWith({QStringLiteral("DISPLAY=5000,40,0,0,4000,-3000,1300,900")});
  EXPECT_EQ(f.pos(), QPoint(1920 - f.width(), 40));  // the compact list, whole on the screen
  f.ShowSlot(1);
  ASSERT_TRUE(f.ExplorerShowing());
  EXPECT_EQ(f.pos(), QPoint(1920 - 1300, 0));
  EXPECT_EQ(f.size(), QSize(1300, 900).expandedTo(f.minimumSizeHint()));
}

}  // namespace
}  // namespace app::test
