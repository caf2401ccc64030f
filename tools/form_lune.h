#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

#include "tools/coverage.h"
#include "tools/dxcc_list.h"
#include "tools/eme.h"
#include "tools/moon_session.h"
#include "tools/tool_window_environment.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;

namespace tracking {
class ReportSink;
}

namespace tools {

// The EME values the settings file keeps for the moon window.
struct MoonSettings {
  QString ownFrequency = QStringLiteral("1.000");  // F_DOPPLER=, GHz as typed
  QString dxFrequency = QStringLiteral("1.000");   // FDX_DOPPLER=
  QString dxLocator;                               // DX_EME=, empty or six characters
  int bias = 0;                                    // BIAS_EME=
  bool operator==(const MoonSettings&) const = default;
};

struct MoonWindowEnvironment {
  ToolWindowEnvironment tools;
  std::function<tracking::ReportSink*()> reportSink;  // the DDE item and the TCP clients
  std::function<bool()> utcDisplay;                   // the main window's UTC display
  std::function<void(bool utc)> setUtcDisplay;        // click it to match
  std::function<bool()> display24h;                   // 24-hour clock display
  QImage world;       // ImageMercator; empty: the program's own world picture
  std::vector<DxccEntry> dxccList;  // empty: the program's own list
};

// "ORVANE - MOON TRACKING  @locator": the moon for EME work.
class TFormLune : public QWidget {
  Q_OBJECT
 public:
  explicit TFormLune(MoonWindowEnvironment environment, QWidget* parent = nullptr);

  // ----- Settings file.
  void LoadSettings(const MoonSettings& settings);
  MoonSettings StoreSettings() const { return settings_; }
  // List separator of the DX list ("SEPDXCC=": TAB, "_", "/" or "=").
  void SetListSeparator(QChar separator);

  // ----- Handlers.
  void TimerSecondeTimer();
  void TimerEMETimer();
  void BitBtn1Click();  // EME coverage picture; a request while one runs is ignored
  void ButtonCalculClick();
  void SpeedButtonTrackLuneClick();
  void MenuCopyClick();
  void MenuUTCClick();
  void MenuLocalClick();
  void MenuFDopplerClick();
  void ButtonOKFDopplerClick();
  void ComboBoxListDXChange(int index);
  void MenuAideClick();
  // MenuEME of the main window: shows or hides BitBtn1.
  void ToggleCoverageButton();
  // The main window's UTC display changed.
  void SetUtcDisplay(bool utc);
  void StopTracking();     // tracking off: button up, rotators stopped
  void ResumeTracking();   // the 360° step window's Yes
  bool Tracking() const { return tracking_; }
  void ApplyLanguage();

  // ----- State for the main window and the tests.
  const MoonSession& Session() const { return session_; }
  const MoonSecond& LastSecond() const { return second_; }
  bool CoverageRunning() const { return coverageColumn_ >= 0; }
  const QImage& CoverageImage() const { return coverage_; }
  const QImage& BaseImage() const { return Imageoriginale; }
  bool CoverageButtonShown() const { return coverageButtonShown_; }
  bool UtcMode() const { return utc_; }
  // The coverage picture to its end without waiting for the event loop.
  void FinishCoverage();

  // ----- Controls.
  QMenuBar* MainMenu = nullptr;
  QMenu* MenuFile = nullptr;
  QMenu* MenuTime = nullptr;
  QAction* MenuCopy = nullptr;
  QAction* MenuFDoppler = nullptr;
  QAction* MenuQuit = nullptr;
  QAction* menuUTC = nullptr;
  QAction* MenuLocal = nullptr;
  QAction* MenuAide = nullptr;
  QLabel* StaticTextDateTime = nullptr;
  QLabel* LabelAzimuth = nullptr;
  QLabel* LabelElevation = nullptr;
  QLineEdit* EditAzLune = nullptr;
  QLineEdit* EditElLune = nullptr;
  QLabel* LabelInvisible = nullptr;
  QLabel* LabelSubLunar = nullptr;
  QLabel* LabelLongMoon = nullptr;
  QLabel* LabelLatMoon = nullptr;
  QToolButton* SpeedButtonTrackLune = nullptr;
  QLabel* LabelVisibility = nullptr;
  QLabel* LabelMoonrise = nullptr;
  QLabel* LabelMoonriseTime = nullptr;
  QLabel* LabelMoonset = nullptr;
  QLabel* LabelMoonsetTime = nullptr;
  QLabel* LabelWarning = nullptr;
  QLabel* StaticTextDoppler = nullptr;
  QLabel* StaticTextDopplerDX = nullptr;
  QLabel* LabelEphemerids = nullptr;
  QLabel* LabelNota = nullptr;
  QLabel* LabelPositions = nullptr;
  QListWidget* ListBoxEphemerids = nullptr;
  QListWidget* ListBoxDoppler = nullptr;    // hidden
  QListWidget* ListBoxDopplerDX = nullptr;  // hidden
  QPushButton* ButtonCalcul = nullptr;      // hidden
  QLabel* ImageAzimut = nullptr;
  QProgressBar* ProgressBarCalcul = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QFrame* PanelFDoppler = nullptr;
  QLabel* LabelFDoppler = nullptr;
  QLineEdit* EditFDoppler = nullptr;
  QLabel* LabelFDopplerDX = nullptr;
  QLineEdit* EditFDopplerDX = nullptr;
  QLabel* LabelFmax = nullptr;
  QLabel* LabelLocatorDX = nullptr;
  QLineEdit* EditLocatorDX = nullptr;
  QLabel* LabelListDX = nullptr;
  QComboBox* ComboBoxListDX = nullptr;
  QPushButton* ButtonOKFDoppler = nullptr;
  QTimer* TimerSeconde = nullptr;
  QTimer* TimerEME = nullptr;
  QTimer* TimerInitEME = nullptr;
  QImage Imageoriginale;  // base of the coverage picture
  QImage ImageMercator;   // the world

 signals:
  // The window closed: keep its position ("DISPLAY_MOON=") and untick the menu item.
  void Closed(const QPoint& position);
  // The EME settings were changed by the panel.
  void SettingsChanged(const MoonSettings& settings);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // form_lune_build.cpp
  void BuildWidgets();
  QWidget* BuildPositionBox();
  QWidget* BuildCoverageBox();
  QWidget* BuildSettingsPanel();
  void BuildMenus();
  void FillDxList();
  // form_lune.cpp
  MoonInputs Inputs() const;
  void RecomputeTable();
  void FillTableLists();
  void RefreshRowTexts();
  void ShowTableTexts();
  void ShowDopplerTexts(const MoonSecond* second);
  void ShowDateTime(Real nowLocal);
  void StartTracking();
  void RefreshTrackHint();
  QString TimeText(Real utc) const;
  Real NowUtc() const;
  void PublishReport(const MoonSecond& second);
  // form_lune_coverage.cpp
  void CoverageSlice();
  void EndCoverage();

  MoonWindowEnvironment env_;
  MoonSettings settings_;
  Real ownGhz_ = 1;
  Real dxGhz_ = 1;
  QString dxLocator_;
  int bias_ = 0;
  ToolStation station_;
  Real minimumElevation_ = 0;
  bool utc_ = false;
  MoonSession session_;
  MoonSecond second_;
  bool tracking_ = false;
  bool ahnSent_ = false;  // the moon's own once-only flag for the "AH:N" line
  bool coverageButtonShown_ = false;
  QImage coverage_;
  CoverageCentre coverageCentre_;
  int coverageColumn_ = -1;  // next column of a running picture; -1 when none runs
  QTimer* coverageStep_ = nullptr;
  std::vector<DxccEntry> dxcc_;
  QChar listSeparator_ = QLatin1Char('\t');
};

}  // namespace tools
