// F1 and the "?" button of every top-level window ask for that window's help topic.
#include <QShortcut>

#include "app/download/download_desk.h"
#include "app/download/form_apropos.h"
#include "app/download/form_alarm_tle.h"
#include "app/download/form_help_texts.h"
#include "app/download/form_tle_info.h"
#include "app/download/form_web.h"
#include "app/form_rename.h"
#include "base/help_button.h"
#include "base/help_request.h"
#include "map/form_help_map.h"
#include "map/form_html.h"
#include "map/form_map.h"
#include "prediction/form_24h.h"
#include "prediction/form_date.h"
#include "prediction/form_print.h"
#include "prediction/form_print24h.h"
#include "tools/form_conv.h"
#include "tools/form_favorites.h"
#include "tools/form_help_my_list.h"
#include "tools/form_hf_beam.h"
#include "tools/form_dx.h"
#include "tools/form_lune.h"
#include "tools/form_orbit.h"
#include "tools/form_soleil.h"
#include "tracking/form_alarm.h"
#include "tracking/form_extra_info.h"
#include "tracking/form_info.h"
#include "ui_fixture.h"

namespace app::test {
namespace {

class HelpKeysTest : public UiTest {
 protected:
  TForm1& StartComputed() {
    CopySampleElements();
    WriteSettings({QStringLiteral("25544")}, {QStringLiteral("PREVIEW=OFF")});
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    return f;
  }
  QString Last() const { return help.requests.empty() ? QString() : help.requests.back(); }
  base::RecordingHelp help;
};

struct HelpCase {
  const char* what;
  QWidget* window;
  int topic;
};

TEST_F(HelpKeysTest, EachWindowsF1AndButtonAskForItsTopic) {
  TForm1& f = StartComputed();
  download::DownloadDesk& d = f.Downloads();
  const HelpCase cases[] = {
      {"about", d.AboutWindow(), 1},
      {"yes/no question", f.DialogWindow(), 1},
      {"calculation date", f.DateWindow(), 1},
      {"ephemeris print", f.PrintWindow(), 1},
      {"converter", f.ConverterWindow(), 1},
      {"Sun", f.SunWindow(), 3},
      {"rename", f.RenameWindow(), 3},
      {"HF beam", f.HfBeamWindow(), 3},
      {"favourites", f.HfBeamWindow()->Favorites(), 3},
      {"own-list help", f.HfBeamWindow()->HelpMyList(), 3},
      {"pass alarm", f.AlarmWindow(), 4},
      {"element-age alarm", d.AlarmWindow(), 4},
      {"24-hour chart", f.Chart24Window(), 5},
      {"24-hour print", f.Chart24Window()->PrintWindow(), 5},
      {"24-hour preview", f.Chart24Window()->PrintWindow()->Preview(), 5},
      {"satellite information", f.InfoWindow(), 6},
      {"extra information", f.ExtraInfoWindow(), 6},
      {"orbit view", f.OrbitWindow(), 6},
      {"DX station", f.DxWindow(), 10},
      {"map", f.MapWindow(), 11},
      {"map legend", f.MapWindow()->Legend(), 11},
      {"HTML export", f.MapWindow()->HtmlSettings(), 11},
      {"element download", d.WebWindow(), 12},
      {"login help", d.WebWindow()->LoginHelp(), 12},
      {"download help", d.WebWindow()->DownloadHelp(), 12},
      {"element-update notice", d.NoticeWindow(), 12},
      {"Moon", f.MoonWindow(), 14},
  };
  for (const HelpCase& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_NE(c.window, nullptr);
    EXPECT_TRUE(c.window->isWindow());
    c.window->show();
    auto* key = c.window->findChild<QShortcut*>(QStringLiteral("HelpKey"),
                                                Qt::FindDirectChildrenOnly);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->key(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(key->context(), Qt::WindowShortcut);  // another window's F1 is its own
    const std::size_t before = help.requests.size();
    emit key->activated();
    ASSERT_EQ(help.requests.size(), before + 1);
    EXPECT_EQ(Last(), QStringLiteral("topic %1").arg(c.topic));
    // Beside F1, a help button the user can see, asking for the same topic.
    base::HelpButton* button = nullptr;
    for (base::HelpButton* b : c.window->findChildren<base::HelpButton*>())
      if (b->window() == c.window && b->isVisible()) button = b;
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(Last(), QStringLiteral("topic %1").arg(c.topic));
    c.window->hide();
  }
}

TEST_F(HelpKeysTest, MainWindowsF1OpensTheContentsAndItsButtonTheMainTopic) {
  TForm1& f = Start();
  EXPECT_EQ(f.MenuAide->shortcut(), QKeySequence(Qt::Key_F1));
  f.MenuAide->trigger();
  EXPECT_EQ(Last(), QStringLiteral("contents"));
  auto* button = f.findChild<base::HelpButton*>(QStringLiteral("SpeedButtonHelp"));
  ASSERT_NE(button, nullptr);
  button->click();
  EXPECT_EQ(Last(), QStringLiteral("topic 1"));
  // The Moon's own menu item asks for the Moon's topic too.
  f.MoonWindow()->MenuAideClick();
  EXPECT_EQ(Last(), QStringLiteral("topic 14"));
}

}  // namespace
}  // namespace app::test
