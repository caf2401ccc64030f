// The extra-information window (modes, attitude, schedule) and the notes window.
#include "tracking/form_extra_info.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "base/help_button.h"
#include "base/locale_number.h"
#include "tracking/form_info.h"
#include "tracking/radio_data_file.h"

namespace tracking {
namespace {

QString Cell(const TFormExtraInfo& w, int row, int column) {
  const QTableWidgetItem* item = w.StringGridModeFreq->item(row, column);
  return item ? item->text() : QString();
}

void SetCell(TFormExtraInfo& w, int row, int column, const QString& text) {
  w.StringGridModeFreq->item(row, column)->setText(text);
}

QString Separator() { return QString(QLatin1Char(base::UserDecimalSeparator())); }
QString OtherSeparator() { return base::UserDecimalSeparator() == ',' ? "." : ","; }

orbit::SatRadioData Sample() {
  orbit::SatRadioData d;
  d.modes[0] = {"B", "Mode B", 435.1L, 145.9L, "USB", "LSB"};
  d.currentMode = "B";
  d.hasAttitude = true;
  d.alat = 10;
  d.alon = 20;
  d.maSchedule = "0:B/";
  return d;
}

struct ExtraInfoFixture : ::testing::Test {
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  TFormExtraInfo window{&sounds, &dialogs};
};

TEST_F(ExtraInfoFixture, OpensWithTheRecordsTextsAndTheSpecifiedControls) {
  window.Open(QStringLiteral("AO-7"), Sample());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("EXTRA INFOS [AO-7]"));
  ASSERT_EQ(window.StringGridModeFreq->columnCount(), 6);
  ASSERT_EQ(window.StringGridModeFreq->rowCount(), 8);
  const int widths[] = {40, 205, 97, 40, 83, 40};
  const char* headings[] = {"Mode", "Comment", "Downlink MHz", "D-Ops", "Uplink MHz", "U-Ops"};
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(window.StringGridModeFreq->columnWidth(c), widths[c]);
    EXPECT_EQ(window.StringGridModeFreq->horizontalHeaderItem(c)->text(),
              QLatin1String(headings[c]));
  }
  EXPECT_EQ(Cell(window, 0, kColLetter), QStringLiteral("B"));
  EXPECT_EQ(Cell(window, 0, kColRx), QStringLiteral("435") + Separator() + QStringLiteral("1"));
  EXPECT_EQ(Cell(window, 0, kColTxOps), QStringLiteral("LSB"));
  EXPECT_EQ(Cell(window, 1, kColLetter), QString());
  EXPECT_EQ(window.EditAlat->text(), QStringLiteral("10"));
  EXPECT_EQ(window.EditALon->text(), QStringLiteral("20"));
  EXPECT_EQ(window.EditMA[0]->text(), QStringLiteral("0"));
  EXPECT_EQ(window.EditMode[0]->text(), QStringLiteral("B"));
  EXPECT_EQ(window.EditMA[0]->maxLength(), 3);
  EXPECT_EQ(window.EditMode[7]->maxLength(), 1);
  EXPECT_EQ(window.EditMA[7]->objectName(), QStringLiteral("EditMA8"));
  EXPECT_TRUE(window.CheckBoxSaveInfo->isChecked());
  EXPECT_EQ(window.CheckBoxSaveInfo->text(), QStringLiteral("Save info"));
  EXPECT_TRUE(sounds.calls.isEmpty());  // filling the edits is no typing
}

TEST_F(ExtraInfoFixture, OkWithAFaultKeepsTheWindowOpenWarnsAndFocusesTheCell) {
  window.Open(QStringLiteral("AO-7"), Sample());
  QSignalSpy accepted(&window, &TFormExtraInfo::dataAccepted);
  SetCell(window, 0, kColRx, QStringLiteral("145,800.5"));
  window.BitBtnOKInfoSatClick();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(accepted.count(), 0);
  EXPECT_EQ(sounds.calls, (QStringList{QStringLiteral("beep"), QStringLiteral("warning")}));
  EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("Incorrect frequency !")});
  EXPECT_EQ(window.StringGridModeFreq->currentRow(), 0);
  EXPECT_EQ(window.StringGridModeFreq->currentColumn(), kColRx);

  // A "/" letter is refused and its cell cleared.
  SetCell(window, 0, kColRx, QStringLiteral("145.9"));
  SetCell(window, 4, kColLetter, QStringLiteral("/"));
  window.BitBtnOKInfoSatClick();
  EXPECT_EQ(dialogs.warnings.last(), QStringLiteral("No \"/\" please !"));
  EXPECT_EQ(Cell(window, 4, kColLetter), QString());
  EXPECT_EQ(window.StringGridModeFreq->currentRow(), 4);
  EXPECT_EQ(accepted.count(), 0);
}

TEST_F(ExtraInfoFixture, OkHandsOverTheCheckedDataAndHides) {
  window.Open(QStringLiteral("AO-7"), Sample());
  QSignalSpy accepted(&window, &TFormExtraInfo::dataAccepted);
  SetCell(window, 1, kColLetter, QStringLiteral("U"));
  SetCell(window, 1, kColRx, QStringLiteral("145") + OtherSeparator() + QStringLiteral("800"));
  window.EditMA[1]->setText(QStringLiteral("128"));
  window.EditMode[1]->setText(QStringLiteral("U"));
  window.EditALon->clear();
  window.BitBtnOKInfoSatClick();
  ASSERT_EQ(accepted.count(), 1);
  EXPECT_FALSE(window.isVisible());
  const auto data = accepted.at(0).at(0).value<orbit::SatRadioData>();
  EXPECT_EQ(data.modes[1].letter, "U");
  EXPECT_DOUBLE_EQ(static_cast<double>(data.modes[1].rxMHz), 145.8);
  EXPECT_EQ(data.maSchedule, "0:B/128:U/");
  EXPECT_FALSE(data.hasAttitude);
  EXPECT_EQ(data.currentMode, "B");
  // The cell shows the frequency with the user's separator.
  EXPECT_EQ(Cell(window, 1, kColRx), QStringLiteral("145") + Separator() + QStringLiteral("800"));
}

TEST_F(ExtraInfoFixture, CancelBringsBackWhatTheWindowOpenedWith) {
  window.Open(QStringLiteral("AO-7"), Sample());
  QSignalSpy accepted(&window, &TFormExtraInfo::dataAccepted);
  SetCell(window, 0, kColComment, QStringLiteral("changed"));
  window.EditAlat->setText(QStringLiteral("45"));
  window.EditMA[0]->setText(QStringLiteral("7"));
  window.BitBtnCancelInfoSatClick();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Cell(window, 0, kColComment), QStringLiteral("Mode B"));
  EXPECT_EQ(window.EditAlat->text(), QStringLiteral("10"));
  EXPECT_EQ(window.EditMA[0]->text(), QStringLiteral("0"));
  // Esc acts as Cancel too.
  window.Open(QStringLiteral("AO-7"), Sample());
  window.EditAlat->setText(QStringLiteral("45"));
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.EditAlat->text(), QStringLiteral("10"));
  EXPECT_EQ(accepted.count(), 0);
}

TEST_F(ExtraInfoFixture, ASecondKeyInALetterCellBeepsAndClearsIt) {
  window.Open(QStringLiteral("AO-7"), Sample());
  window.StringGridModeFreq->setFocus();
  window.StringGridModeFreq->setCurrentCell(0, kColLetter);
  QTest::keyClick(window.StringGridModeFreq, 'V');
  EXPECT_EQ(Cell(window, 0, kColLetter), QString());
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  // Into the now empty cell a letter goes in as usual; a second one beeps in the editor.
  QTest::keyClick(window.StringGridModeFreq, 'V');
  auto* editor = window.StringGridModeFreq->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), QStringLiteral("V"));
  QTest::keyClick(editor, 'W');
  EXPECT_EQ(editor->text(), QString());
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 2);
  QTest::keyClick(editor, 'U');
  QTest::keyClick(editor, Qt::Key_Backspace);  // Backspace is no typing
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 2);
  // Other columns take whole texts.
  window.StringGridModeFreq->setCurrentCell(0, kColComment);
  QTest::keyClicks(window.StringGridModeFreq, QStringLiteral("x"));
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 2);
}

TEST_F(ExtraInfoFixture, AttitudeEditsTakeOnlyNumbers) {
  window.Open(QStringLiteral("AO-7"), {});
  window.EditAlat->setFocus();
  QTest::keyClicks(window.EditAlat, QStringLiteral("-12") + OtherSeparator() + QStringLiteral("5"));
  EXPECT_EQ(window.EditAlat->text(), QStringLiteral("-12") + Separator() + QStringLiteral("5"));
  EXPECT_TRUE(sounds.calls.isEmpty());  // a lone "-" is allowed on the way
  QTest::keyClick(window.EditAlat, Qt::Key_X);
  EXPECT_EQ(window.EditAlat->text(), QStringLiteral("-12") + Separator() + QStringLiteral("5"));
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  QTest::keyClicks(window.EditAlat, QStringLiteral(",."));  // a second separator goes too
  EXPECT_EQ(window.EditAlat->text(), QStringLiteral("-12") + Separator() + QStringLiteral("5"));
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 3);

  QTest::keyClicks(window.EditALon, QStringLiteral("-"));  // ALON has no sign
  EXPECT_EQ(window.EditALon->text(), QString());
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 4);
}

TEST_F(ExtraInfoFixture, HelpIsTopicSix) {
  base::RecordingHelp help;
  window.Open(QStringLiteral("AO-7"), {});
  auto* button = window.findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"));
  ASSERT_NE(button, nullptr);
  button->click();
  EXPECT_EQ(help.requests, std::vector<QString>{QStringLiteral("topic 6")});
}

TEST_F(ExtraInfoFixture, TitleAndMessagesInTheOtherLanguages) {
  const struct {
    const char* lang;
    const char* title;
  } cases[] = {{"es", "INFO EXTRA [AO-7]"},
               {"fr", "INFOS SUPPLÉMENTAIRES [AO-7]"},
               {"de", "ZUSATZINFOS [AO-7]"},
               {"it", "INFO AGGIUNTIVE [AO-7]"}};
  for (const auto& c : cases) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/tracking_%1.qm").arg(QLatin1String(c.lang))));
    QCoreApplication::installTranslator(&translator);
    window.Open(QStringLiteral("AO-7"), {});
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.title)) << c.lang;
    EXPECT_NE(ExtraInfoMessage(ExtraInfoProblem::IncorrectFrequency),
              QStringLiteral("Incorrect frequency !")) << c.lang;
    EXPECT_NE(CantCreateRadioDataText(), QStringLiteral("Can't create Orvane.dat")) << c.lang;
    window.hide();
    QCoreApplication::removeTranslator(&translator);
  }
}

struct InfoFixture : ::testing::Test {
  QString Notes() const {
    QFile f(dir.filePath(QStringLiteral("Orvane.nfo")));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QStringLiteral("<none>");
  }
  QTemporaryDir dir;
  base::RecordingDialogs dialogs;
  TFormInfo window{&dialogs, dir.path()};
};

TEST_F(InfoFixture, NotesAreSavedOnHideAndShownAgain) {
  QSignalSpy written(&window, &TFormInfo::notesWritten);
  window.Open("AO-7", "07530");
  EXPECT_EQ(window.windowTitle(), QStringLiteral("AO-7 Info"));
  EXPECT_TRUE(window.RichEditInfo->toPlainText().isEmpty());
  window.hide();  // nothing typed: nothing written
  EXPECT_EQ(Notes(), QStringLiteral("<none>"));

  window.Open("AO-7", "07530");
  window.RichEditInfo->setFocus();
  QTest::keyClicks(window.RichEditInfo, QStringLiteral("Mode B only"));
  EXPECT_TRUE(window.Modified());
  window.hide();
  EXPECT_EQ(Notes(), QStringLiteral("[AO-7][07530]\r\nMode B only\r\n"));
  EXPECT_EQ(written.count(), 1);

  // Another satellite's notes are added; renamed satellites are found by number.
  window.Open("FO-29", "24278");
  window.RichEditInfo->setPlainText(QStringLiteral("Fuji"));
  window.Open("OSCAR 7", "07530");  // opening another satellite saves the shown notes
  EXPECT_EQ(window.RichEditInfo->toPlainText(), QStringLiteral("Mode B only"));
  EXPECT_EQ(Notes(), QStringLiteral("[AO-7][07530]\r\nMode B only\r\n[FO-29][24278]\r\nFuji\r\n"));

  // Emptying the box removes the section.
  window.RichEditInfo->clear();
  window.hide();
  EXPECT_EQ(Notes(), QStringLiteral("[FO-29][24278]\r\nFuji\r\n"));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(InfoFixture, AFailedWriteSaysSoAndKeepsTheOldFile) {
  base::RecordingHelp help;
  {
    QFile f(dir.filePath(QStringLiteral("Orvane.nfo")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[AO-7][07530]\r\nold\r\n");
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Orvane.~fo")));
  window.Open("AO-7", "07530");
  EXPECT_EQ(window.RichEditInfo->toPlainText(), QStringLiteral("old"));
  window.findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"))->click();
  EXPECT_EQ(help.requests, std::vector<QString>{QStringLiteral("topic 6")});
  window.RichEditInfo->setPlainText(QStringLiteral("new"));
  window.hide();
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Erreur/Error Orvane.nfo")});
  EXPECT_EQ(Notes(), QStringLiteral("[AO-7][07530]\r\nold\r\n"));
}

}  // namespace
}  // namespace tracking
