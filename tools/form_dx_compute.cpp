// The DX window's covisibility: computing it, listing it, stepping through the periods
// of the pass and following the clock.
#include <QListWidget>
#include <QLineEdit>
#include <QTimer>

#include "tools/form_dx.h"

namespace tools {

namespace {

constexpr Real kMinute = 1.0L / 1440;

// The main window's pass computation runs on this thread too: a busy flag means a
// computation is under way further up the stack, and this one comes back shortly.
constexpr int kRetryMs = 50;

}  // namespace

Real TFormDX::NowUtc() const {
  const Real now = env_.clock ? env_.clock->Now() : 0;
  return now - (env_.localOffsetHours ? env_.localOffsetHours() : 0) / 24;
}

QString TFormDX::Signature() const {
  const prediction::PassSlot* slot = env_.shownSlot ? env_.shownSlot() : nullptr;
  QString s = env_.satelliteName ? env_.satelliteName() : QString();
  if (slot != nullptr && slot->HasPass())
    s += QStringLiteral("|%1|%2").arg(static_cast<double>(slot->passStart), 0, 'f', 8)
             .arg(static_cast<double>(slot->passEnd), 0, 'f', 8);
  s += QLatin1Char('|') + settings_.latitude + QLatin1Char('|') + settings_.longitude +
       QLatin1Char('|') + settings_.altitude;
  if (env_.utcDisplay && env_.utcDisplay()) s += QStringLiteral("|utc");
  return s;
}

bool TFormDX::Compute(bool fromPassStart, Real fromUtc) {
  if (env_.computationBusy != nullptr && *env_.computationBusy) {
    QTimer::singleShot(kRetryMs, this, [this, fromPassStart, fromUtc] {
      if (isVisible()) Compute(fromPassStart, fromUtc);
    });
    return false;
  }
  bool dummy = false;
  bool& busy = env_.computationBusy != nullptr ? *env_.computationBusy : dummy;
  busy = true;
  ApplyLanguage();  // caption and header of the current satellite and scale
  signature_ = Signature();
  const prediction::PassSlot* slot = env_.shownSlot ? env_.shownSlot() : nullptr;
  const auto dx = ParseDxTexts(settings_.latitude.toStdString(), settings_.longitude.toStdString(),
                               EditAltitude->text().toStdString());
  listed_ = {};
  if (slot == nullptr || !slot->HasPass()) {
    busy = false;
    TimerSecondeDX->start();  // a pass shown later is picked up
    ShowMessage(tr("  No pass is shown: open a satellite's pass first"));
    if (env_.sounds) env_.sounds->Beep();
    return false;
  }
  if (!dx) {
    busy = false;
    TimerSecondeDX->stop();
    ShowMessage(Missing().isEmpty() ? tr("Enter Locator or Latitude/Longitude, please") : Missing());
    if (env_.sounds) env_.sounds->Beep();
    return false;
  }
  listed_ = ComputeCovisibility(*slot, fromPassStart ? slot->passStart : fromUtc, slot->passEnd, *dx);
  busy = false;
  if (!listed_.Found()) {
    ShowMessage(tr("  This DX can't be heard during this pass!"));
    if (env_.sounds) env_.sounds->Beep();
    TimerSecondeDX->start();  // a new pass or DX station is picked up
    return false;
  }
  ListRows();
  TimerSecondeDX->start();
  return true;
}

void TFormDX::ListRows() {
  const bool utc = env_.utcDisplay && env_.utcDisplay();
  const Real shift = utc ? 0 : (env_.localOffsetHours ? env_.localOffsetHours() : 0) / 24;
  ListBoxEphemeridsDX->clear();
  selectedRow_ = -1;
  for (std::size_t i = 0; i < listed_.entries.size(); ++i) {
    const Real t = listed_.start + static_cast<Real>(i) * kMinute + shift;
    ListBoxEphemeridsDX->addItem(QString::fromStdString(CovisibilityRow(t, listed_.entries[i])));
  }
  ListBoxEphemeridsDX->scrollToTop();
  emit TopRowChanged();
}

void TFormDX::SpeedButtonNextClick() {
  const prediction::PassSlot* slot = env_.shownSlot ? env_.shownSlot() : nullptr;
  Real next = 0;
  if (!TimerSecondeDX->isActive() || slot == nullptr || !listed_.Found() ||
      !stack_.NextStart(listed_, slot->passEnd, &next)) {
    if (env_.sounds) env_.sounds->Beep();
    return;
  }
  if (env_.computationBusy != nullptr && *env_.computationBusy) {
    // The button waits for the main window's pass computation.
    QTimer::singleShot(kRetryMs, this, &TFormDX::SpeedButtonNextClick);
    return;
  }
  const auto dx = ParseDxTexts(settings_.latitude.toStdString(), settings_.longitude.toStdString(),
                               EditAltitude->text().toStdString());
  if (!dx) {
    if (env_.sounds) env_.sounds->Beep();
    return;
  }
  // After the last period of the pass the list stays as it is.
  if (!ComputeCovisibility(*slot, next, slot->passEnd, *dx).Found()) {
    if (env_.sounds) env_.sounds->Beep();
    return;
  }
  stack_.Push(next);
  Compute(false, next);
}

void TFormDX::SpeedButtonBeforeClick() {
  const prediction::PassSlot* slot = env_.shownSlot ? env_.shownSlot() : nullptr;
  Real from = 0;
  if (!TimerSecondeDX->isActive() || slot == nullptr || !stack_.Pop(slot->passStart, &from)) {
    if (env_.sounds) env_.sounds->Beep();
    return;
  }
  Compute(stack_.Size() == 0, from);
}

void TFormDX::TimerSecondeDXTimer() {
  if (Signature() != signature_) {
    stack_.Clear();
    if (Missing().isEmpty()) Compute(true);
    return;
  }
  if (!listed_.Found()) return;
  const Real minutes = (NowUtc() - listed_.start) * 1440;
  const int row = minutes < 0 ? -1 : static_cast<int>(minutes);
  if (row < 0) {
    if (selectedRow_ >= 0) ListBoxEphemeridsDX->item(selectedRow_)->setSelected(false);
    selectedRow_ = -1;
    ListBoxEphemeridsDX->scrollToTop();
    return;
  }
  if (row == selectedRow_ || row >= ListBoxEphemeridsDX->count()) return;
  if (selectedRow_ >= 0 && selectedRow_ < ListBoxEphemeridsDX->count())
    ListBoxEphemeridsDX->item(selectedRow_)->setSelected(false);
  selectedRow_ = row;
  ListBoxEphemeridsDX->setCurrentRow(row);
  ListBoxEphemeridsDX->scrollToItem(ListBoxEphemeridsDX->item(row));
}

Real TFormDX::TopRowTime() const {
  if (!listed_.Found()) return 0;
  const int top = ListBoxEphemeridsDX->indexAt(QPoint(2, 2)).row();
  return listed_.start + static_cast<Real>(top < 0 ? 0 : top) * kMinute;
}

}  // namespace tools
