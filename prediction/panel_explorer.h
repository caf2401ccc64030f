#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "base/sounds.h"
#include "prediction/pass_navigation.h"
#include "prediction/pass_search.h"
#include "prediction/pass_slot.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QToolButton;
class QPushButton;
class QVBoxLayout;

namespace prediction {

// What the explorer takes from the main window, which owns the slots and the tick.
struct ExplorerEnvironment {
  SlotTable* slotTable = nullptr;
  SearchContext* search = nullptr;
  base::Sounds* sounds = nullptr;
  base::Dialogs* dialogs = nullptr;
  std::function<bool()> timerRunning;          // the one-second timer is on
  std::function<void(bool)> setTimerRunning;   // switch it on or off
  std::function<void()> stopTracking;          // stop tracking, send every rotator's stop
  std::function<int()> currentYear;            // for the epoch year of the memo
};

// Why ShowEphemeris runs: a click asks for a slot that must have a pass; the others
// redisplay the shown slot whatever its search found.
enum class ShowReason { Click, Navigation, Refresh, Redisplay };

// Map points kept by the table: sub-satellite latitude, west longitude, distance (km).
struct ExplorerMapPoint {
  Real latitude = 0;
  Real westLongitude = 0;
  Real distance = 0;
};

// The explorer panel of the main window: satellite memo and ephemeris table of the
// shown slot, with the pass navigation, the UTC switch and the save command.
class PanelExplorer : public QWidget {
  Q_OBJECT
 public:
  explicit PanelExplorer(ExplorerEnvironment environment, QWidget* parent = nullptr);

  // ----- Interfaces (names of the original handlers).
  bool ShowEphemeris(int requestedSlot, ShowReason reason = ShowReason::Click);
  void NextPass();
  void PreviousPass();
  void FirstPass();
  void SelectRow(int row);  // 0-based row of the list
  void ToggleTrackingLine(bool on);
  void CloseExplorer();
  void RefreshShownPass();
  bool SaveEphemeris();
  void SetUtcDisplay(bool utc);
  void ClearNavigation() { history_.Clear(); }  // a slot was clicked
  void ApplyLanguage();
  // The hand-over of the calculation date (`EditDateOrigineChange`).
  void SetCalculationDate();

  // Places a widget of the main window (PanelImage, the map and DX buttons, the mode
  // selector) under the satellite memo.
  void AddSideWidget(QWidget* widget);

  // ----- Seams: the file name asked before saving (empty = cancelled).
  void SetSaveFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }

  // ----- For the tick, the Doppler, the map and the other windows.
  int ShownSlot() const { return shownSlot_; }
  int PreviousSlot() const { return previousSlot_; }
  bool IsOpen() const { return open_; }
  bool UtcDisplay() const { return utc_; }
  const std::vector<std::string>& LocalRows() const { return localRows_; }  // row table
  const std::vector<std::string>& ShownRows() const { return shownRows_; }
  int RowCount() const { return static_cast<int>(localRows_.size()); }
  long long DopplerNow(Real nowLocal) const;
  NavigationHistory& History() { return history_; }
  bool TrackingLineOn() const;
  // The tick's current-minute highlight (-1 = none).
  void HighlightRow(int row);
  int HighlightedRow() const { return highlightedRow_; }
  void SetSatelliteVisible(bool visible);
  ExplorerMapPoint CurrentPoint() const { return currentPoint_; }
  ExplorerMapPoint SelectedPoint() const { return selectedPoint_; }
  QString MapPassText() const { return mapPassText_; }  // first 20 characters of row 1
  QString SelectedLabel() const { return selectedLabel_; }  // 19 characters of a clicked row
  QString SatelliteName() const;
  QString HeaderText() const;      // of the displayed scale, "&&" shown as "&"
  QString FileHeaderText() const;  // single "&" form of the displayed scale

  // ----- Controls (object names are the original's).
  QLabel* LabelPositions = nullptr;
  QListWidget* ListBoxEphemerids = nullptr;
  QLabel* LabelEclipse = nullptr;
  QWidget* PanelMemoSatellite = nullptr;
  QPlainTextEdit* MemoSatellite = nullptr;
  QLabel* LabelSatVisible = nullptr;
  QToolButton* SpeedButtonNext = nullptr;
  QToolButton* SpeedButtonBefore = nullptr;
  QToolButton* SpeedButtonPrevious = nullptr;
  QToolButton* SpeedButtonSurbrillance = nullptr;
  QToolButton* SpeedButtonPrint = nullptr;
  QPushButton* BitBtnClosePanelExplorer = nullptr;
  QLineEdit* EditDateOrigine = nullptr;  // hidden hand-over box of the date window

 signals:
  // The table shows `slot`; `previous` is the slot shown before (0 = none). The main window
  // selects the name in Edit<slot>, whitens the previous line, enables MenuSaveEph, sets
  // `title` as the window title and fills the mode selector.
  void EphemerisShown(int slot, int previous, const QString& title);
  // A navigation or date search changed the slot's text and colour.
  void SlotSearched(int slot);
  // The shown pass changed (orbit view, DX window redraw).
  void ShownPassChanged();
  // The panel closed: hide the print, DX, map, HTML, information, orbit and date windows,
  // disable MenuSaveEph, unselect the slot's name, restore title and size.
  void ExplorerClosed(int previousShownSlot);
  // A clicked row gave the map its selected point; the slot's name is selected again when
  // `reselectName`.
  void RowSelected(int row, bool reselectName);
  void TrackingLineToggled(bool on);
  void PrintButtonToggled(bool down);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildWidgets();
  QVBoxLayout* sideLayout_ = nullptr;
  void FillMemo();
  void FillTable();
  void RefreshHeader();
  bool Navigable();
  void AfterNavigation(NavigationOutcome outcome);
  PassSlot* Shown();
  const PassSlot* Shown() const;
  QString DefaultSaveFile();

  ExplorerEnvironment env_;
  NavigationHistory history_;
  std::function<QString()> chooseFile_;
  int shownSlot_ = 0;
  int previousSlot_ = 0;
  bool open_ = false;
  bool utc_ = false;
  bool eclipseShown_ = false;
  bool satelliteVisible_ = false;
  int highlightedRow_ = -1;
  std::vector<std::string> localRows_;
  std::vector<std::string> shownRows_;
  std::vector<int> shownDoppler_;
  std::vector<ExplorerMapPoint> rowPoints_;
  ExplorerMapPoint currentPoint_;
  ExplorerMapPoint selectedPoint_;
  QString mapPassText_;
  QString selectedLabel_;
};

}  // namespace prediction
