// The main window: construction, faces and the start-up sequence.
#include "app/form1.h"
#include "app/language_windows.h"
#include "app/window_placement.h"
#include "map/map_state.h"

#include <QSignalBlocker>
#include <QToolButton>

#include "prediction/form_24h.h"
#include "tools/form_hf_beam.h"
#include "tools/form_lune.h"
#include "tools/form_soleil.h"
#include "tracking/antenna_sources.h"
#include "prediction/form_date.h"
#include "prediction/form_print.h"
#include "prediction/panel_explorer.h"
#include "app/download/download_desk.h"
#include "sharing/dde_server.h"
#include "sharing/report_sink.h"
#include "sharing/tcp_server.h"
#include "tracking/antenna_setup.h"
#include "tracking/form_alarm.h"
#include "tracking/printer_port_sender.h"
#include "tracking/rotator_sender.h"
#include "tracking/tick_steps.h"
#include "tracking/tracking_controller.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <cmath>

#include "app/form_dialog.h"
#include "app/form_rename.h"
#include "base/ansi_text.h"
#include "base/locale_number.h"

namespace app {

namespace {

constexpr Real kDesignPassListWidth = 217.0L;

int Scaled(int size, Real scale) {
  return static_cast<int>(std::nearbyint(size * scale));
}

}  // namespace

TForm1::TForm1(Form1Environment environment, QWidget* parent)
    : QMainWindow(parent), env_(std::move(environment)), translatingDialogs_(env_.dialogs),
      languageWindows_(std::make_unique<LanguageWindows>()) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("ORVANE"));
  // Unit start: what existed before this run touches anything.
  settingsFileExisted_ = QFileInfo::exists(ProgramFile(QString::fromLatin1(kSettingsFileName)));
  radioDataExisted_ = QFileInfo::exists(ProgramFile(QStringLiteral("Orvane.dat")));
  search_.clock = env_.clock;
  search_.rememberedTickTime = &previousTickTime_;
  BuildWidgets();
  BuildMenus();
  ConnectExplorer();
  BuildTracking();
  BuildRadio();
  BuildServers();
  BuildMap();
  BuildDownloads();
  // The faces set their own sizes; the compact list may be smaller than the settings panel.
  layout()->setSizeConstraint(QLayout::SetNoConstraint);
  ConnectStation();
  ConnectGroups();
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    if (!PanelImage->isVisible()) close();
  });
  formDialog_ = new TFormDialog(this);
  formRename_ = new TFormRename(this);
  connect(formRename_, &TFormRename::Accepted, this, &TForm1::RenameAccepted);
  ConnectHelp();
  FormCreate();
  BuildTools();
  BuildDx();
  BuildHfBeam();
  BuildLanguageWindows();
}

TForm1::~TForm1() {
  // The chart reads the slot table and the search context: it goes before they do.
  delete form24h_;
  form24h_ = nullptr;
  delete formLune_;  // top-level windows without a parent
  delete formSoleil_;
  DeleteDxWindows();
  delete formHfBeam_;
}

QString TForm1::ProgramFile(const QString& name) const {
  return env_.programFolder + QLatin1Char('/') + name;
}

QString TForm1::VersionCaption() const {
  return QStringLiteral("ORVANE V") + QStringLiteral(ORVANE_VERSION);
}

bool TForm1::SettingsPanelShowing() const {
  return !PanelLocator->isHidden();
}
bool TForm1::ExplorerShowing() const {
  return !PanelMain->isHidden() && !PanelExplorer->isHidden();
}
bool TForm1::CompactListShowing() const {
  return !PanelMain->isHidden() && PanelExplorer->isHidden() && shownSlot_ == 0;
}

void TForm1::ShowFace(QWidget* face) {
  // One face at a time; the hidden one does not count in the window's least size.
  for (QWidget* page : {PanelLocator, PanelMain}) page->setVisible(page == face);
  faces->updateGeometry();
  if (faces->layout()) faces->layout()->activate();
  if (layout()) layout()->activate();
}

void TForm1::InstallSampleElementFile() {
  // The sample element file travels inside the program; put it where group 1 expects it.
  const QString target = ProgramFile(QStringLiteral("amateur.txt"));
  if (QFileInfo::exists(target)) return;
  QDir().mkpath(env_.programFolder);
  if (QFile::copy(QStringLiteral(":/data/amateur.txt"), target))
    QFile::setPermissions(
        target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

void TForm1::FormCreate() {
  // 1, 4. Printer-port access and discovery (the serial ports are listed by the antenna
  // panel when it is built).
  PrinterPortStartUp();
  InstallSampleElementFile();

  // 8. Scale factor: the pass list's built width against its design width.
  ScaleFactor = slotBoxWidth_ / kDesignPassListWidth;
  if (ScaleFactor < 1) ScaleFactor = 1;
  compactBaseWidth_ =
      std::max(Scaled(kCompactWidth, ScaleFactor), PanelMain->minimumSizeHint().width());
  compactBaseHeight_ = Scaled(kCompactHeight, ScaleFactor);

  // 5, 7, 11. Defaults the settings file may override.
  SettingsEnvironment environment;
  environment.programFolder = env_.programFolder;
  environment.decimalSeparator = base::UserDecimalSeparator();
  environment.scaleFactor = static_cast<double>(ScaleFactor);
  const QScreen* screen = QGuiApplication::primaryScreen();
  environment.screenWidth = screen ? screen->availableGeometry().width() : 1024;
  settings_ = DefaultSettings(environment);
  settings_.geometry.compactLeft = environment.screenWidth - compactBaseWidth_;

  // 6. The radio data and notes files, read, indexed and written again when indexing
  // changed them.
  LoadRadioFilesAtStart();

  // 9. English first, so that every message exists before anything can fail.
  SilentAction = true;
  SwitchLanguage(Language::English);
  SilentAction = false;

  // 10-11. Clock shown, tracking timer stopped.
  ShowClock(env_.clock->Now());
  Timerseconde->stop();

  // 12. The settings file.
  if (settingsFileExisted_) {
    QString why;
    ReadContext context = CurrentReadContext(env_.sounds, &translatingDialogs_);
    context.portIoUsable = PrinterPortsUsable();
    const SettingsFileStatus status = ReadSettingsFromFile(
        ProgramFile(QString::fromLatin1(kSettingsFileName)), &settings_, context, &why);
    if (status == SettingsFileStatus::Unreadable) {
      // Told once; at quit the file is kept and the settings go beside it.
      settingsFileUnread_ = true;
      env_.dialogs->Warning(msg::SettingsUnreadable(why));
    }
    // Saved on another monitor set-up: every window comes back where it can be reached.
    geometryAsRead_ = settings_.geometry;
    settings_.geometry = MendWindowGeometry(settings_.geometry, ScreenAreas(),
                                            QSize(compactBaseWidth_, compactBaseHeight_));
    geometryAsMended_ = settings_.geometry;
  }
  ApplySettingsToControls();

  // 13-14. Rename table in order; groups without a file have their menu entry disabled.
  SortRenames();
  ApplyGroupMenuFromSettings();

  // 15. Antenna interface.
  RestoreAntennaInterface();

  // 16. The stored language.
  Language stored = Language::English;
  if (LanguageFromSettingValue(settings_.language, &stored) && stored != Language::English) {
    SilentAction = true;
    SwitchLanguage(stored);
    SilentAction = false;
  }

  // 17. Minimum elevation for the pass search.
  search_.minimumElevation = SpinEditElevation->value();

  // 18. The active group's page and list.
  SetGroupMenuEntry(activeGroup_, true, true);
  PageControlGroupe->blockSignals(true);
  PageControlGroupe->setCurrentIndex(activeGroup_ - 1);
  PageControlGroupe->blockSignals(false);
  PageControlGroupeChange();

  // 19. Completeness check.
  if (SettingsComplete() && ParseStationBlock()) {
    if (TimeZoneChanged()) {
      EnterSettingsFace();
      EditLocalUTC->setFocus();
      env_.dialogs->Warning(msg::LocalTimeChanged());
      return;
    }
    if (env_.seams.startTcpServer) env_.seams.startTcpServer();
    EnterCompactFace();
    Timerseconde->stop();
    TimerFinCreate->start();
    return;
  }
  // 20. Incomplete: the settings panel.
  EnterSettingsFace();
}

bool TForm1::SettingsComplete() const {
  return !EditQRAlocator->text().isEmpty() && !EditLattitude->text().isEmpty() &&
         !EditLongitude->text().isEmpty() && !EditAltitude->text().isEmpty() &&
         !EditLocalUTC->text().isEmpty() && !GroupFileEdit(activeGroup_)->text().isEmpty() &&
         !SelectedName(activeGroup_, 1).isEmpty() && !currentElementFile_.isEmpty();
}

bool TForm1::ParseStationBlock() {
  long double latitude = 0;
  long double longitude = 0;
  long double altitude = 0;
  long double offset = 0;
  if (!base::ParseUserDecimal(EditLattitude->text(), &latitude) ||
      !base::ParseUserDecimal(EditLongitude->text(), &longitude) ||
      !base::ParseUserDecimal(EditAltitude->text(), &altitude) ||
      !base::ParseUserDecimal(EditLocalUTC->text(), &offset))
    return false;
  station_.latitude = latitude;
  station_.longitude = longitude;
  station_.altitude = altitude;
  station_.localUtcOffset = offset;
  station_.north = CheckBox_lattitude_Nord->isChecked();
  station_.west = CheckBox_longitude_Ouest->isChecked();
  station_.locator = EditQRAlocator->text().toUpper();
  return true;
}

bool TForm1::TimeZoneChanged() {
  const int state = env_.clock->DaylightState();
  if (settings_.timeZone == -1) settings_.timeZone = state;
  if (settings_.timeZone == state) return false;
  settings_.timeZone = state;
  return true;
}

void TForm1::EnterCompactFace() {
  PanelExplorer->hide();
  PanelImage->hide();
  ShowFace(PanelMain);
  GroupBoxPrevisions->show();
  SpeedButton24h->show();
  MenuOptions->menuAction()->setVisible(true);
  MenuFenetre->menuAction()->setVisible(true);
  setWindowTitle(VersionCaption());
  const WindowGeometry& g = settings_.geometry;
  const int height = computedHeight_ > 0 ? computedHeight_ : compactBaseHeight_;
  const int width = std::max(compactBaseWidth_, PanelMain->minimumSizeHint().width());
  resize(width + g.compactExtraWidth, height + g.compactExtraHeight);
  move(g.compactLeft, g.compactTop);
}

void TForm1::EnterSettingsFace() {
  ShowFace(PanelLocator);
  MenuOptions->menuAction()->setVisible(false);
  MenuFenetre->menuAction()->setVisible(false);
  setWindowTitle(VersionCaption());
  const WindowGeometry& g = settings_.geometry;
  const QSize least = minimumSizeHint();
  resize(std::max(g.settingsWidth, least.width()), std::max(g.settingsHeight, least.height()));
  move(g.settingsLeft, g.settingsTop);
  show();
  EditQRAlocator->setFocus();
  EditQRAlocator->setCursorPosition(0);
  SilentAction = true;
  ShowSettingsPanel();
  SilentAction = false;
}

void TForm1::ShowSettingsPanel() {
  // 1-2. Timer and tracking off; the rotators stop.
  Timerseconde->stop();
  MenuRename->setEnabled(true);
  shownSlot_ = 0;
  StopTrackingForSettings();
  // 3. Slots back to white and visible.
  for (std::size_t i = 0; i < Edit.size(); ++i) {
    ApplySlotColour(static_cast<int>(i), prediction::kWhite);
    Edit[i]->show();
  }
  // 4. Where the compact list stood.
  if (!SilentAction && !PanelImage->isVisible() && !SettingsPanelShowing() && isVisible()) {
    settings_.geometry.compactLeft = x();
    settings_.geometry.compactTop = y();
  }
  if (PanelImage->isVisible()) {
    settings_.geometry.explorerLeft = x();
    settings_.geometry.explorerTop = y();
    settings_.geometry.explorerWidth = width();
    settings_.geometry.explorerHeight = height();
  }
  // 5. Everything but the settings panel is put away.
  MenuOptions->menuAction()->setVisible(false);
  MenuFenetre->menuAction()->setVisible(false);
  if (explorer_->IsOpen()) {
    const QSignalBlocker quiet(explorer_);  // the face is switched here, not by the close
    explorer_->CloseExplorer();
    if (formDate_) formDate_->hide();
    if (formPrint_) formPrint_->hide();
    MenuSaveEph->setEnabled(false);
    MenuDateCalcul->setEnabled(false);
  }
  if (form24h_ && form24h_->isVisible()) form24h_->close();
  downloads_->HideAgeAlarm();
  PanelExplorer->hide();
  PanelImage->hide();
  setWindowTitle(VersionCaption());
  // 6. The settings window.
  if (!SettingsPanelShowing()) {
    ShowFace(PanelLocator);
    const WindowGeometry& g = settings_.geometry;
    const QSize least = minimumSizeHint();
    resize(std::max(g.settingsWidth, least.width()), std::max(g.settingsHeight, least.height()));
    move(g.settingsLeft, g.settingsTop);
  }
  EditQRAlocator->setCursorPosition(0);
  settingsOpenedSinceComputation_ = true;
  // 7. Active group from the front page; its selection shown in its list.
  activeGroup_ = PageControlGroupe->currentIndex() + 1;
  if (activeGroup_ < 1) activeGroup_ = 1;
  SelectGroupEntries(activeGroup_);
  // 8. Automatic download.
  if (settings_.autoDownload && env_.seams.openDownloadWindow) env_.seams.openDownloadWindow();
}

void TForm1::MenuInitialisationClick() {
  if (loadingSlots_ || search_.busy) return;
  if (isVisible() && CompactListShowing() && !settingsOpenedSinceComputation_)
    RecordCompactPosition(true);
  if (env_.seams.hideSecondaryWindows) env_.seams.hideSecondaryWindows();
  HideRadioWindows();
  MenuSoleil->setChecked(false);
  MenuHFBeam->setChecked(false);
  MenuHFBeam->setEnabled(false);
  MenuSaveEph->setEnabled(false);
  shownSlot_ = 0;
  ShowSettingsPanel();
}

void TForm1::BitBtn_OK_LocationClick() {
  // 1. While the group name is edited, the button confirms it.
  if (PanelNomGroupe->isVisible()) {
    BitBtnOKNomGroupeClick();
    return;
  }
  // 2. Checks in order; the first failure beeps, warns and puts the focus on its edit.
  auto refuse = [this](const QString& text, QWidget* focus) {
    env_.sounds->Warning();
    env_.dialogs->Warning(text);
    if (focus) focus->setFocus();
  };
  if (EditQRAlocator->text().isEmpty() || EditLattitude->text().isEmpty() ||
      EditLongitude->text().isEmpty())
    return refuse(msg::EnterLocator(), EditQRAlocator);
  if (EditAltitude->text().isEmpty()) return refuse(msg::EnterAltitude(), EditAltitude);
  if (EditLocalUTC->text().isEmpty()) return refuse(msg::EnterLocalUtc(), EditLocalUTC);
  if (!ParseStationBlock()) return refuse(msg::EnterLocator(), EditQRAlocator);
  activeGroup_ = PageControlGroupe->currentIndex() + 1;
  if (GroupFileEdit(activeGroup_)->text().isEmpty())
    return refuse(msg::EnterElementFile(), GroupFileEdit(activeGroup_));
  if (SelectedName(activeGroup_, 1).isEmpty())
    return refuse(msg::ChooseSatellites(kGroupSelectionSize), GroupList(activeGroup_));

  // 3. Accepted.
  updatingControls_ = true;
  EditQRAlocator->setText(EditQRAlocator->text().toUpper());
  updatingControls_ = false;
  station_.locator = EditQRAlocator->text();
  search_.minimumElevation = SpinEditElevation->value();
  if (SettingsPanelShowing()) {
    RecordSettingsGeometry();
    MenuRename->setEnabled(false);
    if (formRename_->isVisible()) formRename_->hide();
  }
  for (int g = 1; g <= kGroupCount; ++g)
    MenuGroupeN[g - 1]->setChecked(SameSelection(g, activeGroup_));
  SetGroupMenuEntry(activeGroup_, true, true);
  ClearSlotResults();
  downloads_->CloseDownloadWindow();
  EnterCompactFace();
  LoadAllSlots();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Closing the window is one more road into the quit procedure.
  if (quitDone_) {
    event->accept();
    return;
  }
  event->ignore();
  MenuQuitterClick();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // Esc closes the window, whatever control has the focus, unless the explorer's image
  // panel is up.
  if (event->key() == Qt::Key_Escape && !PanelImage->isVisible()) {
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace app
