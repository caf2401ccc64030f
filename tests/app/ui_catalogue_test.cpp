// Today's catalogue on the main window: a group read from Alpha-5 lines and one from an
// OMM file, six-digit numbers selected, tracked, saved at quit and restored at the next
// start; damaged OMM files reported.
#include <QFile>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "app/form_rename.h"
#include "tests/app/ui_fixture.h"
#include "tracking/tracking_controller.h"

namespace app::test {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

class CatalogueUiTest : public UiTest {
 protected:
  // Group 1 from the Alpha-5 file, group 2 from the OMM file with the same sets (and one
  // numbered beyond Alpha-5), a GS-232 on ttyS0.
  void WriteFiles(const QStringList& extra = {}) {
    for (const char* name : {"alpha5.tle", "big_numbers.json"}) {
      QFile::remove(File(QLatin1String(name)));
      ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/omm/") + QLatin1String(name),
                              File(QLatin1String(name))));
    }
    QFile::remove(File(QStringLiteral("amateur.txt")));
    ASSERT_TRUE(QFile::copy(File(QStringLiteral("alpha5.tle")), File(QStringLiteral("amateur.txt"))));
    QStringList keys = {QStringLiteral("GROUP2=OMM,412345,220001,,,,,,,,,,,,,"),
                        QStringLiteral("PATHNAME_G2=") + File(QStringLiteral("big_numbers.json")),
                        QStringLiteral("PREVIEW=OFF"), QStringLiteral("ANT=GS232"),
                        QStringLiteral("PORT_GS232=S0")};
    keys.append(extra);
    WriteSettings({QStringLiteral("100000"), QStringLiteral("181234")}, keys);
  }

  void TickUntil(double localTime) {
    while (clock.Now() < localTime) {
      clock.AdvanceSeconds(1);
      form->TimersecondeTimer();
    }
  }

  void Quit() {
    form->MenuNoConfirm->setChecked(true);
    form->MenuQuitterClick();
    form.reset();
  }
};

TEST_F(CatalogueUiTest, SixDigitGroupsAreTrackedSavedAndRestored) {
  WriteFiles();
  {
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    ASSERT_TRUE(f.CompactListShowing());
    EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join(QLatin1Char('|')).toStdString();
    // Group 1: the Alpha-5 lines, selected by their six-digit numbers.
    EXPECT_EQ(f.GroupList(1)->count(), 6);
    EXPECT_EQ(f.Slots()[0].name, "ISS (ZARYA)");
    EXPECT_EQ(f.Slots()[0].set.catalogueNumber, "100000");
    EXPECT_EQ(f.Slots()[1].name, "SAUDISAT 1C (SO-50)");
    EXPECT_EQ(f.Slots()[1].set.catalogueNumber, "181234");
    EXPECT_TRUE(f.Slots()[0].HasPass());

    // Group 2 from the Group menu: the OMM file.
    f.MenuGroupeN[1]->trigger();
    ASSERT_EQ(f.ActiveGroup(), 2);
    f.TimerFinCreateTimer();
    EXPECT_EQ(f.GroupList(2)->count(), 7);
    ASSERT_EQ(f.Slots()[0].name, "SL-16 R/B");
    EXPECT_EQ(f.Slots()[0].set.catalogueNumber, "412345");
    EXPECT_EQ(f.Slots()[1].name, "IRIDIUM 921");
    ASSERT_TRUE(f.Slots()[0].HasPass());

    // Tracked like any satellite: rise point, commands during the pass, report lines.
    const double aos = static_cast<double>(f.Slots()[0].passStart);
    clock.Set(aos + 1.0 / 24 - 60.0 / 86400);
    f.MenuInitialisation->trigger();
    f.BitBtn_OK_Location->click();
    f.ShowSlot(1);
    ASSERT_TRUE(f.ExplorerShowing());
    reports.tcpConnected = true;
    QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
    ASSERT_TRUE(f.Tracking().TrackingActive);
    TickUntil(aos + 1.0 / 24 + 3 * 60.0 / 86400);
    EXPECT_GT(serial[0].writes.size(), 3u);
    ASSERT_FALSE(reports.tcpLines.isEmpty());
    // Three minutes after the 13:24 UTC rise the reference formulas (the same elements as
    // line sets) give azimuth 155.311, elevation 11.628 and the table's 16571 ppb.
    EXPECT_TRUE(reports.tcpLines.contains(
        QStringLiteral("SL-16 R/B AZ:155.3 EL:11.6 RR:-4.967860821518 AH:Y")))
        << reports.tcpLines.last().toStdString();

    // The rename window receives the whole number of a right-clicked entry.
    f.MenuInitialisation->trigger();
    QListWidget* list = f.GroupList(2);
    int row = -1;
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->text() == QStringLiteral("SL-16 R/B")) row = i;
    ASSERT_GE(row, 0);
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
    TFormRename* rename = f.RenameWindow();
    ASSERT_TRUE(rename->isVisible());
    EXPECT_EQ(rename->StringGridRename->item(0, 0)->text(), QStringLiteral("412345"));
    rename->BitBtnCancelRename->click();
    Quit();
  }
  const QByteArray first = ReadAll(File(QStringLiteral("Orvane.ini")));
  EXPECT_TRUE(first.contains("GROUP1=G1 - Amateur,100000,181234,,,,,,,,,,,,,\r\n")) << first.toStdString();
  EXPECT_TRUE(first.contains("GROUP2=OMM,412345,220001,,,,,,,,,,,,,\r\n"));
  EXPECT_TRUE(first.contains("ACTIVE_GROUP=2\r\n"));
  {
    // The next start restores group 2 and its six-digit selection, and writes it back alike.
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    EXPECT_EQ(f.ActiveGroup(), 2);
    EXPECT_EQ(f.Groups()[1].SelectedNumbers[0], QStringLiteral("412345"));
    EXPECT_EQ(f.Groups()[0].SelectedNumbers[1], QStringLiteral("181234"));
    EXPECT_EQ(f.Slots()[0].name, "SL-16 R/B");
    EXPECT_EQ(f.Slots()[0].set.catalogueNumber, "412345");
    EXPECT_TRUE(f.Slots()[0].HasPass());
    Quit();
  }
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.ini"))), first);
}

// The user builds two groups in the settings panel: one from an OMM XML file, one from
// Alpha-5 lines, by choosing entries in their lists; both come back at the next start.
TEST_F(CatalogueUiTest, GroupsChosenByClicksInOmmAndAlpha5ListsAreKept) {
  WriteFiles();
  const QString xml = File(QStringLiteral("sample.xml"));
  QFile::remove(xml);
  ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/omm/sample.xml"), xml));
  auto click = [](QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    list->scrollToItem(items[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(items[0]).center());
  };
  auto build = [&](TForm1& f, int group, const QString& file, const QStringList& names) {
    f.PageControlGroupe->setCurrentIndex(group - 1);
    ASSERT_EQ(f.ActiveGroup(), group);
    f.GroupFileEdit(group)->setText(file);
    f.PageControlGroupeChange();
    ASSERT_EQ(f.GroupList(group)->count(), 7);
    for (const QString& name : names) click(f.GroupList(group), name);
    f.BitBtn_OK_Location->click();
    ASSERT_TRUE(f.CompactListShowing());
  };
  {
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    f.MenuInitialisation->trigger();
    ASSERT_TRUE(f.SettingsPanelShowing());
    build(f, 3, xml, {QStringLiteral("SL-16 R/B"), QStringLiteral("ISS (ZARYA)")});
    ASSERT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join(QLatin1Char('|')).toStdString();
    // Slots in list order (sorted by name); numbers as the sample's element lines print them.
    EXPECT_EQ(f.Slots()[0].name, "ISS (ZARYA)");
    EXPECT_EQ(f.Slots()[0].set.catalogueNumber, "25544");
    EXPECT_EQ(f.Slots()[1].name, "SL-16 R/B");
    EXPECT_EQ(f.Slots()[1].set.catalogueNumber, "24298");
    EXPECT_TRUE(f.Slots()[0].HasPass());

    f.MenuInitialisation->trigger();
    const QString alpha = File(QStringLiteral("alpha5.tle"));
    f.PageControlGroupe->setCurrentIndex(3);
    f.GroupFileEdit(4)->setText(alpha);
    f.PageControlGroupeChange();
    ASSERT_EQ(f.GroupList(4)->count(), 6);
    click(f.GroupList(4), QStringLiteral("FUNCUBE-1 (AO-73)"));
    click(f.GroupList(4), QStringLiteral("JAS-2 (FO-29)"));
    f.BitBtn_OK_Location->click();
    ASSERT_EQ(f.ActiveGroup(), 4);
    // "Z9999" is 33 x 10000 + 9999, "P5000" 23 x 10000 + 5000 (I and O skipped before P).
    EXPECT_EQ(f.Slots()[0].name, "FUNCUBE-1 (AO-73)");
    EXPECT_EQ(f.Slots()[0].set.catalogueNumber, "339999");
    EXPECT_EQ(f.Slots()[1].name, "JAS-2 (FO-29)");
    EXPECT_EQ(f.Slots()[1].set.catalogueNumber, "235000");
    EXPECT_TRUE(f.Slots()[1].HasPass());
    Quit();
  }
  const QByteArray saved = ReadAll(File(QStringLiteral("Orvane.ini")));
  EXPECT_TRUE(saved.contains("GROUP3=G3,25544,24298,,,,,,,,,,,,,\r\n")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("GROUP4=G4,339999,235000,,,,,,,,,,,,,\r\n"));
  EXPECT_TRUE(saved.contains("PATHNAME_G3=" + xml.toUtf8() + "\r\n"));
  EXPECT_TRUE(saved.contains("ACTIVE_GROUP=4\r\n"));
  {
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    ASSERT_TRUE(f.CompactListShowing());
    EXPECT_EQ(f.ActiveGroup(), 4);
    EXPECT_EQ(f.Slots()[0].set.catalogueNumber, "339999");
    EXPECT_EQ(f.Slots()[1].set.catalogueNumber, "235000");
    f.MenuGroupeN[2]->trigger();
    f.TimerFinCreateTimer();
    ASSERT_EQ(f.ActiveGroup(), 3);
    EXPECT_EQ(f.Slots()[0].name, "ISS (ZARYA)");
    EXPECT_EQ(f.Slots()[1].name, "SL-16 R/B");
    EXPECT_TRUE(f.Slots()[1].HasPass());
    Quit();
  }
}

TEST_F(CatalogueUiTest, DamagedOmmRecordsAreSkippedWithTheDamagedSetMessage) {
  WriteFiles();
  // Group 2's file loses its end and one record its mean motion.
  QByteArray json = ReadAll(File(QStringLiteral("big_numbers.json")));
  const qsizetype motion = json.indexOf("\"MEAN_MOTION\"", json.indexOf("JAS-2"));
  json.replace(motion, 13, "\"MEAN_MOTION_X\"");
  {
    QFile out(File(QStringLiteral("big_numbers.json")));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(json);
  }
  TForm1& f = Start();
  f.TimerFinCreateTimer();
  ASSERT_TRUE(dialogs.warnings.isEmpty());
  f.MenuGroupeN[1]->trigger();
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0],
            QStringLiteral("The elements of JAS-2 (FO-29) are damaged in your Two-Line-Elements file"));
  EXPECT_EQ(f.GroupList(2)->count(), 6);

  // Cut in the middle: JSON gives nothing, and the line where it breaks is told.
  {
    QFile out(File(QStringLiteral("big_numbers.json")));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(json.left(json.size() / 2));
  }
  f.MenuInitialisation->trigger();
  f.PageControlGroupeChange();
  ASSERT_EQ(dialogs.warnings.size(), 2);
  EXPECT_TRUE(dialogs.warnings[1].startsWith(
      QStringLiteral("The element file big_numbers.json cannot be read from line ")))
      << dialogs.warnings[1].toStdString();
  EXPECT_EQ(f.GroupList(2)->count(), 0);
}

}  // namespace
}  // namespace app::test
