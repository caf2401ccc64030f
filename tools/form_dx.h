#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "base/clock.h"
#include "base/sounds.h"
#include "prediction/pass_slot.h"
#include "tools/covisibility.h"
#include "tools/dxcc_list.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QToolButton;

namespace tools {

// The DX station as the settings file keeps it.
struct DxSettings {
  QString locator;    // QRA_LOCATOR_DX=
  QString latitude;   // LATTITUDE_DX=, "N"/"S" + degrees
  QString longitude;  // LONGITUDE_DX=, "W"/"E" + degrees
  QString altitude;   // ALTITUDE_DX=
  QString lastDxcc;   // LAST_DXCC=
  QChar separator = QLatin1Char('\t');  // SEPDXCC=
};

// What the DX window reads of the main window, each hook when it needs it.
struct DxWindowEnvironment {
  const base::Clock* clock = nullptr;  // local time
  base::Sounds* sounds = nullptr;
  base::Dialogs* dialogs = nullptr;
  std::function<const prediction::PassSlot*()> shownSlot;  // nullptr: no pass shown
  std::function<QString()> satelliteName;
  std::function<double()> localOffsetHours;  // local minus UTC
  std::function<bool()> utcDisplay;          // the main window shows UTC
  bool* computationBusy = nullptr;           // the main window's pass computation
  std::function<DxSettings()> readSettings;
  std::function<void(const DxSettings&)> writeSettings;
  std::function<std::vector<DxccEntry>()> places;  // the DXCC list
};

// "DX via <satellite>": when the DX station also sees the shown pass.
class TFormDX : public QWidget {
  Q_OBJECT
 public:
  explicit TFormDX(DxWindowEnvironment environment, QWidget* parent = nullptr);

  QLineEdit* EditQRALocator = nullptr;
  QLineEdit* EditLattitude = nullptr;
  QLineEdit* EditLongitude = nullptr;
  QLineEdit* EditAltitude = nullptr;
  QCheckBox* CheckBox_Lattitude_Nord = nullptr;
  QCheckBox* CheckBox_Lattitude_Sud = nullptr;
  QCheckBox* CheckBox_Longitude_Ouest = nullptr;
  QCheckBox* CheckBox_Longitude_Est = nullptr;
  QComboBox* ComboBoxListDX = nullptr;
  QToolButton* SpeedButtonDef = nullptr;
  QToolButton* SpeedButtonUnderscore = nullptr;
  QToolButton* SpeedButtonSlash = nullptr;
  QToolButton* SpeedButtonEgal = nullptr;
  QPushButton* ButtonConv = nullptr;
  QToolButton* SpeedButtonNext = nullptr;
  QToolButton* SpeedButtonBefore = nullptr;
  QToolButton* SpeedButtonSynchro = nullptr;  // the station's list follows this one's dates
  QPushButton* BitBtn_OK_Location = nullptr;
  QPushButton* BitBtnCancelDX = nullptr;
  QLabel* LabelEphemeridesDX = nullptr;
  QListWidget* ListBoxEphemeridsDX = nullptr;
  QTimer* TimerSecondeDX = nullptr;

  void ApplyLanguage();
  // The main window's "DX" button beside the map's, and its hint.
  static QString ButtonText();
  static QString ButtonHint();
  void BitBtn_OK_LocationClick();
  void SpeedButtonNextClick();
  void SpeedButtonBeforeClick();
  void TimerSecondeDXTimer();
  // The map's right click chose a new DX station: the fields follow the settings again.
  void DxStationHandedOver();
  // A separator chosen elsewhere (or read at start): the list is rewritten with it.
  void SetListSeparator(QChar separator);

  // The listed covisibility (empty when none) and where the list's top row stands (UTC
  // date-time value; 0 when no row is listed).
  const Covisibility& Listed() const { return listed_; }
  Real TopRowTime() const;
  int StackSize() const { return stack_.Size(); }

 signals:
  void Closed(const QRect& geometry);         // DISPLAY_DX=
  void SynchroToggled(bool on);               // SYNCHRO=
  void ConverterRequested();                  // ButtonConv
  void SeparatorChosen(QChar separator);      // every place list is rewritten
  void TopRowChanged();                       // the list scrolled or was refilled

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWidgets();
  void Connect();
  void FillFields();
  void FillPlaces();
  void LocatorEdited();
  void CoordinateEdited(QLineEdit* edit);
  void StoreCoordinates();
  void PlaceChosen(int index);
  void ChooseSeparator(QChar separator);
  void Store();
  QString Missing() const;
  void ShowMessage(const QString& text);
  // Lists the covisibility from `fromUtc` (the pass start without it); false when none.
  bool Compute(bool fromPassStart, Real fromUtc = 0);
  void ListRows();
  QString Signature() const;
  Real NowUtc() const;

  DxWindowEnvironment env_;
  DxSettings settings_;
  std::vector<DxccEntry> places_;
  QButtonGroup* latitudeBoxes_ = nullptr;
  QButtonGroup* longitudeBoxes_ = nullptr;
  Covisibility listed_;
  CovisibilityStack stack_;
  QString signature_;
  int selectedRow_ = -1;
  bool filling_ = false;
};

// The list header of the time scale shown.
QString DxHeader(bool utc);

}  // namespace tools
