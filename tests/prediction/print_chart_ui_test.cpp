#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "prediction/form_24h.h"
#include "prediction/form_print.h"
#include "prediction/form_print24h.h"
#include "prediction/panel_explorer.h"
#include "prediction/prediction_language.h"
#include "sample_slots.h"

namespace prediction {
namespace {

using testing::LoadSample;
using testing::Station;
using testing::Utc;

// Text of a PDF file, read back with pdftotext (layout kept).
QString PdfText(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!p.waitForFinished(20000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

struct PrintWindow : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(LoadSample(table[0], "ISS (ZARYA)"));
    ASSERT_TRUE(SearchPass(st.ctx, table[0]));
    ExplorerEnvironment env;
    env.slotTable = &table;
    env.search = &st.ctx;
    env.sounds = &sounds;
    env.dialogs = &dialogs;
    panel = std::make_unique<PanelExplorer>(env);
    ASSERT_TRUE(panel->ShowEphemeris(1));
    form = std::make_unique<TFormPRINT>(&sounds, &dialogs);
    printer.setOutputFormat(QPrinter::PdfFormat);
    pdf = dir.filePath(QStringLiteral("print.pdf"));
    printer.setOutputFileName(pdf);
    form->SetPrinter(&printer);
    form->ShowFor(panel->SatelliteName(), panel->ShownRows(), panel->FileHeaderText());
  }
  Station st;
  SlotTable table;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  std::unique_ptr<PanelExplorer> panel;
  std::unique_ptr<TFormPRINT> form;
  QTemporaryDir dir;
  QPrinter printer{QPrinter::HighResolution};
  QString pdf;
};

TEST_F(PrintWindow, OpensOnThePassAndPrintsEveryStepthRowToPdf) {
  const auto& rows = panel->ShownRows();
  const int n = static_cast<int>(rows.size());
  ASSERT_GE(n, 6);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("PRINT [ISS (ZARYA)]"));
  EXPECT_EQ(form->LabelPrintLignes->text(), QString::number(n));
  EXPECT_EQ(form->PrintMinuteCount(), n);
  EXPECT_EQ(form->EditStartHour->text().toStdString(), rows.front().substr(13, 2));
  EXPECT_EQ(form->EditEndMin->text().toStdString(), rows.back().substr(16, 2));
  form->SpinEditPrint->setValue(5);
  EXPECT_EQ(form->LabelPrintLignes->text(), QString::number(n / 5 == 0 ? 1 : n / 5));
  ASSERT_TRUE(form->BitBtnPrintOKClick());
  EXPECT_EQ(printer.docName(), QStringLiteral("liste"));
  const QString text = PdfText(pdf);
  ASSERT_FALSE(text.isEmpty());
  EXPECT_TRUE(text.contains(QStringLiteral("ISS (ZARYA)")));
  EXPECT_TRUE(text.contains(QStringLiteral("DATE & LOCAL TIME")));
  for (int k = 0; k < n; ++k) {
    const QString time = QString::fromStdString(rows[static_cast<std::size_t>(k)].substr(13, 5));
    EXPECT_EQ(text.contains(time), k % 5 == 0) << time.toStdString();
  }
  EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST_F(PrintWindow, RefusalsArrowsAndTypedValues) {
  form->EditStartMin->setText(QString());
  EXPECT_TRUE(form->LabelPrintLignes->text().isEmpty());
  EXPECT_FALSE(form->BitBtnPrintOKClick());
  ASSERT_EQ(dialogs.warnings.size(), 1);
  EXPECT_EQ(dialogs.warnings[0], QStringLiteral("Starting or ending time is not set !"));
  // Typing 24 in an hour: beep and "00".
  form->EditStartMin->setText(QStringLiteral("-"));
  EXPECT_TRUE(form->EditStartMin->text().isEmpty());
  form->EditEndHour->setText(QStringLiteral("24"));
  EXPECT_EQ(form->EditEndHour->text(), QStringLiteral("00"));
  EXPECT_EQ(sounds.Count("beep"), 2);
  // Start after end.
  form->ShowFor(panel->SatelliteName(), panel->ShownRows(), panel->FileHeaderText());
  form->UpDownEndTimeClick(true);  // one minute past the last row
  form->UpDownStartTimeClick(true);
  for (int i = 0; i < 200 && form->LabelPrintLignes->text() != QStringLiteral("0"); ++i)
    form->UpDownEndTimeClick(false);
  EXPECT_EQ(form->LabelPrintLignes->text(), QStringLiteral("0"));
  EXPECT_FALSE(form->BitBtnPrintOKClick());
  EXPECT_EQ(dialogs.warnings.last(),
            QStringLiteral("Nothing to print ! Verify starting or ending date and time."));
  // End stepped one minute past the last row.
  form->ShowFor(panel->SatelliteName(), panel->ShownRows(), panel->FileHeaderText());
  form->UpDownEndTimeClick(true);
  EXPECT_FALSE(form->BitBtnPrintOKClick());
  EXPECT_EQ(dialogs.warnings.last(), QStringLiteral("Ending time is out of pass !"));
  form->ShowFor(panel->SatelliteName(), panel->ShownRows(), panel->FileHeaderText());
  form->UpDownStartTimeClick(false);
  EXPECT_FALSE(form->BitBtnPrintOKClick());
  EXPECT_EQ(dialogs.warnings.last(), QStringLiteral("Starting time is out of pass !"));
  // The date arrows stay on the pass's dates (a pass within one day: both refused).
  const int beeps = sounds.Count("beep");
  form->UpDownStartDateClick(false);
  form->UpDownEndDateClick(true);
  EXPECT_EQ(sounds.Count("beep"), beeps + 2);
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintWindow, ChosenFontIsUsedForPrinting) {
  EXPECT_EQ(form->PrintFont().family(), QStringLiteral("Courier"));
  EXPECT_EQ(form->PrintFont().pointSize(), 9);
  form->SetFontChooser([](QFont* f) {
    *f = QFont(QStringLiteral("DejaVu Sans Mono"), 11);
    return true;
  });
  form->BitBtnPoliceClick();
  EXPECT_EQ(form->PrintFont().pointSize(), 11);
  ASSERT_TRUE(form->BitBtnPrintOKClick());
  EXPECT_EQ(form->RichEditPrint->document()->defaultFont().pointSize(), 11);
}

// The 24-hour chart over four or fifteen satellites of the sample file.
struct Chart : ::testing::Test {
  void Fill(int count) {
    int n = 0;
    for (std::size_t i = 0; i < testing::SampleContent().size() && n < count; ++i) {
      const std::string line = testing::SampleContent()[i];  // the loader rewrites the content
      if (i + 2 >= testing::SampleContent().size() || testing::SampleContent()[i + 1].rfind("1 ", 0) != 0)
        continue;
      PassSlot& slot = table[static_cast<std::size_t>(n)];
      if (!LoadSample(slot, line)) continue;
      SearchPass(st.ctx, slot);
      ++n;
    }
    ASSERT_EQ(n, count);
    Chart24Environment env;
    env.slotTable = &table;
    env.search = &st.ctx;
    env.history = &history;
    env.clock = &st.clock;
    env.timerRunning = [this] { return timerOn; };
    env.utcDisplay = [this] { return utc; };
    chart = std::make_unique<TForm24H>(env);
  }
  Station st;
  SlotTable table;
  NavigationHistory history;
  bool timerOn = true;
  bool utc = false;
  std::unique_ptr<TForm24H> chart;
};

TEST_F(Chart, FourSatellitesShrinkTheWindow) {
  st.SetUtc(21, 13, 37);
  Fill(4);
  chart->SpeedButton24hClick();
  ASSERT_TRUE(chart->isVisible());
  EXPECT_EQ(chart->imagegrille24h->height(), 120);
  EXPECT_EQ(chart->Image24H->height(), 120);
  EXPECT_EQ(chart->LabelDate->y(), 408 - 275);
  EXPECT_EQ(chart->LabelH[5]->y(), 410 - 275);
  EXPECT_EQ(chart->height(), 496 - 275);
  EXPECT_TRUE(chart->LabelDate->text().endsWith(QStringLiteral(" LOCAL")));
  EXPECT_EQ(chart->LabelH[0]->text(), QStringLiteral("14"));
  EXPECT_EQ(chart->LabelH[23]->text(), QStringLiteral("13"));
  EXPECT_EQ(chart->LabelH[0]->objectName(), QStringLiteral("Labelh00"));
  EXPECT_EQ(chart->LabelH[2]->objectName(), QStringLiteral("LabelH02"));
  EXPECT_FALSE(chart->LabelS[4]->isVisible());
  EXPECT_EQ(chart->LabelS[0]->text().toStdString(), table[0].name);
  EXPECT_EQ(history.index, 0);
  // A bar in the picture has its slot's colour, and the hover tells its times. JUGNU
  // (slot 2, 20 degrees of inclination) never rises over Paris: its row has no bar.
  EXPECT_TRUE(chart->LastChart().rows[1].bars.empty());
  EXPECT_TRUE(chart->LastChart().rows[1].named);
  const ChartEntry& e = chart->PassTable()[2][0];
  ASSERT_NE(e.start, 0);
  const QImage picture = chart->Image24H->pixmap().toImage();
  EXPECT_EQ(picture.pixelColor((e.rect.left + e.rect.right) / 2, (e.rect.top + e.rect.bottom) / 2),
            QColor(0x00, 0x80, 0x00));
  EXPECT_EQ(picture.pixelColor(700, chart->LastChart().rows[0].lineY), QColor(0xFF, 0, 0));
  chart->Image24HMouseMove((e.rect.left + e.rect.right) / 2, e.rect.top);
  EXPECT_EQ(chart->ChartHintText().toStdString(), HourMinuteText(e.start) + " => " + HourMinuteText(e.end));
  chart->Image24HMouseMove(1, 2);
  EXPECT_TRUE(chart->ChartHintText().isEmpty());
  // UTC display: the labels follow.
  utc = true;
  chart->FormShow();
  EXPECT_TRUE(chart->LabelDate->text().endsWith(QStringLiteral("   UTC")));
  EXPECT_EQ(chart->LabelH[0]->text(), QStringLiteral("13"));
}

TEST_F(Chart, DayStepsAndTheirButtons) {
  Fill(15);
  EXPECT_FALSE(chart->SpeedButton24Plus->isEnabled());
  chart->SpeedButton24hClick();
  const Real first = chart->ChartStart();
  EXPECT_EQ(first, static_cast<Real>(st.clock.Now()));
  EXPECT_FALSE(chart->SpeedButton24Moins->isEnabled());
  EXPECT_TRUE(chart->SpeedButton24Plus->isEnabled());
  // "24" again while the window is open changes nothing.
  st.clock.AdvanceSeconds(120);
  chart->SpeedButton24hClick();
  EXPECT_EQ(chart->ChartStart(), first);
  chart->SpeedButton24Plus->click();
  EXPECT_EQ(chart->ChartStart(), first + 1);
  EXPECT_TRUE(chart->SpeedButton24Moins->isEnabled());
  EXPECT_GT(chart->PassTable()[0][0].start, first + 1 - 1.0L / 24);
  chart->SpeedButton24Moins->click();
  EXPECT_EQ(chart->ChartStart(), first);
  EXPECT_FALSE(chart->SpeedButton24Moins->isEnabled());
  for (int n = 0; n < kSlotCount; ++n) EXPECT_TRUE(chart->LabelS[static_cast<std::size_t>(n)]->isVisible());
  EXPECT_EQ(chart->height(), 496);
}

TEST_F(Chart, NotShownWhileTheExplorationHasNotStarted) {
  Fill(4);
  timerOn = false;
  chart->SpeedButton24hClick();
  EXPECT_FALSE(chart->isVisible());
}

TEST_F(Chart, TimetablePrintAndPreview) {
  Fill(4);
  chart->SpeedButton24hClick();
  TFormPrint24H* print = chart->PrintWindow();
  EXPECT_EQ(print->PrintFont().family(), QStringLiteral("MS Sans Serif"));
  chart->SpeedButtonPrint->click();
  ASSERT_TRUE(print->isVisible());
  print->BitBtnVisuClick();
  ASSERT_TRUE(print->Preview()->isVisible());
  const QString shown = print->Preview()->RichEdit1->toPlainText();
  const QStringList lines = chart->BuildTimetableText();
  EXPECT_EQ(shown, lines.join(QLatin1Char('\n')));
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ORVANE  ") + chart->LabelDate->text() + QStringLiteral("  H=")));
  EXPECT_TRUE(lines[0].endsWith(chart->LabelH[0]->text() + QStringLiteral(":00")));
  EXPECT_EQ(lines.size(), 1 + 4 * 3);
  EXPECT_TRUE(lines[3].startsWith(QLatin1Char('[')));
  // "+24" refreshes the preview.
  chart->SpeedButton24Plus->click();
  EXPECT_EQ(print->Preview()->RichEdit1->toPlainText(), chart->BuildTimetableText().join(QLatin1Char('\n')));
  EXPECT_NE(print->Preview()->RichEdit1->toPlainText(), shown);

  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("t.pdf")));
  print->SetPrinter(&printer);
  ASSERT_TRUE(print->BitBtnPrintOKClick());
  EXPECT_EQ(printer.docName(), QStringLiteral("liste"));
  const QString text = PdfText(dir.filePath(QStringLiteral("t.pdf")));
  EXPECT_TRUE(text.contains(QString::fromStdString(table[3].name)));
  EXPECT_TRUE(text.contains(QStringLiteral("=>")));
  print->hide();
  EXPECT_FALSE(print->Preview()->isVisible());
}

TEST_F(Chart, GermanTextsThroughTheCatalogue) {
  Fill(4);
  PredictionTranslator translator;
  ASSERT_TRUE(translator.Apply(QStringLiteral("de")));
  chart->SpeedButton24hClick();
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("ORVANE - 24 STUNDEPLAN"));
  // A hidden window keeps its texts until it is shown.
  EXPECT_EQ(chart->PrintWindow()->BitBtnCancelPrint->text(), QStringLiteral("Cancel"));
  chart->SpeedButtonPrint->click();
  EXPECT_EQ(chart->PrintWindow()->BitBtnCancelPrint->text(), QStringLiteral("Zurück"));
  EXPECT_EQ(chart->PrintWindow()->windowTitle(), QStringLiteral("DRUCKEN 24H"));
  TFormPRINT form(nullptr, nullptr);
  EXPECT_EQ(form.LabelStart->text(), QStringLiteral("Drucken ab"));
  ASSERT_TRUE(translator.Apply(QString()));
  QCoreApplication::processEvents();  // the switch reaches open windows as an event
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("ORVANE - 24 HOUR TIMETABLE"));
}

}  // namespace
}  // namespace prediction
