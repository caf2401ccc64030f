#pragma once

// A main window on the offscreen platform with a test clock, recording sounds and
// dialogs, and a temporary program folder.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/form1.h"
#include "app/form_dialog.h"
#include "base/ansi_text.h"
#include "base/clock.h"
#include "base/sounds.h"
#include "tracking/recording_links.h"
#include "tracking/rotator_sender.h"
#include "tracking/tick_steps.h"

namespace app::test {

// 2018-01-21 12:00 local: near the epochs of the sample element file.
inline double SampleNow() {
  return base::DateTimeValue(2018, 1, 21, 12, 0, 0);
}

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    clock.Set(SampleNow());
  }

  QString Folder() const { return folder.path(); }
  QString File(const QString& name) const { return folder.path() + QLatin1Char('/') + name; }

  void CopySampleElements() {
    QFile::remove(File(QStringLiteral("amateur.txt")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/amateur.txt"),
                            File(QStringLiteral("amateur.txt"))));
  }

  // Catalogue numbers of the first `count` sets of the sample file.
  static QStringList SampleNumbers(int count) {
    std::vector<std::string> lines;
    base::ReadRawLines(QStringLiteral(ORVANE_TEST_DATA "/amateur.txt"), &lines);
    QStringList numbers;
    for (const std::string& line : lines) {
      if (line.size() >= 69 && line.rfind("1 ", 0) == 0)
        numbers.append(QString::fromStdString(line.substr(2, 5)));
      if (numbers.size() == count) break;
    }
    return numbers;
  }

  // A complete settings file: a station in Paris and the given selection of group 1.
  void WriteSettings(const QStringList& numbers, const QStringList& extra = {}) {
    QStringList selection = numbers;
    while (selection.size() < 15) selection.append(QString());
    QStringList lines = {QStringLiteral("[ORVANE]"),
                         QStringLiteral("VERSION=3.8.4"),
                         QStringLiteral("QRA_LOCATOR=JN18DU"),
                         QStringLiteral("LATTITUDE=N48.854"),
                         QStringLiteral("LONGITUDE=E2.292"),
                         QStringLiteral("ALTITUDE=35"),
                         QStringLiteral("LOCAL-UTC=1"),
                         QStringLiteral("GROUP1=G1 - Amateur,") + selection.join(QLatin1Char(',')),
                         QStringLiteral("ACTIVE_GROUP=1"),
                         QStringLiteral("PATHNAME_G1=") + File(QStringLiteral("amateur.txt"))};
    lines.append(extra);
    ASSERT_TRUE(base::WriteAnsiLines(File(QStringLiteral("Orvane.ini")), lines));
  }

  // The program entry's order: the main window, then the others, then WindowsReady.
  TForm1& Start() {
    Form1Environment environment;
    environment.clock = &clock;
    environment.sounds = &sounds;
    environment.dialogs = &dialogs;
    environment.programFolder = Folder();
    environment.terminate = [this] { ++terminated; };
    environment.seams = seams;
    if (!bank) {
      tracking::RotatorBank::Links links;
      for (std::size_t i = 0; i < serial.size(); ++i) links.serial[i] = &serial[i];
      links.arswin = &arswin;
      links.launcher = &launcher;
      bank = std::make_unique<tracking::RotatorBank>(links, [](int) {});
    }
    environment.rotatorBank = bank.get();
    environment.serialPorts = QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
    environment.reportSink = realReports ? nullptr : &reports;
    form = std::make_unique<TForm1>(std::move(environment));
    form->WindowsReady = true;
    if (!form->isVisible()) form->show();
    return *form;
  }

  // Answers the next yes/no question once it is open, and remembers it.
  void AnswerNextQuestion(bool yes) {
    QTimer::singleShot(0, form.get(), [this, yes] {
      TFormDialog* dialog = form->DialogWindow();
      questions.append(dialog->LabelDialog->text());
      (yes ? dialog->ButtonYes : dialog->ButtonNo)->click();
    });
  }

  QString SlotText(int slot) const {
    return form->Edit[static_cast<std::size_t>(slot - 1)]->text();
  }
  QColor SlotColour(int slot) const {
    return form->Edit[static_cast<std::size_t>(slot - 1)]->palette().color(QPalette::Base);
  }

  QTemporaryDir folder;
  base::TestClock clock;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  Form1Seams seams;
  // Rotator transports in the order of tracking::kSerialInterfaces (GS-232 first).
  std::array<tracking::RecordingSerialLink, 6> serial;
  tracking::RecordingArswin arswin;
  tracking::RecordingLauncher launcher;
  std::unique_ptr<tracking::RotatorBank> bank;
  tracking::RecordingReportSink reports;
  bool realReports = false;  // true: the report goes to the window's own servers
  std::unique_ptr<TForm1> form;
  int terminated = 0;
  QStringList questions;
};

}  // namespace app::test
