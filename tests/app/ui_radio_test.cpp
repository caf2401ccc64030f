// Radio modes and notes on the main window: the "+" and "I" buttons, what OK writes to
// "Orvane.dat", the ephemeris and Doppler panel fed by the modes, the mode box, and the
// two files at start-up.
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QCheckBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "base/locale_number.h"
#include "prediction/ephemeris_row.h"
#include "prediction/panel_explorer.h"
#include "tests/app/ui_fixture.h"
#include "tracking/form_extra_info.h"
#include "tracking/form_info.h"
#include "tracking/tracking_controller.h"

namespace app::test {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

unsigned ModeOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return 0;
  return st.st_mode & 0777;
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QString Sep() { return QString(QLatin1Char(base::UserDecimalSeparator())); }

// The 145.8 MHz downlink and 435.1 MHz uplink that the tests type, and the file's section.
const QByteArray kIssSection =
    "[ISS (ZARYA)][25544]\r\nF_MODE_V=145.8/435.1/FM voice\x7f" "NFM\x7f\r\nLAST_MODE=\r\n"
    "MODE=0:V/\r\n";

class RadioUiTest : public UiTest {
 protected:
  // ISS over Paris with a GS-232; the explorer of its first pass open a minute before AOS.
  TForm1& StartWithIss() {
    CopySampleElements();
    WriteSettings({QStringLiteral("25544")},
                  {QStringLiteral("PREVIEW=OFF"), QStringLiteral("ANT=GS232"),
                   QStringLiteral("PORT_GS232=S0")});
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    aos = static_cast<double>(f.Slots()[0].passStart);
    clock.Set(aos + 1.0 / 24 - 60.0 / 86400);
    f.ShowSlot(1);
    EXPECT_TRUE(f.ExplorerShowing());
    return f;
  }

  tracking::TFormExtraInfo& Extra() { return *form->ExtraInfoWindow(); }
  QTableWidget* Grid() { return Extra().StringGridModeFreq; }

  // Types `text` into a grid cell the way an operator does: moving to the cell (as Tab
  // does) opens its editor, the text goes into it, Enter closes it.
  void TypeIntoCell(int row, int column, const QString& text) {
    Grid()->setFocus();
    Grid()->setCurrentCell(row, column);
    if (OpenEditor() == nullptr) Grid()->editItem(Grid()->item(row, column));
    QLineEdit* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate closes its editor from the event loop
  }

  // A closed editor lingers until deleted: the open one is the visible one.
  QLineEdit* OpenEditor() {
    for (QLineEdit* e : Grid()->viewport()->findChildren<QLineEdit*>())
      if (e->isVisible()) return e;
    return nullptr;
  }

  void TypeMode() {
    TypeIntoCell(0, tracking::kColLetter, QStringLiteral("V"));
    TypeIntoCell(0, tracking::kColComment, QStringLiteral("FM voice"));
    TypeIntoCell(0, tracking::kColRx, QStringLiteral("145") + Sep() + QStringLiteral("800"));
    TypeIntoCell(0, tracking::kColRxOps, QStringLiteral("NFM"));
    TypeIntoCell(0, tracking::kColTx, QStringLiteral("435,1"));  // either separator
    QTest::keyClicks(Extra().EditMA[0], QStringLiteral("0"));
    QTest::keyClicks(Extra().EditMode[0], QStringLiteral("V"));
  }

  QString Cell(int row, int column) {
    const QTableWidgetItem* item = Grid()->item(row, column);
    return item ? item->text() : QString();
  }

  double aos = 0;
};

TEST_F(RadioUiTest, ModesTypedInTheWindowReachTheFileTheTableAndTheDopplerPanel) {
  TForm1& f = StartWithIss();
  ASSERT_TRUE(f.BitBtnInfoSat->isVisible());
  EXPECT_EQ(f.BitBtnInfoSat->text(), QStringLiteral("+"));
  QTest::mouseClick(f.BitBtnInfoSat, Qt::LeftButton);
  ASSERT_TRUE(Extra().isVisible());
  EXPECT_EQ(Extra().windowTitle(), QStringLiteral("EXTRA INFOS [ISS (ZARYA)]"));
  TypeMode();
  QTest::mouseClick(Extra().BitBtnOKInfoSat, Qt::LeftButton);
  EXPECT_FALSE(Extra().isVisible());
  EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join(QLatin1Char('|')).toStdString();

  const QString dat = File(QStringLiteral("Orvane.dat"));
  EXPECT_EQ(ReadAll(dat), kIssSection);
  EXPECT_EQ(ModeOf(dat), 0444u);
  EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("Orvane.~da"))));

  // Each row shows the scheduled letter and the downlink Doppler of its minute.
  const prediction::PassSlot& slot = f.Slots()[0];
  ASSERT_GT(slot.rows.count, 2);
  const auto& rows = f.Explorer()->LocalRows();
  for (int k = 0; k < slot.rows.count; ++k) {
    const std::string& row = rows[static_cast<std::size_t>(k)];
    EXPECT_EQ(row[prediction::kModeColumn - 1], 'V') << row;
    const long long expected = std::llround(slot.rows.doppler[static_cast<std::size_t>(k)] * 145.8 / 1000);
    EXPECT_EQ(std::stoll(row.substr(row.size() - 7)), expected) << row;
  }
  ASSERT_EQ(f.ComboBoxMode->count(), 1);
  EXPECT_EQ(f.ComboBoxMode->itemText(0), QStringLiteral("V : FM voice"));

  // In view, the panel shows round(f·Rx/1000) and round(-f·Tx/1000) of this second.
  for (int s = 0; s < 150; ++s) {
    clock.AdvanceSeconds(1);
    f.TimersecondeTimer();
  }
  const long long factor = f.Explorer()->DopplerNow(clock.Now());
  ASSERT_NE(factor, 0);
  EXPECT_EQ(f.EditDoppler->text().toLongLong(), std::llround(factor * 145.8 / 1000));
  EXPECT_EQ(f.EditTXDoppler->text().toLongLong(), std::llround(-factor * 435.1 / 1000));
  EXPECT_EQ(f.LabelRXfreq->text(), QStringLiteral("F.RX=145") + Sep() + QStringLiteral("8 MHz NFM"));
  EXPECT_EQ(f.LabelTXFreq->text(), QStringLiteral("F.TX=435") + Sep() + QStringLiteral("1 MHz "));
}

TEST_F(RadioUiTest, AFaultyOkCommitsNothingAndCancelForgetsTheEdits) {
  TForm1& f = StartWithIss();
  QTest::mouseClick(f.BitBtnInfoSat, Qt::LeftButton);
  TypeMode();
  TypeIntoCell(1, tracking::kColTx, QStringLiteral("435.2"));  // no letter on row 2
  Extra().BitBtnOKInfoSatClick();
  EXPECT_TRUE(Extra().isVisible());
  EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("Enter one character for mode, please !")});
  EXPECT_EQ(sounds.Count(QStringLiteral("warning")), 1);
  EXPECT_EQ(Grid()->currentRow(), 1);
  EXPECT_EQ(Grid()->currentColumn(), tracking::kColLetter);
  // Row 1 passed its checks, but the satellite has not taken it: the mode box, which
  // saves the satellite's data, has nothing to offer and nothing was written.
  EXPECT_TRUE(f.Slots()[0].radio.modes[0].letter.empty());
  EXPECT_EQ(f.ComboBoxMode->count(), 0);
  EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("Orvane.dat"))));

  Extra().BitBtnCancelInfoSatClick();
  EXPECT_FALSE(Extra().isVisible());
  QTest::mouseClick(f.BitBtnInfoSat, Qt::LeftButton);
  EXPECT_EQ(Cell(0, tracking::kColLetter), QString());
  EXPECT_EQ(Cell(1, tracking::kColTx), QString());
  EXPECT_EQ(Extra().EditMA[0]->text(), QString());
  Extra().BitBtnCancelInfoSatClick();
  EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("Orvane.dat"))));
}

TEST_F(RadioUiTest, TheModeBoxSavesTheModeKeepsTrackingAndARestartFindsEverything) {
  TForm1& f = StartWithIss();
  QTest::mouseClick(f.BitBtnInfoSat, Qt::LeftButton);
  TypeMode();
  Extra().EditMA[0]->clear();  // no schedule: the rows use the current mode
  Extra().EditMode[0]->clear();
  QTest::mouseClick(Extra().BitBtnOKInfoSat, Qt::LeftButton);
  ASSERT_FALSE(Extra().isVisible());
  EXPECT_EQ(f.Explorer()->LocalRows()[0].substr(f.Explorer()->LocalRows()[0].size() - 7),
            "      0");  // no mode chosen yet

  QTest::mouseClick(f.SpeedButtonTrack, Qt::LeftButton);
  ASSERT_TRUE(f.Tracking().TrackingActive);
  ASSERT_EQ(f.ComboBoxMode->count(), 1);
  f.ComboBoxMode->setCurrentIndex(0);
  emit f.ComboBoxMode->activated(0);
  EXPECT_TRUE(f.Tracking().TrackingActive);
  EXPECT_TRUE(f.SpeedButtonTrack->isChecked());
  EXPECT_EQ(f.Slots()[0].radio.currentMode, "V");
  const QByteArray saved = ReadAll(File(QStringLiteral("Orvane.dat")));
  EXPECT_TRUE(saved.contains("\r\nLAST_MODE=V\r\n")) << saved.toStdString();
  EXPECT_EQ(ModeOf(File(QStringLiteral("Orvane.dat"))), 0444u);
  // The rows now take the chosen mode's downlink.
  const prediction::PassSlot& slot = f.Slots()[0];
  const std::string& first = f.Explorer()->LocalRows()[0];
  EXPECT_EQ(std::stoll(first.substr(first.size() - 7)),
            std::llround(slot.rows.doppler[0] * 145.8 / 1000));

  // Quit and start again: the same modes and the chosen mode.
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  form.reset();
  TForm1& again = Start();
  again.TimerFinCreateTimer();
  again.ShowSlot(1);
  ASSERT_TRUE(again.ExplorerShowing());
  EXPECT_EQ(again.Slots()[0].radio.currentMode, "V");
  EXPECT_EQ(again.ComboBoxMode->count(), 1);
  QTest::mouseClick(again.BitBtnInfoSat, Qt::LeftButton);
  EXPECT_EQ(Cell(0, tracking::kColComment), QStringLiteral("FM voice"));
  EXPECT_EQ(Cell(0, tracking::kColRx), QStringLiteral("145") + Sep() + QStringLiteral("8"));
  EXPECT_EQ(Cell(0, tracking::kColTx), QStringLiteral("435") + Sep() + QStringLiteral("1"));
  Extra().BitBtnCancelInfoSatClick();
}

TEST_F(RadioUiTest, TheDopplerPanelFollowsTheModeChosenInTheBox) {
  TForm1& f = StartWithIss();
  QTest::mouseClick(f.BitBtnInfoSat, Qt::LeftButton);
  TypeMode();
  TypeIntoCell(1, tracking::kColLetter, QStringLiteral("U"));
  TypeIntoCell(1, tracking::kColRx, QStringLiteral("435") + Sep() + QStringLiteral("8"));
  TypeIntoCell(1, tracking::kColTx, QStringLiteral("145") + Sep() + QStringLiteral("9"));
  Extra().EditMA[0]->clear();  // no schedule: the current mode rules every row
  Extra().EditMode[0]->clear();
  QTest::mouseClick(Extra().BitBtnOKInfoSat, Qt::LeftButton);
  ASSERT_FALSE(Extra().isVisible());
  ASSERT_EQ(f.ComboBoxMode->count(), 2);
  EXPECT_EQ(f.ComboBoxMode->itemText(1), QStringLiteral("U"));
  f.ComboBoxMode->setCurrentIndex(1);
  emit f.ComboBoxMode->activated(1);
  EXPECT_EQ(f.Slots()[0].radio.currentMode, "U");

  for (int s = 0; s < 150; ++s) {
    clock.AdvanceSeconds(1);
    f.TimersecondeTimer();
  }
  EXPECT_EQ(f.ComboBoxMode->currentIndex(), 1);
  const double factor = static_cast<double>(f.Explorer()->DopplerNow(clock.Now()));
  ASSERT_NE(factor, 0);
  EXPECT_EQ(f.EditDoppler->text().toLongLong(),
            static_cast<long long>(std::nearbyint(factor * 435.8 / 1000)));
  EXPECT_EQ(f.EditTXDoppler->text().toLongLong(),
            static_cast<long long>(std::nearbyint(-factor * 145.9 / 1000)));
  EXPECT_EQ(f.LabelRXfreq->text(), QStringLiteral("F.RX=435") + Sep() + QStringLiteral("8 MHz "));
  EXPECT_EQ(f.LabelTXFreq->text(), QStringLiteral("F.TX=145") + Sep() + QStringLiteral("9 MHz "));
}

TEST_F(RadioUiTest, AFailedWriteSaysSoAndLeavesTheOldBytes) {
  const QByteArray old = "[AO-7][07530]\r\nLAST_MODE=A\r\n";
  Put(File(QStringLiteral("Orvane.dat")), old);
  TForm1& f = StartWithIss();
  ASSERT_TRUE(QDir(Folder()).mkdir(QStringLiteral("Orvane.~da")));
  QTest::mouseClick(f.BitBtnInfoSat, Qt::LeftButton);
  TypeMode();
  QTest::mouseClick(Extra().BitBtnOKInfoSat, Qt::LeftButton);
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Can't create Orvane.dat")});
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.dat"))), old);
  // The satellite keeps what was accepted; the operator may try again.
  EXPECT_EQ(f.Slots()[0].radio.modes[0].letter, "V");
  ASSERT_TRUE(QDir(Folder()).rmdir(QStringLiteral("Orvane.~da")));
  emit f.ComboBoxMode->activated(0);
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.dat"))),
            old + QByteArray(kIssSection).replace("LAST_MODE=\r\n", "LAST_MODE=V\r\n"));
}

TEST_F(RadioUiTest, SaveInfoUncheckedKeepsTheDataInMemoryOnly) {
  TForm1& f = StartWithIss();
  QTest::mouseClick(f.BitBtnInfoSat, Qt::LeftButton);
  TypeMode();
  Extra().CheckBoxSaveInfo->setChecked(false);
  QTest::mouseClick(Extra().BitBtnOKInfoSat, Qt::LeftButton);
  EXPECT_EQ(f.Slots()[0].radio.modes[0].letter, "V");
  emit f.ComboBoxMode->activated(0);
  EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("Orvane.dat"))));
}

TEST_F(RadioUiTest, StartUpTakesBackALeftoverAndIndexesTheFiles) {
  // An interrupted save of an older version: the file gone, its temporary file complete.
  Put(File(QStringLiteral("Orvane.~da")),
      "[ISS (ZARYA) [+]][25544]\r\nF_MODE_V=145,8/435,1/FM voice\x7f\x7f\r\nLAST_MODE=V\r\n");
  Put(File(QStringLiteral("Orvane.nfo")), "[ISS (ZARYA)][25544]\r\nold\r\n[ISS (ZARYA)][25544]\r\nnew\r\n");
  TForm1& f = StartWithIss();
  const QString dat = File(QStringLiteral("Orvane.dat"));
  EXPECT_FALSE(QFileInfo::exists(File(QStringLiteral("Orvane.~da"))));
  EXPECT_EQ(ReadAll(dat),
            QByteArray("[ISS (ZARYA)][25544]\r\nF_MODE_V=145,8/435,1/FM voice\x7f\x7f\r\nLAST_MODE=V\r\n"));
  EXPECT_EQ(ModeOf(dat), 0444u);
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.nfo"))), QByteArray("[ISS (ZARYA)][25544]\r\nnew\r\n"));
  EXPECT_EQ(f.Slots()[0].radio.currentMode, "V");
  EXPECT_DOUBLE_EQ(static_cast<double>(f.Slots()[0].radio.modes[0].rxMHz), 145.8);
  EXPECT_EQ(f.ComboBoxMode->count(), 1);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(RadioUiTest, NotesThroughTheIButtonAreSavedWhenTheExplorerCloses) {
  TForm1& f = StartWithIss();
  EXPECT_EQ(f.BitBtnInfoPlus->text(), QStringLiteral("I"));
  QTest::mouseClick(f.BitBtnInfoPlus, Qt::LeftButton);
  tracking::TFormInfo& info = *f.InfoWindow();
  ASSERT_TRUE(info.isVisible());
  EXPECT_EQ(info.windowTitle(), QStringLiteral("ISS (ZARYA) Info"));
  QTest::keyClicks(info.RichEditInfo, QStringLiteral("[crew] on 145.8"));
  f.Explorer()->CloseExplorer();
  EXPECT_FALSE(info.isVisible());
  EXPECT_EQ(ReadAll(File(QStringLiteral("Orvane.nfo"))),
            QByteArray("[ISS (ZARYA)][25544]\r\n [crew] on 145.8\r\n"));

  f.ShowSlot(1);
  QTest::mouseClick(f.BitBtnInfoPlus, Qt::LeftButton);
  EXPECT_EQ(info.RichEditInfo->toPlainText(), QStringLiteral("[crew] on 145.8"));
  // The settings panel puts both windows away as well.
  QTest::mouseClick(f.BitBtnInfoSat, Qt::LeftButton);
  Extra().BitBtnCancelInfoSatClick();
  f.MenuInitialisation->trigger();
  EXPECT_FALSE(info.isVisible());
  EXPECT_FALSE(Extra().isVisible());
}

TEST_F(RadioUiTest, EnterInTheMemoOpensTheExtraInformation) {
  TForm1& f = StartWithIss();
  QTest::keyClick(f.Explorer()->MemoSatellite, Qt::Key_Return);
  EXPECT_TRUE(Extra().isVisible());
  Extra().BitBtnCancelInfoSatClick();
}

}  // namespace
}  // namespace app::test
