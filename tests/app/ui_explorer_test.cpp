// The explorer face of the main window: a slot opens its pass, the slot keys navigate,
// the close button brings the compact list back.
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "prediction/panel_explorer.h"
#include "tests/app/ui_fixture.h"

namespace app::test {
namespace {

class ExplorerTest : public UiTest {
 protected:
  TForm1& StartWithIss() {
    CopySampleElements();
    WriteSettings({QStringLiteral("25544")}, {});
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    return f;
  }
};

TEST_F(ExplorerTest, SlotOpensItsPassAndClosingReturnsToTheList) {
  TForm1& f = StartWithIss();
  ASSERT_TRUE(f.CompactListShowing());
  QTest::mouseClick(f.Edit[0], Qt::LeftButton);
  prediction::PanelExplorer* explorer = f.Explorer();
  ASSERT_TRUE(f.ExplorerShowing());
  EXPECT_FALSE(f.PanelImage->isHidden());  // the explorer face, not just the panel
  EXPECT_TRUE(explorer->IsOpen());
  EXPECT_EQ(explorer->ShownSlot(), 1);
  const int rows = explorer->ListBoxEphemerids->count();
  ASSERT_GT(rows, 0);
  EXPECT_EQ(explorer->ListBoxEphemerids->item(0)->text().size(), 73);
  EXPECT_TRUE(f.windowTitle().endsWith(QStringLiteral("[ISS (ZARYA)]"))) << f.windowTitle().toStdString();
  EXPECT_TRUE(f.MenuSaveEph->isEnabled());
  EXPECT_TRUE(f.MenuDateCalcul->isEnabled());

  // Page Down in the shown slot goes to the next pass, Home back to the first one.
  const QString first = explorer->ListBoxEphemerids->item(0)->text();
  QTest::keyClick(f.Edit[0], Qt::Key_PageDown);
  const QString next = explorer->ListBoxEphemerids->item(0)->text();
  EXPECT_NE(next, first);
  QTest::keyClick(f.Edit[0], Qt::Key_Home);
  EXPECT_EQ(explorer->ListBoxEphemerids->item(0)->text(), first);

  // "Display UTC" moves every row by the local offset of the settings (one hour).
  f.MenuTU->trigger();
  EXPECT_NE(explorer->ListBoxEphemerids->item(0)->text().mid(0, 18), first.mid(0, 18));
  f.MenuTU->trigger();
  EXPECT_EQ(explorer->ListBoxEphemerids->item(0)->text(), first);

  explorer->BitBtnClosePanelExplorer->click();
  EXPECT_FALSE(f.ExplorerShowing());
  EXPECT_TRUE(f.CompactListShowing());
  EXPECT_FALSE(f.MenuSaveEph->isEnabled());
  EXPECT_TRUE(f.PanelImage->isHidden());
}

}  // namespace
}  // namespace app::test
