#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/countdown_slot.h"
#include "app/groups.h"
#include "app/form1_seams.h"
#include "app/languages.h"
#include "app/settings.h"
#include "app/station.h"
#include "base/catalogue_translator.h"
#include "base/clock.h"
#include "base/sounds.h"
#include "prediction/pass_search.h"
#include "prediction/pass_slot.h"
#include "prediction/prediction_language.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QToolButton;
class QWidget;
class QHBoxLayout;
class QKeyEvent;

namespace tools {
class TFormConv;
class TFormDX;
class TFormHFBeam;
class TFormLune;
class TFormOrbit;
class TFormSoleil;
struct ToolStation;
}  // namespace tools

namespace tracking {
class AntennaSources;
class PageControlAntenne;
class PortIo;
class PrinterPortBank;
class ReportSink;
class RotatorBank;
class StationAutomation;
class TFormAlarm;
class TFormExtraInfo;
class TFormInfo;
class TrackingController;
class TrackingOptions;
struct AntennaSetup;
struct CommandState;
struct PassContext;
struct TickOutput;
}  // namespace tracking

namespace map {
class TFormMap;
struct MapFeed;
struct MapSettings;
}  // namespace map

namespace tracking {
struct TrackingHost;
}  // namespace tracking

namespace sharing {
class DdeServer;
class GroupBoxServer;
class SharingReportSink;
class TcpServer;
}  // namespace sharing

namespace app::download {
class DownloadDesk;
}  // namespace app::download

namespace prediction {
class PanelExplorer;
class TFormDate;
class TFormPRINT;
class TForm24H;
}  // namespace prediction

namespace app {

class LanguageWindows;
class TFormDialog;
class TFormRename;
class SatelliteListWidget;

// What the main window takes from outside: the clock, sounds, dialogs, the program's
// folder and the road out of the program. Tests hand in their doubles.
struct Form1Environment {
  base::Clock* clock = nullptr;
  base::Sounds* sounds = nullptr;
  base::Dialogs* dialogs = nullptr;
  QString programFolder;            // absolute, without a trailing separator
  std::function<void()> terminate;  // ends the process after a completed quit
  Form1Seams seams;                 // subsystems that later windows provide
  // Rotator transports, port list, printer-port I/O and the report's listeners;
  // nullptr (or nothing) means the real ones: serial ports, the detected list, the
  // system's printer ports and nobody listening.
  tracking::RotatorBank* rotatorBank = nullptr;
  std::optional<QStringList> serialPorts;
  tracking::PortIo* portIo = nullptr;
  tracking::ReportSink* reportSink = nullptr;
};

// The main window: settings panel, compact pass list and explorer.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(Form1Environment environment, QWidget* parent = nullptr);
  ~TForm1() override;

  // ----- Program-wide flags of the start-up.
  bool WindowsReady = false;  // set by the program entry once every window exists
  bool SilentAction = false;  // start-up code is triggering menu commands itself
  QString CurrentLanguage = QStringLiteral("English");
  Real ScaleFactor = 1;

  // ----- Handlers named after the original form; tests call them directly too.
  void TimersecondeTimer();
  void TimerBlinkTimer();
  void TimerFinCreateTimer();
  void MenuInitialisationClick();
  void ShowSettingsPanel();
  void BitBtn_OK_LocationClick();
  void MenuQuitterClick();
  void PageControlGroupeChange();
  void LoadGroupFile();
  void SelectGroup(int group);
  void MenuRenameClick();
  void SwitchLanguage(Language language);
  // The open windows a switch refreshes, in their order; another window registers here.
  LanguageWindows& LanguageWindowList() { return *languageWindows_; }
  void ShowSlot(int slot);

  // ----- Faces.
  bool SettingsPanelShowing() const;
  bool CompactListShowing() const;
  bool ExplorerShowing() const;
  bool Quitting() const { return quitting_; }
  bool Computing() const { return loadingSlots_; }

  // ----- State for the other windows and the tests.
  const prediction::SlotTable& Slots() const { return slots_; }
  const StationRecord& Station() const { return station_; }
  const Settings& CurrentSettings() const { return settings_; }
  int ActiveGroup() const { return activeGroup_; }
  int AlarmBeepCount() const { return alarmBeepCount_; }
  TFormDialog* DialogWindow() const { return formDialog_; }
  TFormRename* RenameWindow() const { return formRename_; }
  QListWidget* GroupList(int group) const;  // group 1..10
  QLineEdit* GroupFileEdit(int group) const;
  const GroupTable& Groups() const { return settings_.groups; }
  const RenameTable& Renames() const { return settings_.renames; }
  QString SelectedName(int group, int slot) const;
  QString HelpFile() const { return helpFile_; }
  bool MinuteChanged() const { return minuteChanged_; }

  // ----- Controls (object names are the original form's).
  QWidget* faces = nullptr;  // holds the settings panel and the pass-list face
  QWidget* PanelLocator = nullptr;
  QLabel* LabelInitialisation = nullptr;
  QGroupBox* GroupBoxStation = nullptr;
  QLabel* LabelLocator = nullptr;
  QLabel* LabelLattitude = nullptr;
  QLabel* LabelLongitude = nullptr;
  QLabel* LabelAltitude = nullptr;
  QLabel* LabelLocalUTC = nullptr;
  QLineEdit* EditQRAlocator = nullptr;
  QLineEdit* EditLattitude = nullptr;
  QLineEdit* EditLongitude = nullptr;
  QCheckBox* CheckBox_lattitude_Nord = nullptr;
  QCheckBox* CheckBox_lattitude_Sud = nullptr;
  QCheckBox* CheckBox_longitude_Ouest = nullptr;
  QCheckBox* CheckBox_longitude_Est = nullptr;
  QLineEdit* EditAltitude = nullptr;
  QLineEdit* EditLocalUTC = nullptr;
  QPushButton* ButtonConv = nullptr;
  QGroupBox* GroupBoxSatellite = nullptr;
  QTabWidget* PageControlGroupe = nullptr;
  std::array<QWidget*, kGroupCount> TabSheetG{};
  std::array<QLineEdit*, kGroupCount> EditFichier2LignesG{};
  std::array<QPushButton*, kGroupCount> ButtonParcourirFichier2lignesG{};
  std::array<SatelliteListWidget*, kGroupCount> ListBoxSatellitesG{};
  QPushButton* BitBtnNomGroupe = nullptr;
  QWidget* PanelNomGroupe = nullptr;
  QLineEdit* EditNomGroupe = nullptr;
  QPushButton* BitBtnOKNomGroupe = nullptr;
  QPushButton* BitBtnCancelNomGroupe = nullptr;
  QToolButton* SpeedButtonRAZ = nullptr;
  QLabel* StaticTextStatus = nullptr;
  QGroupBox* GroupBoxAntenna = nullptr;
  QGroupBox* GroupBoxOptions = nullptr;
  QLabel* LabelElevation = nullptr;
  QSpinBox* SpinEditElevation = nullptr;
  QCheckBox* CheckBoxAlarme = nullptr;
  QLabel* LabelDureeAlarme = nullptr;
  QSpinBox* SpinEditDureeAlarme = nullptr;
  QCheckBox* CheckBoxPreVisu = nullptr;
  QLabel* LabelPreVisu = nullptr;
  QSpinBox* SpinEditPreVisu = nullptr;
  QPushButton* BitBtn_OK_Location = nullptr;

  QWidget* PanelMain = nullptr;
  QGroupBox* GroupBoxPrevisions = nullptr;
  QLabel* LabelVisiSat = nullptr;
  std::array<QLineEdit*, prediction::kSlotCount> Edit{};  // Edit1..Edit15
  QLineEdit* EditDate = nullptr;
  QLineEdit* EditTime = nullptr;
  QWidget* PanelExplorer = nullptr;
  QWidget* PanelImage = nullptr;
  QToolButton* SpeedButton24h = nullptr;
  QToolButton* Image1 = nullptr;  // in PanelImage: toggles the normal and reduced size
  QLabel* LabelTU = nullptr;      // "UTC" beside the clock while MenuTU is checked
  prediction::PanelExplorer* Explorer() const { return explorer_; }
  prediction::TForm24H* Chart24Window() const { return form24h_; }
  prediction::TFormDate* DateWindow() const { return formDate_; }
  prediction::TFormPRINT* PrintWindow() const { return formPrint_; }
  map::TFormMap* MapWindow() const { return formMap_; }
  QToolButton* SpeedButtonMap = nullptr;
  void SpeedButtonMapClick(bool down);

  // ----- Tracking (explorer face) and the antenna settings (settings panel).
  QPushButton* BitBtnAntenne = nullptr;
  tracking::PageControlAntenne* PageControlAntenne = nullptr;
  tracking::TrackingOptions* TrackingOptionsBox = nullptr;  // overlap, 360° stop, resume
  QGroupBox* GroupBoxTrack = nullptr;
  QLabel* LabelTrack = nullptr;
  QLineEdit* EditElevation = nullptr;
  QLineEdit* EditAzimut = nullptr;
  QToolButton* SpeedButtonTrack = nullptr;
  QToolButton* SpeedButtonPark = nullptr;
  QGroupBox* GroupBoxDoppler = nullptr;
  QComboBox* ComboBoxMode = nullptr;
  QLabel* LabelRXfreq = nullptr;
  QLabel* LabelTXFreq = nullptr;
  QLineEdit* EditDoppler = nullptr;
  QLineEdit* EditTXDoppler = nullptr;
  QLabel* LabelRXDoppler = nullptr;
  QLabel* LabelTXDoppler = nullptr;
  tracking::TFormAlarm* AlarmWindow() const { return formAlarm_; }
  tracking::TrackingController& Tracking() { return *tracking_; }
  const tracking::CommandState& RotatorCommandState() const { return *commandState_; }
  void SpeedButtonTrackClick();
  void SpeedButtonParkClick();
  void LabelTrackDblClick();
  void BitBtnAntenneClick();
  void ComboBoxModeClick(int index);

  // ----- DX station, converter and orbit view (form1_dx.cpp).
  tools::TFormDX* DxWindow() const { return formDx_; }
  tools::TFormConv* ConverterWindow() const { return formConv_; }
  tools::TFormOrbit* OrbitWindow() const { return formOrbit_; }
  QToolButton* SpeedButtonSked = nullptr;   // "DX": shows or hides the DX window
  QToolButton* SpeedButtonOrbit = nullptr;  // shows or hides the orbit view
  bool DxSynchronised() const { return dxSynchro_; }

  // ----- Sun and moon windows (form1_tools.cpp).
  tools::TFormSoleil* SunWindow() const { return formSoleil_; }
  tools::TFormLune* MoonWindow() const { return formLune_; }
  tracking::AntennaSources& Sources() { return *antennaSources_; }
  void MenuSoleilClick();
  void MenuLuneClick();

  // ----- HF beam headings (form1_hf.cpp).
  tools::TFormHFBeam* HfBeamWindow() const { return formHfBeam_; }
  void MenuHFBeamClick();
  // ----- Radio modes and notes of the shown satellite (form1_radio.cpp).
  QPushButton* BitBtnInfoSat = nullptr;   // "+": TFormExtraInfo
  QPushButton* BitBtnInfoPlus = nullptr;  // "I": TFormInfo
  tracking::TFormExtraInfo* ExtraInfoWindow() const { return formExtraInfo_; }
  tracking::TFormInfo* InfoWindow() const { return formInfo_; }
  void MemoSatelliteClick();
  void BitBtnInfoPlusClick();
  // Writes the shown satellite's section of "Orvane.dat" unless "Save info" is
  // unchecked; false (after the message) when the write failed.
  bool SaveSatelliteData();

  // ----- Data sharing: the server group of the settings panel and the report road that
  // the tick and the moon window publish through (the DDE item and the TCP clients).
  QPushButton* BitBtnServer = nullptr;
  sharing::GroupBoxServer* GroupBoxServer = nullptr;
  sharing::TcpServer& TcpServer() { return *tcpServer_; }
  sharing::DdeServer& DdeServer() { return *ddeServer_; }
  tracking::ReportSink& Reports();
  void BitBtnServerClick();

  // ----- Element download, age alarm, release check and about window.
  QPushButton* BitBtnWEB = nullptr;
  download::DownloadDesk& Downloads() { return *downloads_; }
  void BitBtnWEBClick();

  QMenu* MenuFichier = nullptr;
  QAction* MenuRename = nullptr;
  QAction* MenuSaveEph = nullptr;
  QAction* MenuNoChecksum = nullptr;
  QAction* MenuNoConfirm = nullptr;
  QAction* MenuQuitter = nullptr;
  QAction* MenuInitialisation = nullptr;
  QMenu* MenuGroupe = nullptr;
  std::array<QAction*, kGroupCount> MenuGroupeN{};  // MenuGroupe1..MenuGroupe10
  QAction* MenuLune = nullptr;
  QAction* MenuSoleil = nullptr;
  QAction* MenuHFBeam = nullptr;
  QMenu* Menulangue = nullptr;
  QAction* MenuEnglish = nullptr;
  QAction* MenuEspagnol = nullptr;
  QAction* MenuFrancais = nullptr;
  QAction* MenuDeutsch = nullptr;
  QAction* MenuItalien = nullptr;
  QMenu* MenuOptions = nullptr;
  QAction* MenuDateCalcul = nullptr;
  QAction* MenuTU = nullptr;
  QAction* MenuDisplay24h = nullptr;
  QMenu* MenuFenetre = nullptr;
  QAction* MenuFenetreNormale = nullptr;
  QAction* MenuFenetreReduite = nullptr;
  QMenu* MenuInformation = nullptr;
  QAction* menugettingstarted = nullptr;
  QAction* MenuAide = nullptr;
  QAction* MenuAPropos = nullptr;
  QAction* MenuInfoVersion = nullptr;
  QAction* MenuEME = nullptr;

  QTimer* Timerseconde = nullptr;
  QTimer* TimerBlink = nullptr;
  QTimer* TimerFinCreate = nullptr;

 signals:
  // A slot line was clicked or entered; the explorer shows it.
  void SlotActivated(int slot);
  // The language changed outside the start-up: open windows apply it.
  void LanguageSwitched();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // form1_build.cpp
  void BuildWidgets();
  QWidget* BuildSettingsPanel();
  QWidget* BuildStationBox();
  QWidget* BuildGroupBox();
  QWidget* BuildOptionsBox();
  QWidget* BuildPassList();
  void BuildTimers();
  // form1_menus.cpp
  void BuildMenus();
  void Retranslate();
  void RetranslateMessages();
  void RefreshPassListTitle();
  void MenuGroupeClick();
  // form1_window_size.cpp
  void BuildWindowSizeControls();
  void RetranslateWindowSize();
  void ExplorerSizeToggled(bool normal);
  // form1_languages.cpp
  void BuildLanguageWindows();
  void FitWindowToTexts();
  // form1_help.cpp
  void ConnectHelp();
  void ApplyMenuGroupStates();
  // form1_startup.cpp
  void FormCreate();
  bool SettingsComplete() const;
  bool ParseStationBlock();
  bool TimeZoneChanged();
  void EnterCompactFace();
  void EnterSettingsFace();
  void ApplySettingsToControls();
  void CollectSettingsFromControls();
  void InstallSampleElementFile();
  QString ProgramFile(const QString& name) const;
  void ShowFace(QWidget* face);
  QString VersionCaption() const;
  // form1_settings.cpp
  void ApplyGroupMenuFromSettings();
  void CaptureGeometryForSave();
  // form1_station.cpp
  void ConnectStation();
  void ApplyStationEdit(QLineEdit* edited, const StationEdit& result);
  void EditQRAlocatorChange();
  void EditLattitudeChange();
  void EditLongitudeChange();
  void EditAltitudeChange();
  void EditLocalUTCChange();
  void HemisphereClick(HemisphereBox box, bool checked);
  StationTexts CurrentStationTexts() const;
  // form1_groups.cpp
  void ConnectGroups();
  void FillGroupList(int group, const GroupFileResult& file);
  // The warning for OMM records skipped as damaged and for a file unreadable past a line.
  static QString DamagedElementsText(const GroupFileResult& file, const QString& fileName);
  Group& GroupRecord(int group);
  void ListBoxSatellitesMouseUp(int group, Qt::MouseButton button, const QPoint& position);
  void ButtonParcourirFichier2lignesClick(int group);
  void EditFichier2LignesChange(int group);
  void BitBtnNomGroupeClick();
  void BitBtnOKNomGroupeClick();
  void BitBtnCancelNomGroupeClick();
  void SpeedButtonRAZClick();
  void SelectGroupEntries(int group);
  void SetGroupMenuEntry(int group, bool enabled, bool checked);
  bool SameSelection(int a, int b) const;
  void SortRenames();
  void RenameAccepted(const RenameTable& rows);
  void OpenRenameWindow(const QString& pendingName, const QString& pendingNumber);
  void WriteDataFile(const QString& name, const std::vector<std::string>& lines, bool readOnly);
  // form1_passes.cpp
  void LoadAllSlots();
  void SearchSlot(int index);
  void ShowSlotText(int index);
  void ApplySlotColour(int index, std::uint32_t rgb);
  void ClearSlotResults();
  void RefreshSearchContext();
  void RaiseAlarmForSlot(int index);
  void ShowClock(Real now);
  void SlotKeyDown(int index, QKeyEvent* event);
  // form1_explorer.cpp
  prediction::PanelExplorer* BuildExplorer();
  void ConnectExplorer();
  void EnterExplorerFace();
  void RecordExplorerGeometry();
  void SaveExplorerSettings();
  void ApplyExplorerSettings();
  bool ExplorerSlotKey(int index, QKeyEvent* event);
  // form1_tracking.cpp
  void BuildTracking();
  QWidget* BuildTrackBox();
  QWidget* BuildDopplerBox();
  void RetranslateTracking();
  void RestoreAntennaInterface();
  // form1_printer_port.cpp
  void BuildPrinterPorts();
  void PrinterPortStartUp();
  bool PrinterPortsUsable() const;
  void StoreAntennaSettings();
  void TrackingTick(bool shownSlotRecomputed);
  void StationAutomationTick(const prediction::PassSlot* slot, const tracking::TickOutput& out);
  void BeforeExplorerRebuild();
  void AfterExplorerRebuild();
  void StopTrackingForSettings();
  void ParkAndStopRotatorsForQuit();
  void FillModeBox();
  void SelectModeLetter(char letter);
  QString MemoFirstLine() const;
  tracking::PassContext CurrentPassContext() const;
  // form1_tools.cpp
  void BuildTools();
  tools::ToolStation ToolStationRecord() const;
  bool ToolStationReady();
  void HideToolWindows();
  void ReopenMoonWindow();
  // form1_dx.cpp
  void BuildDx();
  void DxStationSetOnMap();
  void SynchroniseDxDates();
  void HideDxWindows();
  void DeleteDxWindows();
  // form1_hf.cpp
  void BuildHfBeam();
  // form1_map.cpp
  void BuildMap();
  void ApplyMapSettings();
  void SaveMapSettings();
  void EndMapUpload();  // quit: a running map upload ends and its thread is joined
  void ConnectMapToTick(tracking::TrackingHost& host);
  map::MapFeed MapFeedNow() const;
  // form1_server.cpp
  void BuildServers();
  void RetranslateServer();
  void ApplyServerSettings();
  void CollectServerSettings();
  // form1_download.cpp
  void BuildDownloads();
  void RetranslateDownloads();
  // form1_radio.cpp
  void BuildRadio();
  void RetranslateRadio();
  void LoadRadioFilesAtStart();
  void HideRadioWindows();
  void ExtraInfoAccepted(const orbit::SatRadioData& data);
  void RecomputeShownPassKeepingTracking(const std::function<void()>& beforeResume);
  prediction::PassSlot* ShownRadioSlot();
  // form1_quit.cpp
  void RecordCompactPosition(bool withExtraSize);
  void RecordSettingsGeometry();
  bool SaveConfiguration();

  Form1Environment env_;
  Settings settings_;
  StationRecord station_;
  TranslatingDialogs translatingDialogs_;
  QStringList keys_;  // `SatelliteKeys` of the active group's list
  QString currentElementFile_;
  QString helpFile_;
  prediction::SlotTable slots_;
  prediction::SearchContext search_;
  orbit::ElementContent elementContent_;     // kept content of the active group's file
  std::vector<std::string> radioDataLines_;  // "Orvane.dat"
  std::vector<std::string> notesLines_;      // "Orvane.nfo"
  LanguageSwitcher languages_;
  std::unique_ptr<LanguageWindows> languageWindows_;
  TFormDialog* formDialog_ = nullptr;
  TFormRename* formRename_ = nullptr;
  prediction::PanelExplorer* explorer_ = nullptr;
  prediction::TFormDate* formDate_ = nullptr;
  prediction::TFormPRINT* formPrint_ = nullptr;
  prediction::TForm24H* form24h_ = nullptr;
  map::TFormMap* formMap_ = nullptr;
  std::unique_ptr<map::MapSettings> mapSettings_;
  bool mapRowWaiting_ = false;  // a clicked row for the map's next second
  QHBoxLayout* PassListClockRow = nullptr;
  std::unique_ptr<tracking::RotatorBank> ownBank_;
  tracking::RotatorBank* bank_ = nullptr;
  std::unique_ptr<tracking::CommandState> commandState_;
  std::unique_ptr<tracking::AntennaSetup> antennaSetup_;
  std::unique_ptr<tracking::PortIo> ownPortIo_;
  std::unique_ptr<tracking::PrinterPortBank> printerPorts_;
  std::unique_ptr<tracking::TrackingController> tracking_;
  std::shared_ptr<tracking::StationAutomation> automation_;  // rigctld, AOS/LOS commands
  tracking::TFormAlarm* formAlarm_ = nullptr;
  std::unique_ptr<tracking::AntennaSources> antennaSources_;
  tools::TFormSoleil* formSoleil_ = nullptr;  // own top-level windows, deleted with TForm1
  tools::TFormLune* formLune_ = nullptr;
  tools::TFormDX* formDx_ = nullptr;
  tools::TFormConv* formConv_ = nullptr;
  tools::TFormOrbit* formOrbit_ = nullptr;
  tools::TFormHFBeam* formHfBeam_ = nullptr;
  bool dxSynchro_ = false;       // slot key S: the ephemeris list follows the DX list
  QString orbitDrawnFor_;        // satellite and minute of the orbit view's last drawing
  tracking::TFormExtraInfo* formExtraInfo_ = nullptr;
  tracking::TFormInfo* formInfo_ = nullptr;
  int radioSlot_ = 0;            // the slot TFormExtraInfo was opened for
  std::string radioSatellite_;   // and its satellite
  std::unique_ptr<sharing::TcpServer> tcpServer_;
  std::unique_ptr<sharing::DdeServer> ddeServer_;
  std::unique_ptr<sharing::SharingReportSink> sharingSink_;
  std::unique_ptr<download::DownloadDesk> downloads_;
  QString memoBeforeRebuild_;
  Real displayedAzimuth_ = 0;  // what EditAzimut shows, in degrees  // first memo line when the explorer is rebuilt

  int activeGroup_ = 1;
  bool settingsFileExisted_ = false;
  bool settingsFileUnread_ = false;  // existed but could not be read: never replaced
  // Window places as the file gave them and as brought onto the screens of this run.
  WindowGeometry geometryAsRead_, geometryAsMended_;
  bool radioDataExisted_ = false;
  bool minuteChanged_ = false;
  bool quitting_ = false;
  bool tickRunning_ = false;  // the one-second tick is in progress
  bool quitDone_ = false;
  bool quitAsking_ = false;
  bool loadingSlots_ = false;
  bool settingsOpenedSinceComputation_ = true;
  int shownSlot_ = 0;
  int computedHeight_ = 0;  // compact height that the last computation gave the window
  int compactBaseWidth_ = 260;
  int slotBoxWidth_ = 217;  // the pass list's width for 23 slot characters
  int compactBaseHeight_ = 350;
  int alarmBeepCount_ = 0;
  std::array<bool, prediction::kSlotCount> slotBlink_{};
  Real previousTickTime_ = 0;
  bool updatingControls_ = false;  // texts set by the program do not re-enter handlers
};

}  // namespace app
