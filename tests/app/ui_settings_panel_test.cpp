// The settings panel: "EXPLORE" with its refusals, station typing, group selection.
#include <QCheckBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "app/form_rename.h"
#include "base/locale_number.h"
#include "tests/app/ui_fixture.h"

namespace app::test {
namespace {

QString Decimal(const char* whole, const char* fraction) {
  return QString::fromLatin1(whole) + QLatin1Char(base::UserDecimalSeparator()) +
         QString::fromLatin1(fraction);
}

void ClickEntry(QListWidget* list, int row) {
  list->scrollToItem(list->item(row));
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

TEST_F(UiTest, ExploreRefusesIncompleteSettingsInOrder) {
  TForm1& f = Start();
  auto explore = [&] {
    dialogs.warnings.clear();
    sounds.calls.clear();
    f.BitBtn_OK_Location->click();
    EXPECT_EQ(sounds.Count(QStringLiteral("warning")), 1);
    return dialogs.warnings.value(0);
  };
  EXPECT_EQ(explore(), QStringLiteral("Enter your locator or lattitude+longitude, please ..."));
  QTest::keyClicks(f.EditQRAlocator, QStringLiteral("JN18DU"));
  f.EditAltitude->clear();
  EXPECT_EQ(explore(), QStringLiteral("Enter your altitude please ..."));
  f.EditAltitude->setText(QStringLiteral("35"));
  EXPECT_EQ(explore(), QStringLiteral("Enter your local time difference with UTC please..."));
  f.EditLocalUTC->setText(QStringLiteral("1"));
  const QString file = f.GroupFileEdit(1)->text();
  f.GroupFileEdit(1)->clear();
  EXPECT_EQ(explore(), QStringLiteral("Enter 3-line file path and name please..."));
  f.GroupFileEdit(1)->setText(file);
  f.PageControlGroupeChange();
  EXPECT_EQ(explore(), QStringLiteral("Choose 1 to 15 satellites please..."));
  // A latitude that is not a number is refused with the locator request.
  f.EditLattitude->setText(QStringLiteral("4x"));
  EXPECT_EQ(explore(), QStringLiteral("Enter your locator or lattitude+longitude, please ..."));
  EXPECT_TRUE(f.SettingsPanelShowing());
}

TEST_F(UiTest, ExploreWithASelectionComputesThePassList) {
  TForm1& f = Start();
  QTest::keyClicks(f.EditQRAlocator, QStringLiteral("jn18du"));
  f.EditLocalUTC->setText(QStringLiteral("1"));
  ClickEntry(f.GroupList(1), 0);
  ClickEntry(f.GroupList(1), 3);
  f.BitBtn_OK_Location->click();
  EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(f.CompactListShowing());
  EXPECT_EQ(f.EditQRAlocator->text(), QStringLiteral("JN18DU"));
  EXPECT_EQ(SlotText(1).left(11),
            f.GroupList(1)->item(0)->text().leftJustified(11, QLatin1Char(' '), true));
  EXPECT_EQ(SlotText(1).size(), 23);
  EXPECT_EQ(SlotText(2).size(), 23);
  EXPECT_TRUE(f.Edit[2]->isHidden());
  EXPECT_FALSE(f.MenuRename->isEnabled());
  EXPECT_TRUE(f.MenuGroupeN[0]->isChecked());
  // Back to the settings panel through the menu.
  f.MenuInitialisation->trigger();
  EXPECT_TRUE(f.SettingsPanelShowing());
  EXPECT_FALSE(f.Timerseconde->isActive());
  EXPECT_TRUE(f.GroupList(1)->item(0)->isSelected());
  EXPECT_TRUE(f.GroupList(1)->item(3)->isSelected());
}

TEST_F(UiTest, LocatorTypedIntoTheEditFillsTheCoordinates) {
  TForm1& f = Start();
  f.CheckBox_longitude_Ouest->setChecked(true);
  QTest::keyClicks(f.EditQRAlocator, QStringLiteral("JN18DU"));
  EXPECT_EQ(f.EditLattitude->text(), Decimal("48", "854"));
  EXPECT_EQ(f.EditLongitude->text(), Decimal("2", "292"));
  EXPECT_TRUE(f.CheckBox_lattitude_Nord->isChecked());
  EXPECT_FALSE(f.CheckBox_lattitude_Sud->isChecked());
  EXPECT_TRUE(f.CheckBox_longitude_Est->isChecked());
  EXPECT_FALSE(f.CheckBox_longitude_Ouest->isChecked());
  // A seventh character is taken back; typing over the third replaces it.
  QTest::keyClick(f.EditQRAlocator, Qt::Key_End);
  QTest::keyClick(f.EditQRAlocator, Qt::Key_A);
  EXPECT_EQ(f.EditQRAlocator->text(), QStringLiteral("JN18DU"));
  f.EditQRAlocator->setCursorPosition(2);
  QTest::keyClick(f.EditQRAlocator, Qt::Key_2);
  EXPECT_EQ(f.EditQRAlocator->text(), QStringLiteral("JN28DU"));
}

TEST_F(UiTest, InvalidLocatorCharactersAreRemovedWithABeep) {
  TForm1& f = Start();
  QTest::keyClicks(f.EditQRAlocator, QStringLiteral("1"));
  EXPECT_EQ(f.EditQRAlocator->text(), QString());
  QTest::keyClicks(f.EditQRAlocator, QStringLiteral("S"));
  EXPECT_EQ(f.EditQRAlocator->text(), QString());
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 2);
  QTest::keyClicks(f.EditQRAlocator, QStringLiteral("JN18Y"));
  EXPECT_EQ(f.EditQRAlocator->text(), QStringLiteral("JN18"));
}

TEST_F(UiTest, CoordinatesTypedGiveTheLocatorAndBoxesRecomputeIt) {
  TForm1& f = Start();
  QTest::mouseClick(f.CheckBox_longitude_Est, Qt::LeftButton);
  EXPECT_TRUE(f.CheckBox_longitude_Est->isChecked());
  EXPECT_FALSE(f.CheckBox_longitude_Ouest->isChecked());
  QTest::keyClicks(f.EditLattitude, Decimal("48", "854"));
  QTest::keyClicks(f.EditLongitude, Decimal("2", "292"));
  EXPECT_EQ(f.EditQRAlocator->text(), QStringLiteral("JN18DU"));
  // Altitude out of range empties the edit.
  f.EditAltitude->setText(QStringLiteral("9000"));
  EXPECT_EQ(f.EditAltitude->text(), QString());
}

TEST_F(UiTest, SixteenthSelectionIsRefusedAndFifteenStay) {
  TForm1& f = Start();
  QListWidget* list = f.GroupList(1);
  ASSERT_GT(list->count(), 20);
  for (int row = 0; row < 15; ++row) ClickEntry(list, row);
  EXPECT_EQ(list->selectedItems().size(), 15);
  EXPECT_TRUE(dialogs.warnings.isEmpty());
  EXPECT_EQ(f.SelectedName(1, 15), list->item(14)->text());
  ClickEntry(list, 15);
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0], QStringLiteral("15 satellites maximum please ..."));
  EXPECT_EQ(sounds.Count(QStringLiteral("warning")), 1);
  EXPECT_EQ(list->selectedItems().size(), 15);
  EXPECT_FALSE(list->item(15)->isSelected());
  EXPECT_EQ(f.SelectedName(1, 15), list->item(14)->text());
  // Deselecting one moves the later ones up.
  ClickEntry(list, 0);
  EXPECT_EQ(f.SelectedName(1, 1), list->item(1)->text());
  EXPECT_EQ(f.SelectedName(1, 15), QString());
}

TEST_F(UiTest, GroupNameAndResetButtons) {
  TForm1& f = Start();
  f.BitBtnNomGroupe->click();
  EXPECT_TRUE(f.PanelNomGroupe->isVisible());
  f.EditNomGroupe->clear();
  f.BitBtn_OK_Location->click();  // confirms the name while the panel is open
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_TRUE(f.PanelNomGroupe->isVisible());
  f.EditNomGroupe->setText(QStringLiteral("LEO"));
  f.BitBtn_OK_Location->click();
  EXPECT_FALSE(f.PanelNomGroupe->isVisible());
  EXPECT_EQ(f.PageControlGroupe->tabText(0), QStringLiteral("LEO"));
  EXPECT_EQ(f.MenuGroupeN[0]->text(), QStringLiteral("LEO"));
  EXPECT_TRUE(dialogs.warnings.isEmpty());
  ClickEntry(f.GroupList(1), 2);
  f.SpeedButtonRAZ->click();
  EXPECT_EQ(f.PageControlGroupe->tabText(0), QStringLiteral("G1"));
  EXPECT_EQ(f.GroupFileEdit(1)->text(), QString());
  EXPECT_EQ(f.GroupList(1)->count(), 0);
  EXPECT_FALSE(f.MenuGroupeN[0]->isEnabled());
  EXPECT_FALSE(f.SelectedName(1, 1).isEmpty());  // the selection stays
}

TEST_F(UiTest, OutOfWorkSatellitesAreMarked) {
  const QString path = File(QStringLiteral("two.txt"));
  std::vector<std::string> lines;
  base::ReadRawLines(QStringLiteral(ORVANE_TEST_DATA "/amateur.txt"), &lines);
  lines.resize(6);
  lines[0] = "0 FIRST [-]";
  lines[3] = "SECOND [+]";
  ASSERT_TRUE(base::WriteRawLines(path, lines));
  TForm1& f = Start();
  f.GroupFileEdit(1)->setText(path);
  f.PageControlGroupeChange();
  ASSERT_EQ(f.GroupList(1)->count(), 2);
  EXPECT_EQ(f.GroupList(1)->item(0)->text(), QStringLiteral("FIRST"));
  EXPECT_EQ(f.GroupList(1)->item(1)->text(), QStringLiteral("SECOND"));
  EXPECT_FALSE(f.StaticTextStatus->isHidden());
  EXPECT_EQ(f.StaticTextStatus->text(), QStringLiteral("Red satellites out of work"));
}

}  // namespace
}  // namespace app::test

namespace app::test {
namespace {

TEST_F(UiTest, RightClickOpensTheRenameWindowAndOkRenamesTheSatellite) {
  TForm1& f = Start();
  QListWidget* list = f.GroupList(1);
  ASSERT_GT(list->count(), 3);
  const QString oldName = list->item(2)->text();
  list->scrollToItem(list->item(2));
  QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier,
                    list->visualItemRect(list->item(2)).center());
  EXPECT_FALSE(list->item(2)->isSelected());  // the right button does not select
  TFormRename* rename = f.RenameWindow();
  ASSERT_TRUE(rename->isVisible());
  EXPECT_EQ(rename->windowTitle(), QStringLiteral("ORVANE - Rename Satellites"));
  const QString number = rename->StringGridRename->item(0, 0)->text();
  EXPECT_EQ(number.size(), 5);
  EXPECT_EQ(rename->StringGridRename->item(0, 1)->text(), oldName);
  EXPECT_EQ(rename->StringGridRename->currentRow(), 0);
  rename->StringGridRename->item(0, 1)->setText(QStringLiteral("ZZ MY SAT"));
  rename->BitBtnOKRename->click();
  EXPECT_FALSE(rename->isVisible());
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names.append(list->item(i)->text());
  EXPECT_TRUE(names.contains(QStringLiteral("ZZ MY SAT")));
  EXPECT_FALSE(names.contains(oldName));
  EXPECT_EQ(f.Renames()[0].oldSide, number);
  // Cancel leaves the table as it was.
  f.MenuRename->trigger();
  ASSERT_TRUE(rename->isVisible());
  rename->StringGridRename->item(0, 1)->setText(QStringLiteral("OTHER"));
  rename->BitBtnCancelRename->click();
  EXPECT_EQ(f.Renames()[0].newSide, QStringLiteral("ZZ MY SAT"));
}

}  // namespace
}  // namespace app::test
