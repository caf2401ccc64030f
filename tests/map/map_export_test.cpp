// The published files of the map window: the JPEG decodes at the map's size with the red
// footprint where it belongs, the page once a minute with what the map shows, the files
// replaced whole, write failures told, and the HTML settings window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QRegularExpression>
#include <QTranslator>

#include "base/help_button.h"
#include "map/form_html.h"
#include "map/jpeg_encode.h"
#include "map/map_export.h"
#include "map_world.h"

using namespace map;
using map::testing::MapWorld;
using map::testing::Utc;

namespace {

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Reddish(QRgb c) {
  return qRed(c) > 170 && qGreen(c) < 110 && qBlue(c) < 110;
}

// Some pixel of the 5 x 5 square around (x, y) is red.
bool RedNear(const QImage& image, int x, int y) {
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (Reddish(image.pixel(x + dx, y + dy))) return true;
  return false;
}

QStringList PageLines(const QString& folder) {
  return QString::fromUtf8(Read(ExportPagePath(folder))).split(QStringLiteral("\r\n"));
}

}  // namespace

TEST(Jpeg, EncodesWhatDecodesBackAtTheSameSizeAndColours) {
  QImage image(64, 32, QImage::Format_RGB888);
  image.fill(QColor(0, 0, 255));
  for (int y = 0; y < 32; ++y)
    for (int x = 32; x < 64; ++x) image.setPixel(x, y, qRgb(255, 255, 0));
  const QByteArray jpeg = EncodeJpeg(image.constBits(), 64, 32, image.bytesPerLine());
  ASSERT_TRUE(jpeg.startsWith("\xFF\xD8\xFF"));
  const QImage back = QImage::fromData(jpeg, "JPG");
  ASSERT_EQ(back.size(), QSize(64, 32));
  EXPECT_GT(qBlue(back.pixel(10, 10)), 220);
  EXPECT_LT(qRed(back.pixel(10, 10)), 40);
  EXPECT_GT(qRed(back.pixel(50, 20)), 220);
  EXPECT_LT(qBlue(back.pixel(50, 20)), 40);
  EXPECT_TRUE(EncodeJpeg(image.constBits(), 0, 32, image.bytesPerLine()).isEmpty());
  EXPECT_TRUE(EncodeJpeg(image.constBits(), 64, 32, 100).isEmpty());  // stride below 3 x 64
  EXPECT_TRUE(EncodeJpeg(nullptr, 64, 32, 192).isEmpty());
}

TEST(MapExport, TheJpegIsTheMapAtItsDisplayedSizeWithTheRedFootprint) {
  for (int zoom : {100, 200}) {
    MapWorld w;
    ASSERT_TRUE(w.loaded);
    w.visible = true;
    w.settings.zoomPercent = zoom;
    w.settings.penWidth = 4;
    TFormMap form(w.Env());
    // 400 km over 30 N, 40 W: the coverage circle's radius is arccos(R / r) = 19.78 degrees.
    form.SetCurrentPosition(100, 30, {30, 40, 6778.137L});
    form.show();
    ASSERT_TRUE(form.MenuSaveImage());
    const QImage jpeg = QImage::fromData(Read(ExportPicturePath(w.folder.path())), "JPG");
    const int width = 6 * zoom, height = 3 * zoom;
    ASSERT_EQ(jpeg.size(), QSize(width, height)) << zoom;
    const double px = width / 360.0;  // pixels per degree
    // The circle's northern and southern points on the 40 W meridian.
    const int x = static_cast<int>((180 - 40) * px);
    EXPECT_TRUE(RedNear(jpeg, x, static_cast<int>((90 - 49.78) * px))) << zoom;
    EXPECT_TRUE(RedNear(jpeg, x, static_cast<int>((90 - 10.22) * px))) << zoom;
    // Inside the circle, at the sub-satellite point, nothing red.
    EXPECT_FALSE(RedNear(jpeg, x, static_cast<int>((90 - 30) * px))) << zoom;
  }
}

TEST(MapExport, TheRefreshWritesThePageOnceAMinuteWithWhatTheMapShows) {
  MapWorld w;
  ASSERT_TRUE(w.loaded);
  w.visible = true;
  w.settings.htmlPage = true;
  w.settings.zoomPercent = 150;
  TFormMap form(w.Env());
  form.SetCurrentPosition(100, 30, {-33.9L, -151.2L, 6786.6L});
  form.show();
  const QString page = ExportPagePath(w.folder.path());
  form.TimerRefreshTimer();
  ASSERT_TRUE(QFile::exists(page));
  EXPECT_EQ(form.HtmlSettings()->LabelHTML->text(), QStringLiteral("Update: 13:00:00"));
  const QStringList lines = PageLines(w.folder.path());
  EXPECT_TRUE(lines.contains(QStringLiteral(
      "<p><b><font size=\"6\" color=\"#0000FF\">ISS (ZARYA) Live</font></b></p>")));
  EXPECT_TRUE(lines[7].endsWith(QStringLiteral(" at 12:00 Universal Time</font></b></p>")));
  EXPECT_TRUE(lines.contains(QStringLiteral(
      "<p><b><font size=\"4\" color=\"#0000FF\">ISS (ZARYA) lattitude : 33\u00b054'S</font></b></p>")));
  EXPECT_TRUE(lines.contains(QStringLiteral(
      "<p><b><font size=\"4\" color=\"#0000FF\">ISS (ZARYA) longitude : 151\u00b012'E</font></b></p>")));
  EXPECT_TRUE(lines.contains(QStringLiteral(
      "<p><b><font size=\"4\" color=\"#0000FF\">ISS (ZARYA) altitude : 408 km</font></b></p>")));
  EXPECT_TRUE(lines.contains(QStringLiteral(
      "<img src=\"orvane_map.jpg\" align=\"middle\" border=\"0\" width=\"900\" height=\"450\">")));
  // Same minute: not again.
  QFile::remove(page);
  w.clock.AdvanceSeconds(30);
  form.TimerRefreshTimer();
  EXPECT_FALSE(QFile::exists(page));
  // Next minute: again, and with size choice 5 at 300 x 150 whatever the zoom.
  w.settings.pixel = 5;
  w.clock.AdvanceSeconds(30);
  form.TimerRefreshTimer();
  EXPECT_TRUE(PageLines(w.folder.path()).contains(QStringLiteral(
      "<img src=\"orvane_map.jpg\" align=\"middle\" border=\"0\" width=\"300\" height=\"150\">")));
  // Generation off: nothing.
  w.settings.htmlPage = false;
  QFile::remove(page);
  w.clock.AdvanceSeconds(60);
  form.TimerRefreshTimer();
  EXPECT_FALSE(QFile::exists(page));
  EXPECT_FALSE(form.UploadRunning());  // the upload was never on
}

TEST(MapExport, NotVisibleThePageGivesTheOrbitPositionShownOrNone) {
  MapWorld w;
  ASSERT_TRUE(w.loaded);
  w.visible = false;
  {
    TFormMap form(w.Env());  // pass-footprint mode: the map shows no current position
    form.show();
    ASSERT_TRUE(form.MenuSaveImage());
    const QStringList lines = PageLines(w.folder.path());
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("itude : ")));
    EXPECT_EQ(lines.size(), 13);  // twelve lines and the empty text after the last CR LF
  }
  w.settings.mode = DrawingMode::CoverageAndNext;
  TFormMap form(w.Env());
  form.show();
  ASSERT_TRUE(form.Picture().MarkerShown(MarkerKind::SatOrbite) ||
              form.Picture().MarkerShown(MarkerKind::SatEclipseOrbit));
  ASSERT_TRUE(form.MenuSaveImage());
  const QString page = PageLines(w.folder.path()).join(QLatin1Char('\n'));
  const MarkerKind shown = form.Picture().MarkerShown(MarkerKind::SatOrbite)
                               ? MarkerKind::SatOrbite
                               : MarkerKind::SatEclipseOrbit;
  const GeoPoint at = form.Picture().MarkerPosition(shown);
  EXPECT_TRUE(page.contains(QStringLiteral("ISS (ZARYA) latitude : ") + PageLatitudeText(at.latitude)));
  EXPECT_TRUE(page.contains(QStringLiteral("ISS (ZARYA) longitude : ") + PageLongitudeText(at.westLongitude)));
  EXPECT_FALSE(page.contains(QStringLiteral("lattitude")));
  EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("altitude : 4[0-3][0-9] km"))));
}

TEST(MapExport, FilesAreReplacedWholeAndAFailureLeavesTheOldOnes) {
  QTemporaryDir folder;
  ASSERT_TRUE(WriteExportFiles(folder.path(), "picture one", "page one"));
  EXPECT_EQ(Read(folder.filePath(QStringLiteral("html/orvane_map.jpg"))), "picture one");
  EXPECT_EQ(Read(folder.filePath(QStringLiteral("html/orvane.htm"))), "page one");
  ASSERT_TRUE(WriteExportFiles(folder.path(), "two", "2"));
  EXPECT_EQ(Read(ExportPicturePath(folder.path())), "two");
  EXPECT_EQ(Read(ExportPagePath(folder.path())), "2");
  EXPECT_EQ(QDir(folder.filePath(QStringLiteral("html"))).entryList(QDir::Files).size(), 2);
  // The page's name taken by a folder: the picture is replaced, the page cannot be.
  QTemporaryDir other;
  QDir(other.path()).mkpath(QStringLiteral("html/orvane.htm"));
  QString failed;
  EXPECT_FALSE(WriteExportFiles(other.path(), "p", "h", &failed));
  EXPECT_EQ(failed, ExportPagePath(other.path()));
  // "html" taken by a file: nothing can be written, the file stays.
  QTemporaryDir blocked;
  QFile file(blocked.filePath(QStringLiteral("html")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("keep");
  file.close();
  EXPECT_FALSE(WriteExportFiles(blocked.path(), "p", "h", &failed));
  EXPECT_EQ(failed, ExportPicturePath(blocked.path()));
  EXPECT_EQ(Read(file.fileName()), "keep");
}

TEST(MapExport, AWriteFailureIsToldOnceAMinuteRunAndAtEachTest) {
  MapWorld w;
  ASSERT_TRUE(w.loaded);
  w.settings.htmlPage = true;
  w.settings.upload = true;
  w.settings.host = QStringLiteral("127.0.0.1:1");
  QFile blocker(QDir(w.folder.path()).filePath(QStringLiteral("html")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  TFormMap form(w.Env());
  form.show();
  form.TimerRefreshTimer();
  ASSERT_EQ(w.dialogs.errors.size(), 1);
  EXPECT_TRUE(w.dialogs.errors[0].contains(QStringLiteral("orvane_map.jpg")));
  EXPECT_FALSE(form.UploadRunning());  // no upload of files that were not written
  w.clock.AdvanceSeconds(60);
  form.TimerRefreshTimer();
  EXPECT_EQ(w.dialogs.errors.size(), 1);
  form.HtmlSettings()->Button1->click();  // TEST HTML
  EXPECT_EQ(w.dialogs.errors.size(), 2);
  EXPECT_FALSE(form.HtmlSettings()->LabelHTML->text().startsWith(QStringLiteral("Update:")));
}

TEST(FormHtml, ShowingFillsFromTheSettingsAndEveryEditStoresAtOnce) {
  MapSettings s;
  s.htmlPage = true;
  s.upload = true;
  s.pixel = 3;
  s.host = QStringLiteral("ftp.example.org");
  s.hostDir = QStringLiteral("www/map");
  s.hostUser = QStringLiteral("f5abc");
  s.hostPass = QStringLiteral("pa=ss");
  s.browserPeriod = 20;
  TFormHTML form(&s);
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("ORVANE HTML"));
  EXPECT_TRUE(form.CheckBoxEnableHTML->isChecked());
  EXPECT_TRUE(form.CheckBoxEnableUploadFTP->isChecked());
  EXPECT_TRUE(form.CheckBoxEnableUploadFTP->isEnabled());
  EXPECT_TRUE(form.RadioButton[2]->isChecked());
  EXPECT_EQ(form.EditHost->text(), s.host);
  EXPECT_EQ(form.EditHostDir->text(), s.hostDir);
  EXPECT_EQ(form.Edituser->text(), s.hostUser);
  EXPECT_EQ(form.EditPass->text(), s.hostPass);
  EXPECT_EQ(form.EditPass->echoMode(), QLineEdit::Password);
  EXPECT_EQ(form.SpinEditRefreshBrowser->value(), 20);
  EXPECT_TRUE(form.LabelHTML->text().isEmpty());
  EXPECT_TRUE(form.LabelUpload->text().isEmpty());
  form.EditHost->setText(QStringLiteral("127.0.0.1:2121"));
  form.EditHostDir->setText(QStringLiteral("pub"));
  form.Edituser->setText(QStringLiteral("u"));
  form.EditPass->setText(QStringLiteral("p"));
  form.RadioButton[4]->click();
  form.SpinEditRefreshBrowser->setValue(60);
  EXPECT_EQ(s.host, QStringLiteral("127.0.0.1:2121"));
  EXPECT_EQ(s.hostDir, QStringLiteral("pub"));
  EXPECT_EQ(s.hostUser, QStringLiteral("u"));
  EXPECT_EQ(s.hostPass, QStringLiteral("p"));
  EXPECT_EQ(s.pixel, 5);
  EXPECT_EQ(s.browserPeriod, 60);
  form.SpinEditRefreshBrowser->setValue(5);  // below the range: 10
  EXPECT_EQ(s.browserPeriod, 10);
  // The password is in no label of the window.
  for (const QLabel* label : form.findChildren<QLabel*>())
    EXPECT_FALSE(label->text().contains(QStringLiteral("pa=ss")));
}

TEST(FormHtml, SwitchingThePageOffSwitchesTheUploadOffAndDisablesIt) {
  MapSettings s;
  TFormHTML form(&s);
  form.show();
  EXPECT_FALSE(form.CheckBoxEnableUploadFTP->isEnabled());  // no upload without a page
  EXPECT_EQ(form.LabelHTML->text(), QStringLiteral("HTML disabled"));
  EXPECT_EQ(form.LabelUpload->text(), QStringLiteral("Upload disabled"));
  form.CheckBoxEnableHTML->click();
  EXPECT_TRUE(s.htmlPage);
  EXPECT_TRUE(form.LabelHTML->text().isEmpty());
  ASSERT_TRUE(form.CheckBoxEnableUploadFTP->isEnabled());
  form.CheckBoxEnableUploadFTP->click();
  EXPECT_TRUE(s.upload);
  EXPECT_TRUE(form.LabelUpload->text().isEmpty());
  form.ShowPageWritten(QStringLiteral("14:02:00"));
  EXPECT_EQ(form.LabelHTML->text(), QStringLiteral("Update: 14:02:00"));
  form.ShowUploadStatus(UploadStatus::Success);
  EXPECT_EQ(form.LabelUpload->text(), QStringLiteral("Upload success"));
  // Shown again: the last page and upload stay told.
  form.hide();
  form.show();
  EXPECT_EQ(form.LabelHTML->text(), QStringLiteral("Update: 14:02:00"));
  EXPECT_EQ(form.LabelUpload->text(), QStringLiteral("Upload success"));
  form.CheckBoxEnableHTML->click();
  EXPECT_FALSE(s.htmlPage);
  EXPECT_FALSE(s.upload);
  EXPECT_FALSE(form.CheckBoxEnableUploadFTP->isChecked());
  EXPECT_FALSE(form.CheckBoxEnableUploadFTP->isEnabled());
  EXPECT_EQ(form.LabelHTML->text(), QStringLiteral("HTML disabled"));
  EXPECT_EQ(form.LabelUpload->text(), QStringLiteral("Upload disabled"));
  // An upload setting without the page is not shown as on.
  s.upload = true;
  form.hide();
  form.show();
  EXPECT_FALSE(form.CheckBoxEnableUploadFTP->isChecked());
  EXPECT_FALSE(s.upload);
}

TEST(FormHtml, ButtonsHelpAndLanguages) {
  MapWorld w;
  ASSERT_TRUE(w.loaded);
  TFormMap map(w.Env());
  map.show();
  // The map's "HTML" menu opens the window; OK closes it; hiding the map closes it.
  ASSERT_TRUE(map.MenuHTML->isVisible());
  map.MenuHTML->trigger();
  TFormHTML* form = map.HtmlSettings();
  EXPECT_TRUE(form->isVisible());
  form->ButtonOK->click();
  EXPECT_FALSE(form->isVisible());
  map.MenuHTML->trigger();
  form->Button1->click();  // TEST HTML writes, whether or not the minute's page is on
  EXPECT_TRUE(QFile::exists(ExportPagePath(w.folder.path())));
  EXPECT_TRUE(form->LabelHTML->text().startsWith(QStringLiteral("Update: ")));
  {
    base::RecordingHelp help;
    auto* button = form->findChild<base::HelpButton*>(QStringLiteral("ButtonHelp"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(help.requests, std::vector<QString>{QStringLiteral("topic 11")});
  }
  for (const char* code : {"es", "fr", "de", "it"}) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/map_%1.qm").arg(QLatin1String(code))));
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::processEvents();
    EXPECT_NE(form->LabelUpload->text(), QStringLiteral("Upload disabled")) << code;
    EXPECT_NE(form->CheckBoxEnableHTML->text(),
              QStringLiteral("Check to enable the HTML creation each minute")) << code;
    EXPECT_NE(form->Button2->text(), QStringLiteral("TEST Upload")) << code;
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(form->LabelUpload->text(), QStringLiteral("Upload disabled"));
  map.hide();
  EXPECT_FALSE(form->isVisible());
}
