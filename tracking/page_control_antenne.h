#pragma once

// PageControlAntenne: the antenna settings panel, one tab per rotator interface. It keeps
// the shared AntennaSetup in step with its controls; the senders and the tracking
// controller read that record.

#include <QStringList>
#include <QTabWidget>

#include <array>
#include <functional>
#include <optional>

#include "tracking/antenna_setup.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace base {
class Sounds;
class Dialogs;
}  // namespace base

namespace tracking {

class PrinterPortBank;
class RadioGroup;
class RotatorBank;
class TrackingController;
class TrackingOptions;
struct CommandState;

// "Can't find Movenow.com in the relevant directory. Please check the path." (language text).
QString MovenowMissingMessage();

class PageControlAntenne : public QTabWidget {
  Q_OBJECT
 public:
  struct Environment {
    base::Sounds* sounds = nullptr;
    base::Dialogs* dialogs = nullptr;
    RotatorBank* bank = nullptr;
    PrinterPortBank* printerPorts = nullptr;   // LPT choices; without it they are kept as clicked
    CommandState* state = nullptr;
    AntennaSetup* setup = nullptr;
    TrackingController* controller = nullptr;  // Test buttons
    TrackingOptions* options = nullptr;        // overlap box: enabled state and caption
    std::function<int()> minimumElevation;     // SpinEditElevation, for the hint texts
    std::optional<QStringList> serialPorts;    // default: DetectSerialPorts()
  };

  // The controls of one interface tab; the ones it lacks stay nullptr.
  struct Tab {
    QWidget* sheet = nullptr;
    QCheckBox* select = nullptr;
    RadioGroup* stop = nullptr;
    RadioGroup* elevationRange = nullptr;
    QLabel* stepLabel = nullptr;
    QSpinBox* step = nullptr;
    QSpinBox* azOffset = nullptr;
    QSpinBox* elOffset = nullptr;
    QSpinBox* testAz = nullptr;
    QSpinBox* testEl = nullptr;
    QCheckBox* park = nullptr;
    QPushButton* test = nullptr;
    QPushButton* ok = nullptr;
    RadioGroup* port = nullptr;      // serial ports, or LPT1..LPTx
    QComboBox* baud = nullptr;       // GS-232, EasyComm
    QLineEdit* lptAddress = nullptr;  // printer ports: LPTx address
    QLineEdit* calAz = nullptr;
    QLineEdit* calEl = nullptr;
    QLineEdit* zero = nullptr;
    QRadioButton* range360 = nullptr;
    QRadioButton* range450 = nullptr;
  };

  explicit PageControlAntenne(Environment environment, QWidget* parent = nullptr);

  Tab& Controls(Interface i) { return tabs_[static_cast<std::size_t>(IndexOf(i))]; }
  QLineEdit* EditKctMove = nullptr;
  QCheckBox* CheckBoxTKBHost = nullptr;
  QLineEdit* EditRotctldHost = nullptr;
  QSpinBox* SpinEditRotctldPort = nullptr;
  // The rigctld page: Doppler tuning and the AOS/LOS commands.
  QWidget* TabSheetHamlib = nullptr;
  QCheckBox* CheckBoxRigctld = nullptr;
  QLineEdit* EditRigctldHost = nullptr;
  QSpinBox* SpinEditRigctldPort = nullptr;
  QSpinBox* SpinEditRigctldStep = nullptr;
  QLineEdit* EditAosCommand = nullptr;
  QLineEdit* EditLosCommand = nullptr;
  QLabel* LabelHamlibStatus = nullptr;
  // Faults of the radio's daemon and of the pass commands; empty clears it.
  void SetHamlibStatus(const QString& text);

  // ----- Handlers (CheckBoxGSClick, RadioGroupPortGSClick, BitBtnOKGSClick, ...).
  void SelectionClick(Interface i);
  void PortGroupClick(Interface i);
  void OkClick(Interface i);
  void TestClick(Interface i);
  void ParkClick(Interface i);
  void BaudChange(Interface i);
  void CalibrationChange(QLineEdit* edit, bool isZero);
  // BitBtnAntenneClick / PageControlAntenneChange: the printer-port items ("LPT1 [0378h]")
  // and whether the printer ports can be used at all.
  void RefreshPrinterPorts(const QStringList& firstThreeItems, bool usable);
  // The same with the detected ports and the access check of the printer-port bank.
  void RefreshPrinterPorts();
  // Start-up: a card without a port, or whose stored port was not found, loses its choice
  // and its selection.
  void CheckPrinterPortChoices();

  // ----- Settings file.
  void Load(const AntennaPanelValues& values);
  AntennaPanelValues Store() const;

  std::optional<Interface> Selected() const;
  QStringList SerialPorts() const { return ports_; }
  // Track button hint built as the OK button and start-up build it.
  QString TrackButtonHintText(bool atStartUp = false) const;
  // Calibration values as last parsed (degrees-to-bits), per printer-port card.
  long double CalibrationValue(const QLineEdit* edit) const;

  void RetranslateUi();

 signals:
  void trackButtonEnabled(bool enabled);
  void trackButtonHint(const QString& hint);
  void okClicked();  // the settings view hides the panel

 private:
  void Build();
  void BuildTab(Interface i);
  void BuildHamlibTab();
  void Connect(Interface i);
  void Sync();
  void SetOverlapEnabled(bool enabled);
  void SetOverlapCaption(bool stopSouth, bool spaced);
  void Unselected(Interface i);
  void PrinterPortClick(Interface card);
  HintInputs Hint(Interface i, bool atStartUp) const;

  Environment env_;
  QStringList ports_;
  std::array<Tab, kInterfaceCount> tabs_{};
  bool loading_ = false;
};

}  // namespace tracking
