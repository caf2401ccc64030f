// The DX station window, the coordinate converter and the orbit view: their buttons on
// the explorer, the settings they keep, the map's hand-over and the slot keys X and S.
#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include "app/form1.h"
#include "orbit/calendar.h"
#include "prediction/panel_explorer.h"
#include "tools/form_conv.h"
#include "tools/form_dx.h"
#include "tools/form_hf_beam.h"
#include "tools/form_lune.h"
#include "tools/form_orbit.h"
#include "tracking/tracking_controller.h"

namespace app {

namespace {

QChar SeparatorOf(const QString& setting) {
  return setting.size() == 1 ? setting.at(0) : QLatin1Char('\t');
}

QToolButton* SideButton(const char* name) {
  auto* b = new QToolButton;
  b->setObjectName(QLatin1String(name));
  b->setCheckable(true);
  return b;
}

// Gives the two explorer buttons their texts again whenever the language changes.
class ButtonTexts : public QObject {
 public:
  ButtonTexts(QToolButton* dx, QToolButton* orbit) : QObject(dx), dx_(dx), orbit_(orbit) {
    dx->installEventFilter(this);
    Apply();
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) Apply();
    return false;
  }

 private:
  void Apply() {
    dx_->setText(tools::TFormDX::ButtonText());
    dx_->setToolTip(tools::TFormDX::ButtonHint());
    orbit_->setText(tools::TFormOrbit::ButtonText());
    orbit_->setToolTip(tools::TFormOrbit::ButtonHint());
  }
  QToolButton* dx_;
  QToolButton* orbit_;
};

}  // namespace

void TForm1::BuildDx() {
  tools::DxWindowEnvironment env;
  env.clock = env_.clock;
  env.sounds = env_.sounds;
  env.dialogs = &translatingDialogs_;
  env.shownSlot = [this]() -> const prediction::PassSlot* {
    if (shownSlot_ < 1 || !explorer_->IsOpen()) return nullptr;
    return &slots_[static_cast<std::size_t>(shownSlot_ - 1)];
  };
  env.satelliteName = [this] { return explorer_->IsOpen() ? explorer_->SatelliteName() : QString(); };
  env.localOffsetHours = [this] { return static_cast<double>(search_.localOffsetHours); };
  env.utcDisplay = [this] { return MenuTU->isChecked(); };
  env.computationBusy = &search_.busy;
  env.readSettings = [this] {
    tools::DxSettings s;
    s.locator = settings_.qraLocatorDx;
    s.latitude = settings_.latitudeDx;
    s.longitude = settings_.longitudeDx;
    s.altitude = settings_.altitudeDx;
    s.lastDxcc = settings_.lastDxcc;
    s.separator = SeparatorOf(settings_.dxccSeparator);
    return s;
  };
  env.writeSettings = [this](const tools::DxSettings& s) {
    settings_.qraLocatorDx = s.locator.isEmpty() ? QStringLiteral("      ") : s.locator;
    settings_.latitudeDx = s.latitude;
    settings_.longitudeDx = s.longitude;
    settings_.altitudeDx = s.altitude;
    settings_.lastDxcc = s.lastDxcc;
    settings_.dxccSeparator = QString(s.separator);
  };
  env.places = [] { return tools::ReadDxccList(); };
  formDx_ = new tools::TFormDX(std::move(env), nullptr);
  formDx_->setGeometry(settings_.geometry.dxLeft, settings_.geometry.dxTop,
                       settings_.geometry.dxWidth, settings_.geometry.dxHeight);
  formDx_->SetListSeparator(SeparatorOf(settings_.dxccSeparator));
  formConv_ = new tools::TFormConv(nullptr);
  formOrbit_ = new tools::TFormOrbit(
      [this]() -> std::optional<tools::OrbitSnapshot> {
        if (shownSlot_ < 1 || !explorer_->IsOpen()) return std::nullopt;
        const prediction::PassSlot& slot = slots_[static_cast<std::size_t>(shownSlot_ - 1)];
        if (!slot.HasPass()) return std::nullopt;
        tools::OrbitSnapshot s;
        s.name = explorer_->SatelliteName();
        s.inputs.eccentricity = static_cast<double>(slot.set.elements.eccentricity);
        s.inputs.meanMotion = static_cast<double>(slot.set.elements.meanMotion);
        const bool visible = tracking_ && tracking_->SatelliteVisible;
        int row = 0;
        if (visible) {
          // The current row: whole minutes from the first row to now (UTC).
          const Real nowUtc = env_.clock->Now() - search_.localOffsetHours / 24;
          row = static_cast<int>((nowUtc - slot.passStart) * 1440);
          row = std::clamp(row, 0, slot.rows.count - 1);
        }
        s.inputs.altitude10 = static_cast<double>(slot.rows.altitude10[static_cast<std::size_t>(row)]);
        s.inputs.phase = slot.rows.phase[static_cast<std::size_t>(row)];
        s.inputs.visible = visible;
        s.inputs.hasAttitude = slot.radio.hasAttitude;
        s.inputs.attitudeLongitude = static_cast<double>(slot.radio.alon);
        return s;
      },
      nullptr);

  // The explorer's buttons, beside the map's.
  SpeedButtonSked = SideButton("SpeedButtonSked");
  SpeedButtonOrbit = SideButton("SpeedButtonOrbit");
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(SpeedButtonSked);
  layout->addWidget(SpeedButtonOrbit);
  layout->addStretch(1);
  explorer_->AddSideWidget(row);
  new ButtonTexts(SpeedButtonSked, SpeedButtonOrbit);
  connect(SpeedButtonSked, &QToolButton::toggled, this, [this](bool down) {
    if (down) {
      formDx_->show();
      formDx_->raise();
    } else if (formDx_->isVisible()) {
      formDx_->close();
    }
  });
  connect(SpeedButtonOrbit, &QToolButton::toggled, this, [this](bool down) {
    if (down) {
      formOrbit_->show();
      formOrbit_->raise();
    } else if (formOrbit_->isVisible()) {
      formOrbit_->close();
    }
  });
  connect(formDx_, &tools::TFormDX::Closed, this, [this](const QRect& g) {
    settings_.geometry.dxLeft = g.x();
    settings_.geometry.dxTop = g.y();
    settings_.geometry.dxWidth = g.width();
    settings_.geometry.dxHeight = g.height();
    const QSignalBlocker quiet(SpeedButtonSked);
    SpeedButtonSked->setChecked(false);
  });
  connect(formOrbit_, &tools::TFormOrbit::Closed, this, [this] {
    const QSignalBlocker quiet(SpeedButtonOrbit);
    SpeedButtonOrbit->setChecked(false);
  });

  // Both "?" buttons open the converter.
  auto openConverter = [this] {
    formConv_->show();
    formConv_->raise();
    formConv_->activateWindow();
  };
  ButtonConv->setEnabled(true);
  connect(ButtonConv, &QPushButton::clicked, this, openConverter);
  connect(formDx_, &tools::TFormDX::ConverterRequested, this, openConverter);

  // A separator chosen in the DX window rewrites every place list.
  connect(formDx_, &tools::TFormDX::SeparatorChosen, this, [this](QChar separator) {
    settings_.dxccSeparator = QString(separator);
    if (formLune_ != nullptr) formLune_->SetListSeparator(separator);
    if (formHfBeam_ != nullptr) formHfBeam_->SetListSeparator(separator);
  });

  // The shown pass changed: the orbit view is drawn again, the DX window recomputes on
  // its next second (it compares the pass it listed).
  connect(explorer_, &prediction::PanelExplorer::ShownPassChanged, this, [this] {
    if (formOrbit_->isVisible()) formOrbit_->Redraw();
  });
  connect(explorer_, &prediction::PanelExplorer::ExplorerClosed, this, [this] { HideDxWindows(); });
  // Minute ticks and a new satellite redraw the orbit view.
  connect(Timerseconde, &QTimer::timeout, this, [this] {
    if (!formOrbit_->isVisible()) return;
    const orbit::DecodedDateTime t = orbit::DecodeDateTimeValue(env_.clock->Now());
    const QString key = explorer_->SatelliteName() + QStringLiteral("|%1:%2").arg(t.hour).arg(t.minute);
    if (key == orbitDrawnFor_) return;
    orbitDrawnFor_ = key;
    formOrbit_->Redraw();
  });
  connect(MenuTU, &QAction::toggled, this, [this] {
    if (formDx_->isVisible()) formDx_->ApplyLanguage();
    if (formOrbit_->isVisible()) formOrbit_->Redraw();
  });
  connect(formDx_, &tools::TFormDX::TopRowChanged, this, [this] {
    if (dxSynchro_) SynchroniseDxDates();
  });

  // Slot keys: X shows or hides the DX window, S switches the synchronisation of the
  // ephemeris list with the DX list.
  env_.seams.toggleDxWindow = [this] { SpeedButtonSked->toggle(); };
  env_.seams.synchroniseDxDates = [this] { formDx_->SpeedButtonSynchro->toggle(); };
  dxSynchro_ = settings_.synchro;
  formDx_->SpeedButtonSynchro->setChecked(dxSynchro_);
  connect(formDx_, &tools::TFormDX::SynchroToggled, this, [this](bool on) {
    dxSynchro_ = on;
    settings_.synchro = on;
    if (on) SynchroniseDxDates();
  });
  // The tracking line switched on takes the DX dates again.
  connect(explorer_->SpeedButtonSurbrillance, &QToolButton::toggled, this, [this](bool on) {
    if (on && dxSynchro_) SynchroniseDxDates();
  });

  auto others = env_.seams.hideSecondaryWindows;
  env_.seams.hideSecondaryWindows = [this, others] {
    if (others) others();
    HideDxWindows();
  };
}

void TForm1::HideDxWindows() {
  if (formDx_ == nullptr) return;
  if (formDx_->isVisible()) formDx_->close();  // records its place and size
  if (formOrbit_->isVisible()) formOrbit_->close();
  if (formConv_->isVisible()) formConv_->close();
}

// Top-level windows without a parent: they go with the main window.
void TForm1::DeleteDxWindows() {
  delete formDx_;
  delete formConv_;
  delete formOrbit_;
  formDx_ = nullptr;
  formConv_ = nullptr;
  formOrbit_ = nullptr;
}

// The map's right click set the DX station: the DX window shows it, opening if needed.
void TForm1::DxStationSetOnMap() {
  if (formDx_ == nullptr) return;
  if (formDx_->isVisible()) {
    formDx_->DxStationHandedOver();
  } else {
    SpeedButtonSked->setChecked(true);
  }
}

// The ephemeris list scrolls to the minute of the DX list's top row.
void TForm1::SynchroniseDxDates() {
  if (!formDx_->isVisible() || !formDx_->Listed().Found() || shownSlot_ < 1 || !explorer_->IsOpen())
    return;
  const prediction::PassSlot& slot = slots_[static_cast<std::size_t>(shownSlot_ - 1)];
  const int row = static_cast<int>(orbit::Round((formDx_->TopRowTime() - slot.passStart) * 1440));
  QListWidget* list = explorer_->ListBoxEphemerids;
  if (row < 0 || row >= list->count()) return;
  list->scrollToItem(list->item(row), QAbstractItemView::PositionAtTop);
}

}  // namespace app
