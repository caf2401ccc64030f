// The explorer's commands: show, navigate, select, close, save, UTC switch, start date.
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "base/ansi_text.h"
#include "prediction/date_fields.h"
#include "prediction/panel_explorer.h"
#include "prediction/satellite_memo.h"

namespace prediction {

namespace {

// The hand-over text of a stored calculation date, in the scale the date window uses.
QString HandOverOf(Real calculationDate, bool utc, Real offsetHours) {
  if (calculationDate == 0) return {};
  const Real shown = utc ? calculationDate - offsetHours / 24 : calculationDate;
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(shown);
  return QString::fromStdString(HandOverText({d.day, d.month, d.year}, {d.hour, d.minute}));
}

}  // namespace

bool PanelExplorer::ShowEphemeris(int requestedSlot, ShowReason reason) {
  if (reason == ShowReason::Click) {
    const bool valid = requestedSlot >= 1 && requestedSlot <= kSlotCount && env_.slotTable != nullptr &&
                       (*env_.slotTable)[static_cast<std::size_t>(requestedSlot - 1)].HasSatellite() &&
                       (*env_.slotTable)[static_cast<std::size_t>(requestedSlot - 1)].HasPass();
    if (!valid) {
      if (env_.setTimerRunning) env_.setTimerRunning(true);
      return false;
    }
    previousSlot_ = shownSlot_;
    shownSlot_ = requestedSlot;
    SetSatelliteVisible(false);
    // The hand-over box follows the slot, so choosing a date changes what it holds.
    const PassSlot* slot = Shown();
    const Real offset = env_.search != nullptr ? env_.search->localOffsetHours : 0;
    const QSignalBlocker blocker(EditDateOrigine);
    EditDateOrigine->setEnabled(slot->calculationDate != 0);
    EditDateOrigine->setText(HandOverOf(slot->calculationDate, utc_, offset));
  }
  if (Shown() == nullptr) return false;
  if (open_ && reason == ShowReason::Click && env_.stopTracking) env_.stopTracking();

  FillMemo();
  FillTable();
  open_ = true;
  setVisible(true);
  const QString title = QStringLiteral("ORVANE V") + QStringLiteral(ORVANE_VERSION) +
                        QStringLiteral("  [") + SatelliteName() + QLatin1Char(']');
  emit EphemerisShown(shownSlot_, previousSlot_, title);
  if (env_.setTimerRunning) env_.setTimerRunning(true);
  return true;
}

bool PanelExplorer::Navigable() {
  if (!open_ || Shown() == nullptr || env_.search == nullptr) return false;
  if (env_.timerRunning && !env_.timerRunning()) return false;
  if (env_.stopTracking) env_.stopTracking();
  return true;
}

void PanelExplorer::AfterNavigation(NavigationOutcome outcome) {
  if (outcome != NavigationOutcome::Moved) return;
  emit SlotSearched(shownSlot_);
  ShowEphemeris(shownSlot_, ShowReason::Navigation);
  emit ShownPassChanged();
}

void PanelExplorer::NextPass() {
  if (!Navigable()) return;
  AfterNavigation(prediction::NextPass(*env_.search, *Shown(), history_, *env_.sounds));
}

void PanelExplorer::PreviousPass() {
  if (!Navigable()) return;
  AfterNavigation(prediction::PreviousPass(*env_.search, *Shown(), history_, *env_.sounds));
}

void PanelExplorer::FirstPass() {
  if (!Navigable()) return;
  AfterNavigation(prediction::FirstPass(*env_.search, *Shown(), history_));
}

void PanelExplorer::RefreshShownPass() {
  if (Shown() == nullptr || env_.search == nullptr) return;
  if (env_.setTimerRunning) env_.setTimerRunning(false);
  const NavigationOutcome outcome = RefreshPass(*env_.search, *Shown(), history_);
  if (outcome == NavigationOutcome::Moved) {
    emit SlotSearched(shownSlot_);
    if (open_) ShowEphemeris(shownSlot_, ShowReason::Refresh);
    emit ShownPassChanged();
  }
  if (env_.setTimerRunning) env_.setTimerRunning(true);
}

void PanelExplorer::SelectRow(int row) {
  if (row < 0 || row >= static_cast<int>(rowPoints_.size())) return;
  selectedPoint_ = rowPoints_[static_cast<std::size_t>(row)];
  selectedLabel_ = QString::fromStdString(shownRows_[static_cast<std::size_t>(row)].substr(0, 19));
  const bool clearHighlight = row == highlightedRow_ && !TrackingLineOn();
  ListBoxEphemerids->clearSelection();
  if (clearHighlight) highlightedRow_ = -1;
  emit RowSelected(row, !clearHighlight);
}

void PanelExplorer::ToggleTrackingLine(bool on) {
  if (SpeedButtonSurbrillance->isChecked() != on) {
    const QSignalBlocker blocker(SpeedButtonSurbrillance);
    SpeedButtonSurbrillance->setChecked(on);
  }
  if (!on) {
    ListBoxEphemerids->clearSelection();
    highlightedRow_ = -1;
  }
  emit TrackingLineToggled(on);
}

void PanelExplorer::CloseExplorer() {
  const int closing = shownSlot_;
  if (env_.stopTracking) env_.stopTracking();
  setVisible(false);
  open_ = false;
  {
    const QSignalBlocker blocker(SpeedButtonPrint);
    SpeedButtonPrint->setChecked(false);
  }
  previousSlot_ = shownSlot_;
  shownSlot_ = 0;
  ListBoxEphemerids->clearSelection();
  highlightedRow_ = -1;
  selectedLabel_.clear();
  emit ExplorerClosed(closing);
}

QString PanelExplorer::DefaultSaveFile() {
  QFileDialog dialog(window(), tr("Save data pass to file"));
  dialog.setObjectName(QStringLiteral("SaveDialogEph"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(tr("Text (*.txt)"));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.selectFile(QStringLiteral("Ephs.txt"));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

bool PanelExplorer::SaveEphemeris() {
  const PassSlot* slot = Shown();
  if (slot == nullptr || !open_) return false;
  const QString path = chooseFile_ ? chooseFile_() : DefaultSaveFile();
  if (path.isEmpty()) return false;
  const std::vector<std::string> lines =
      EphemerisFileLines(slot->name, base::TextToBytes(FileHeaderText()), shownRows_);
  if (!base::WriteRawLines(path, lines)) {
    if (env_.dialogs != nullptr) env_.dialogs->Error(tr("Can't write the file ") + path);
    return false;
  }
  return true;
}

void PanelExplorer::SetUtcDisplay(bool utc) {
  if (utc_ == utc) return;
  utc_ = utc;
  RefreshHeader();
  const QSignalBlocker blocker(EditDateOrigine);
  if (const PassSlot* slot = Shown()) {
    EditDateOrigine->setText(HandOverOf(slot->calculationDate, utc_,
                                        env_.search != nullptr ? env_.search->localOffsetHours : 0));
  }
  if (open_) ShowEphemeris(shownSlot_, ShowReason::Redisplay);
}

void PanelExplorer::SetCalculationDate() {
  PassSlot* slot = Shown();
  if (slot == nullptr || env_.search == nullptr) return;
  const QString text = EditDateOrigine->text();
  if (EditDateOrigine->isEnabled() && !text.isEmpty()) {
    Real entered = 0;
    if (!ParseHandOverText(text.toStdString(), &entered)) return;  // keeps the old date
    slot->calculationDate = CalculationDateFromEntry(entered, utc_, env_.search->localOffsetHours);
  } else if (!EditDateOrigine->isEnabled()) {
    slot->calculationDate = 0;
  } else {
    return;  // enabled and empty: nothing handed over yet
  }
  if (env_.timerRunning && !env_.timerRunning()) return;
  if (env_.stopTracking) env_.stopTracking();
  history_.index = 0;
  if (!SearchFromOwnStart(*env_.search, *slot)) return;
  emit SlotSearched(shownSlot_);
  ShowEphemeris(shownSlot_, ShowReason::Refresh);
  emit ShownPassChanged();
}

}  // namespace prediction
