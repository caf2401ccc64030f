// The explorer face of the main window and its satellite windows: ephemeris table,
// calculation date, printing and the 24-hour chart.
#include <QFont>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include "app/form1.h"
#include "app/window_placement.h"
#include "orbit/calendar.h"
#include "prediction/ephemeris_row.h"
#include "prediction/form_24h.h"
#include "prediction/form_date.h"
#include "prediction/form_print.h"
#include "prediction/form_print24h.h"
#include "prediction/panel_explorer.h"
#include "tracking/tracking_controller.h"

namespace app {

namespace {

QFont ToFont(const FontSetting& f) {
  QFont font(f.name, f.size > 0 ? f.size : 9);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikeOut);
  return font;
}

FontSetting FromFont(const QFont& font) {
  FontSetting f;
  f.name = font.family();
  f.size = font.pointSize() > 0 ? font.pointSize() : 9;
  f.bold = font.bold();
  f.italic = font.italic();
  f.underline = font.underline();
  f.strikeOut = font.strikeOut();
  return f;
}

}  // namespace

prediction::PanelExplorer* TForm1::BuildExplorer() {
  prediction::ExplorerEnvironment env;
  env.slotTable = &slots_;
  env.search = &search_;
  env.sounds = env_.sounds;
  env.dialogs = &translatingDialogs_;
  env.timerRunning = [this] { return Timerseconde != nullptr && Timerseconde->isActive(); };
  env.setTimerRunning = [this](bool on) {
    if (Timerseconde == nullptr || quitting_) return;
    on ? Timerseconde->start() : Timerseconde->stop();
  };
  env.stopTracking = [this] {
    if (tracking_) BeforeExplorerRebuild();
  };
  env.currentYear = [this] { return orbit::DecodeDateTimeValue(env_.clock->Now()).year; };
  explorer_ = new prediction::PanelExplorer(env);
  explorer_->setObjectName(QStringLiteral("PanelExplorer"));
  return explorer_;
}

void TForm1::ConnectExplorer() {
  explorer_->AddSideWidget(PanelImage);
  BuildWindowSizeControls();
  SpeedButton24h = new QToolButton;
  SpeedButton24h->setObjectName(QStringLiteral("SpeedButton24h"));
  SpeedButton24h->setText(QStringLiteral("24"));
  PassListClockRow->addWidget(SpeedButton24h);

  connect(explorer_, &prediction::PanelExplorer::EphemerisShown, this,
          [this](int slot, int previous, const QString& title) {
            shownSlot_ = slot;
            if (previous >= 1 && previous != slot) {
              ApplySlotColour(previous - 1, prediction::kWhite);
              Edit[static_cast<std::size_t>(previous - 1)]->deselect();
            }
            Edit[static_cast<std::size_t>(slot - 1)]->setSelection(0, prediction::kSlotNameLength);
            MenuSaveEph->setEnabled(true);
            MenuDateCalcul->setEnabled(true);
            // The panel shows itself; the window takes the explorer's size once.
            if (PanelImage->isHidden()) EnterExplorerFace();
            setWindowTitle(title);
            AfterExplorerRebuild();
          });
  connect(explorer_, &prediction::PanelExplorer::SlotSearched, this,
          [this](int slot) { ShowSlotText(slot - 1); });
  connect(explorer_, &prediction::PanelExplorer::ExplorerClosed, this, [this](int previous) {
    if (formDate_) formDate_->hide();
    if (formPrint_) formPrint_->hide();
    MenuSaveEph->setEnabled(false);
    MenuDateCalcul->setEnabled(false);
    if (previous >= 1) Edit[static_cast<std::size_t>(previous - 1)]->deselect();
    shownSlot_ = 0;
    tracking_->ResumeAfterPass = false;
    if (!PanelImage->isHidden()) {
      RecordExplorerGeometry();
      EnterCompactFace();
    }
  });
  connect(explorer_, &prediction::PanelExplorer::RowSelected, this,
          [this](int, bool reselectName) {
            if (reselectName && shownSlot_ >= 1)
              Edit[static_cast<std::size_t>(shownSlot_ - 1)]->setSelection(
                  0, prediction::kSlotNameLength);
          });

  formPrint_ = new prediction::TFormPRINT(env_.sounds, &translatingDialogs_, this);
  formPrint_->setWindowFlag(Qt::Window);
  connect(explorer_, &prediction::PanelExplorer::PrintButtonToggled, this, [this](bool down) {
    if (down) {
      formPrint_->ShowFor(explorer_->SatelliteName(), explorer_->ShownRows(),
                          explorer_->FileHeaderText());
    } else {
      formPrint_->hide();
    }
  });
  connect(formPrint_, &prediction::TFormPRINT::Hidden, this, [this] {
    const QSignalBlocker block(explorer_->SpeedButtonPrint);
    explorer_->SpeedButtonPrint->setChecked(false);
  });

  formDate_ = new prediction::TFormDate(env_.sounds, this);
  formDate_->setWindowFlag(Qt::Window);
  formDate_->SetHandOverEdit(explorer_->EditDateOrigine);
  MenuDateCalcul->setEnabled(false);
  connect(MenuDateCalcul, &QAction::triggered, this, [this] {
    if (shownSlot_ < 1) return;
    RefreshSearchContext();
    formDate_->ShowDateWindow(slots_[static_cast<std::size_t>(shownSlot_ - 1)].calculationDate,
                              env_.clock->Now(), station_.localUtcOffset, MenuTU->isChecked());
  });
  connect(MenuSaveEph, &QAction::triggered, this, [this] { explorer_->SaveEphemeris(); });
  connect(MenuTU, &QAction::toggled, this, [this](bool utc) {
    explorer_->SetUtcDisplay(utc);
    formDate_->hide();
    formPrint_->hide();
  });

  prediction::Chart24Environment chart;
  chart.slotTable = &slots_;
  chart.search = &search_;
  chart.history = &explorer_->History();
  chart.clock = env_.clock;
  chart.timerRunning = [this] { return Timerseconde->isActive(); };
  chart.utcDisplay = [this] { return MenuTU->isChecked(); };
  form24h_ = new prediction::TForm24H(chart, this);  // owned, a window of its own
  form24h_->setWindowFlag(Qt::Window);
  connect(SpeedButton24h, &QToolButton::clicked, this, [this] {
    RefreshSearchContext();
    form24h_->SpeedButton24hClick();
  });
  connect(form24h_, &prediction::TForm24H::ChartComputed, this, [this] {
    for (int i = 0; i < prediction::kSlotCount; ++i) ShowSlotText(i);
    if (explorer_->IsOpen() && shownSlot_ >= 1)
      explorer_->ShowEphemeris(shownSlot_, prediction::ShowReason::Refresh);
  });
  connect(form24h_, &prediction::TForm24H::Closed, this, [this](const QPoint& position) {
    settings_.geometry.chartLeft = position.x();
    settings_.geometry.chartTop = position.y();
    Edit[0]->deselect();
  });
}

void TForm1::ApplyExplorerSettings() {
  formPrint_->SetPrintFont(ToFont(settings_.printFont));
  form24h_->PrintWindow()->SetPrintFont(ToFont(settings_.printFont24));
  form24h_->move(settings_.geometry.chartLeft, settings_.geometry.chartTop);
  explorer_->SpeedButtonSurbrillance->setChecked(settings_.trackLine);
}

void TForm1::EnterExplorerFace() {
  if (isVisible() && !SettingsPanelShowing()) RecordCompactPosition(false);
  ShowFace(PanelMain);
  explorer_->show();
  PanelImage->show();
  SpeedButton24h->hide();  // back with the compact list
  MenuOptions->menuAction()->setVisible(true);
  MenuFenetre->menuAction()->setVisible(true);
  const WindowGeometry& g = settings_.geometry;
  resize(ExplorerWindowSize(MenuFenetreNormale->isChecked(),
                            QSize(g.explorerWidth, g.explorerHeight),
                            static_cast<double>(ScaleFactor), minimumSizeHint()));
  move(g.explorerLeft, g.explorerTop);
}

void TForm1::RecordExplorerGeometry() {
  settings_.geometry.explorerLeft = x();
  settings_.geometry.explorerTop = y();
  if (MenuFenetreNormale->isChecked()) {
    settings_.geometry.explorerWidth = width();
    settings_.geometry.explorerHeight = height();
  }
}

void TForm1::SaveExplorerSettings() {
  if (formPrint_) settings_.printFont = FromFont(formPrint_->PrintFont());
  if (form24h_) {
    settings_.printFont24 = FromFont(form24h_->PrintWindow()->PrintFont());
    if (form24h_->isVisible()) {
      settings_.geometry.chartLeft = form24h_->x();
      settings_.geometry.chartTop = form24h_->y();
      form24h_->hide();
    }
  }
  if (explorer_) settings_.trackLine = explorer_->TrackingLineOn();
}

bool TForm1::ExplorerSlotKey(int index, QKeyEvent* event) {
  if (explorer_ == nullptr || shownSlot_ != index + 1) return false;
  switch (event->key()) {
    case Qt::Key_PageDown:
      explorer_->NextPass();
      return true;
    case Qt::Key_PageUp:
      explorer_->PreviousPass();
      return true;
    case Qt::Key_Home:
      explorer_->FirstPass();
      return true;
    default:
      break;
  }
  // The letters act in either case, but not as a Ctrl, Alt or Meta shortcut.
  const bool plainLetter =
      (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
  if (plainLetter) {
    switch (event->key()) {
      case Qt::Key_P:
        explorer_->SpeedButtonPrint->toggle();
        return true;
      case Qt::Key_T:
        if (!tracking_->TrackingActive && SpeedButtonTrack->isEnabled()) SpeedButtonTrackClick();
        return true;
      case Qt::Key_X:
        if (env_.seams.toggleDxWindow) env_.seams.toggleDxWindow();
        return true;
      case Qt::Key_S:
        if (env_.seams.synchroniseDxDates) env_.seams.synchroniseDxDates();
        return true;
      default:
        break;
    }
  }
  // "¤" typed on its own key: a layout that needs Shift or AltGr for it has no such key.
  const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
  if (held == Qt::NoModifier && event->text() == QStringLiteral("\u00a4")) {
    explorer_->ToggleTrackingLine(!explorer_->TrackingLineOn());
    return true;
  }
  return false;
}

}  // namespace app
