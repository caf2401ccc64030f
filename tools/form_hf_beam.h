#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "tools/hf_beam.h"
#include "tools/tool_window_environment.h"
#include "tracking/rotator_types.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLCDNumber;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace base {
class Dialogs;
}

namespace tools {

class TFormFavorites;
class TFormHelpMyList;

inline constexpr int kFavouriteButtons = 6;

// What the HF beam window keeps in the settings file.
struct HfBeamSettings {
  std::array<int, kFavouriteButtons> favouriteAzimuth{};      // FAV1AZ=..FAV6AZ=
  std::array<QString, kFavouriteButtons> favouriteText{};     // FAV1TXT=..FAV6TXT=
  QString myList;                                             // MYLIST=
};

// The main window's part beyond the sun and moon windows' environment.
struct HfBeamEnvironment {
  ToolWindowEnvironment tools;
  base::Dialogs* dialogs = nullptr;
  // The chosen interface (nothing when none) and its label for the caption.
  std::function<std::optional<tracking::Interface>()> selectedInterface;
  std::function<QString()> interfaceLabel;
  // The file dialog for the user list: a path, or empty when cancelled.
  std::function<QString()> chooseUserList;
  // The DXCC entries (default: the program's own list).
  std::function<std::vector<QStringList>()> dxccList;
};

// "AZ BEAM": great-circle headings from the station to a place of one of five lists,
// favourites, long path, and the azimuth sent to the rotator on demand.
class TFormHFBeam : public QWidget {
  Q_OBJECT
 public:
  explicit TFormHFBeam(HfBeamEnvironment environment, QWidget* parent = nullptr);
  ~TFormHFBeam() override;

  // The five lists, in the order of their buttons.
  enum ListKind { ListDxcc, ListCb, ListUs, ListFr, ListMy, kListCount };

  std::array<QToolButton*, kListCount> ListButtons{};
  std::array<QComboBox*, kListCount> ListBoxes{};
  QToolButton* SpeedButtonDXCC = nullptr;
  QToolButton* SpeedButtonCB = nullptr;
  QToolButton* SpeedButtonUS = nullptr;
  QToolButton* SpeedButtonFR = nullptr;
  QToolButton* SpeedButtonMY = nullptr;
  QComboBox* ComboBoxListDX = nullptr;
  QComboBox* ComboBoxListCB = nullptr;
  QComboBox* ComboBoxListUS = nullptr;
  QComboBox* ComboBoxListFR = nullptr;
  QComboBox* ComboBoxListMy = nullptr;
  QToolButton* ImageHelp = nullptr;
  QLabel* LabelDX = nullptr;
  QLineEdit* EditDXLattitude = nullptr;
  QLineEdit* EditDXLongitude = nullptr;
  QCheckBox* CheckBoxLattitudeNordDX = nullptr;
  QCheckBox* CheckBoxLattitudeSudDX = nullptr;
  QCheckBox* CheckBoxLongitudeEstDX = nullptr;
  QCheckBox* CheckBoxLongitudeOuestDX = nullptr;
  QLabel* LabelAzimuth = nullptr;
  QLabel* LabelDistance = nullptr;
  QLineEdit* EditAzimuth = nullptr;
  QLineEdit* EditDistance = nullptr;
  QLCDNumber* LCDAzi = nullptr;
  QLineEdit* EditAzimut = nullptr;  // hidden: the commanded azimuth
  QSpinBox* UpDownAzi = nullptr;
  QLabel* ImageCompass = nullptr;
  QLabel* ImageLamp = nullptr;
  QToolButton* SpeedButtonLP = nullptr;
  std::array<QPushButton*, kFavouriteButtons> Button{};  // Button1..Button6
  QToolButton* SpeedButtonTrackHF = nullptr;
  QPushButton* BitBtnStop = nullptr;
  QTimer* TimerBlink = nullptr;
  QTimer* TimerTrackOK = nullptr;

  void LoadSettings(const HfBeamSettings& settings);
  const HfBeamSettings& Settings() const { return settings_; }
  // Every list is written again with `separator` (TAB, "_", "/" or "=").
  void SetListSeparator(QChar separator);
  void ApplyLanguage();

  // The list buttons and a list's choice.
  void ShowList(int kind);
  void ListEntryChosen(int kind, int index);
  // Right button of "MY LIST": the file dialog, then the list from that file.
  void SpeedButtonMYRightClick();
  bool LoadUserList(const QString& path);
  void ImageHelpClick();
  void SpeedButtonLPClick();
  void FavouriteClick(int n);  // 0..5
  void OpenFavorites();
  void SpeedButtonTrackHFClick();
  void BitBtnStopClick();
  // Azimuth command off: button up, rotators stopped (also the other sources' release).
  void StopTracking();
  bool Tracking() const { return tracking_; }

  // The commanded azimuth 0..359 (display, compass, rotator when command is on).
  void SetAzimuth(int azimuth);
  int Azimuth() const { return azimuth_; }
  std::optional<PlacePosition> DxPosition() const { return dx_; }
  bool LampOn() const { return lampOn_; }
  TFormFavorites* Favorites() const { return favorites_; }
  TFormHelpMyList* HelpMyList() const { return helpMyList_; }
  // The compass picture as drawn (for tests and pictures).
  QImage CompassImage() const;

 signals:
  void Closed(const QPoint& position);                 // DISPLAY_HF=, the menu item unticked
  void SettingsChanged(const tools::HfBeamSettings& settings);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Build();
  void FillList(int kind);
  void FillLists();
  void ComputeGreatCircle();
  void AzimuthEdited(int value);
  void DrawCompass();
  void SendAzimuth();
  void TimerBlinkTimer();
  void TimerTrackOKTimer();
  void ShowLamp(bool on);
  void FavouritesAccepted(const std::array<int, kFavouriteButtons>& azimuths,
                          const std::array<QString, kFavouriteButtons>& texts);
  void UpdateFavouriteCaptions();

  HfBeamEnvironment env_;
  HfBeamSettings settings_;
  QChar separator_ = QLatin1Char('\t');
  std::array<std::vector<QStringList>, kListCount> lists_;
  QString loadedList_;  // the file the user list was read from
  int shownList_ = ListDxcc;
  std::optional<PlacePosition> dx_;
  int azimuth_ = 0;
  bool tracking_ = false;
  bool lampOn_ = false;
  bool settingAzimuth_ = false;
  TFormFavorites* favorites_ = nullptr;
  TFormHelpMyList* helpMyList_ = nullptr;
};

}  // namespace tools
