// The pass slots: element loading, pass search, slot texts and colours, the one-second
// tick (clock, countdown, rise alarms, recomputation of ended passes) and the keyboard.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTimer>
#include <cmath>

#include "app/form1.h"
#include <QLabel>

#include "prediction/panel_explorer.h"
#include "app/satellite_list_widget.h"
#include "base/locale_number.h"
#include "base/wait.h"
#include "orbit/elements.h"
#include "orbit/radio_data.h"
#include "prediction/slot_text.h"

namespace app {

namespace {

QString SlotQString(const std::string& text) {
  return ElementText(text);
}

}  // namespace

void TForm1::RefreshSearchContext() {
  search_.clock = env_.clock;
  search_.station.latitude = SignedLatitude(station_);
  search_.station.westLongitude = SignedLongitude(station_);
  search_.station.altitude = station_.altitude;
  search_.localOffsetHours = station_.localUtcOffset;
  search_.minimumElevation = SpinEditElevation->value();
  search_.warnMinutes = SpinEditPreVisu->value();
  search_.rememberedTickTime = &previousTickTime_;
}

void TForm1::ApplySlotColour(int index, std::uint32_t rgb) {
  QLineEdit* edit = Edit[static_cast<std::size_t>(index)];
  slots_[static_cast<std::size_t>(index)].colour = rgb;
  QPalette palette = edit->palette();
  const QColor colour(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                      static_cast<int>(rgb & 0xFF));
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Text, Qt::black);
  edit->setPalette(palette);
}

void TForm1::ShowSlotText(int index) {
  const prediction::PassSlot& slot = slots_[static_cast<std::size_t>(index)];
  QLineEdit* edit = Edit[static_cast<std::size_t>(index)];
  edit->setText(SlotQString(slot.text));
  ApplySlotColour(index, slot.colour);
  if (shownSlot_ == index + 1) edit->setSelection(0, prediction::kSlotNameLength);
}

void TForm1::ClearSlotResults() {
  for (prediction::PassSlot& slot : slots_) {
    slot.rows.Clear();
    slot.passStart = 0;
    slot.passEnd = 0;
    slot.text.clear();
    slot.colour = prediction::kWhite;
  }
}

void TForm1::SearchSlot(int index) {
  // A search runs only when no other is running; wait for the one in progress.
  while (search_.busy) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  RefreshSearchContext();
  prediction::SearchPass(search_, slots_[static_cast<std::size_t>(index)]);
  ShowSlotText(index);
}

void TForm1::LoadAllSlots() {
  loadingSlots_ = true;
  RefreshSearchContext();
  const char separator = base::UserDecimalSeparator();
  int hidden = 0;
  for (int i = 0; i < prediction::kSlotCount; ++i) {
    prediction::PassSlot& slot = slots_[static_cast<std::size_t>(i)];
    QLineEdit* edit = Edit[static_cast<std::size_t>(i)];
    const QString name = SelectedName(activeGroup_, i + 1);
    if (name.isEmpty()) {
      slot.name.clear();
      edit->hide();
      ++hidden;
      continue;
    }
    edit->show();
    slot.name = ElementBytes(name);
    slot.text = prediction::SlotPrefix(slot.name);
    slot.colour = prediction::kWhite;
    ShowSlotText(i);
    const orbit::LoadStatus status =
        orbit::LoadElementsByName(elementContent_, slot.name, &slot.set);
    if (status != orbit::LoadStatus::Found) {
      for (int k = i; k < prediction::kSlotCount; ++k)
        slots_[static_cast<std::size_t>(k)].name.clear();
      loadingSlots_ = false;
      env_.sounds->Beep();
      if (status == orbit::LoadStatus::NotFound) {
        env_.dialogs->Warning(msg::ElementsMissing());
        ShowSettingsPanel();
      } else {
        env_.dialogs->Error(
            tr("The elements of %1 are damaged in your Two-Line-Elements file").arg(name));
        ShowSettingsPanel();
      }
      return;
    }
    bool beep = false;
    slot.radio = orbit::ReadRadioSection(radioDataLines_, slot.name, separator, &beep);
    if (beep) env_.sounds->Beep();
    SearchSlot(i);
    QCoreApplication::processEvents();  // keep the window alive between slots
  }
  // The list box shrinks by one line per unused slot, never below what it needs.
  const int line = Edit[0]->sizeHint().height() + 1;
  // (Measured from the parts: the layouts above them refresh their caches only later.)
  const int least = menuBar()->sizeHint().height() + EditDate->sizeHint().height() +
                    GroupBoxPrevisions->minimumSizeHint().height() + 24;
  computedHeight_ = std::max(compactBaseHeight_ - hidden * line, least);
  if (CompactListShowing())
    resize(width(), computedHeight_ + settings_.geometry.compactExtraHeight);
  settingsOpenedSinceComputation_ = false;
  loadingSlots_ = false;
  MenuHFBeam->setEnabled(formHfBeam_ != nullptr);  // the station is complete now
  Timerseconde->start();
}

void TForm1::TimerFinCreateTimer() {
  if (!WindowsReady) return;  // the other windows are not all there yet
  TimerFinCreate->stop();
  ClearSlotResults();
  LoadAllSlots();
}

void TForm1::ShowClock(Real now) {
  Real t = now;
  if (MenuTU->isChecked()) t -= station_.localUtcOffset / 24;
  const QDateTime dt = base::FromDateTimeValue(static_cast<double>(t));
  const QLocale locale;
  EditDate->setText(locale.toString(dt.date(), QLocale::ShortFormat));
  if (MenuDisplay24h->isChecked()) {
    EditTime->setText(QLatin1Char(' ') + dt.time().toString(QStringLiteral("HH:mm:ss")));
  } else {
    // The long time format without its zone name: the value carries no zone.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    EditTime->setText(dt.time().toString(format.trimmed()));
  }
}

void TForm1::RaiseAlarmForSlot(int index) {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  slotBlink_[static_cast<std::size_t>(index)] = true;
  TimerBlink->start();
  ++alarmBeepCount_;
  env_.sounds->Information();
}

void TForm1::TimersecondeTimer() {
  // 1. No overlapping ticks, nothing once quitting. An action inside a sender's wait or a
  // message box of this tick may have restarted the timer: the tick running, or a wait in
  // progress, lets this second go by.
  if (!Timerseconde->isActive() || tickRunning_ || base::WaitDepth() > 0) return;
  Timerseconde->stop();
  if (quitting_) return;
  const QScopedValueRollback<bool> running(tickRunning_, true);
  // 2. Clock.
  const Real now = env_.clock->Now();
  ShowClock(now);
  // 3. Minute change (whole minutes, so a tick an exact hour later still counts).
  minuteChanged_ = std::floor(now * 1440) != std::floor(previousTickTime_ * 1440);
  previousTickTime_ = now;
  // 4. Alarm continuation.
  if (alarmBeepCount_ != 0) {
    ++alarmBeepCount_;
    if (CheckBoxAlarme->isChecked()) env_.sounds->Information();
    TimerBlink->start();
    if (alarmBeepCount_ >= SpinEditDureeAlarme->value()) alarmBeepCount_ = 0;
  }
  // 5. Countdown and colours.
  std::array<CountdownSlot, prediction::kSlotCount> view;
  for (int i = 0; i < prediction::kSlotCount; ++i) {
    const prediction::PassSlot& slot = slots_[static_cast<std::size_t>(i)];
    CountdownSlot& v = view[static_cast<std::size_t>(i)];
    v.used = slot.HasSatellite() && !Edit[static_cast<std::size_t>(i)]->isHidden();
    v.neverRises = !slot.HasPass();
    v.text = slot.text;
    v.colour = slot.colour;
  }
  CountdownOptions options;
  options.minuteTick = minuteChanged_;
  options.warning = CheckBoxPreVisu->isChecked();
  options.warnMinutes = SpinEditPreVisu->value();
  const CountdownResult result = CountDownSlots(view, options);
  for (int i = 0; i < prediction::kSlotCount; ++i) {
    prediction::PassSlot& slot = slots_[static_cast<std::size_t>(i)];
    const CountdownSlot& v = view[static_cast<std::size_t>(i)];
    if (!v.used) continue;
    slot.text = v.text;
    slot.colour = v.colour;
    ShowSlotText(i);
  }
  for (int index : result.alarms) RaiseAlarmForSlot(index);
  // 8. Passes that ended are searched again.
  bool shownRecomputed = false;
  if (result.passEnded) {
    for (int i = 0; i < prediction::kSlotCount; ++i) {
      prediction::PassSlot& slot = slots_[static_cast<std::size_t>(i)];
      if (!view[static_cast<std::size_t>(i)].used || slot.text.size() < 23) continue;
      if (slot.text.compare(18, 5, "00h00") != 0) continue;
      slot.colour = prediction::kWhite;
      SearchSlot(i);
      if (i + 1 == shownSlot_) shownRecomputed = true;
    }
  }
  // 6, 9-13: current row, position, rotator, Doppler, report.
  TrackingTick(shownRecomputed);
  // 14.
  if (!quitting_) Timerseconde->start();
}

void TForm1::TimerBlinkTimer() {
  for (int i = 0; i < prediction::kSlotCount; ++i) {
    if (slotBlink_[static_cast<std::size_t>(i)]) ApplySlotColour(i, prediction::kWhite);
  }
  TimerBlink->stop();
  if (alarmBeepCount_ == 0) slotBlink_.fill(false);
}

void TForm1::ShowSlot(int slot) {
  if (loadingSlots_ || slot < 1 || slot > prediction::kSlotCount) return;
  RefreshSearchContext();
  explorer_->ClearNavigation();
  explorer_->ShowEphemeris(slot);
  emit SlotActivated(slot);
}

void TForm1::SlotKeyDown(int index, QKeyEvent* event) {
  if (ExplorerSlotKey(index, event)) return;
  if (shownSlot_ != index + 1 && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
    ShowSlot(index + 1);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == static_cast<QObject*>(LabelTrack) && event->type() == QEvent::MouseButtonDblClick) {
    LabelTrackDblClick();
    return true;
  }
  for (int i = 0; i < prediction::kSlotCount; ++i) {
    if (!Edit[static_cast<std::size_t>(i)] || watched != Edit[static_cast<std::size_t>(i)])
      continue;
    if (event->type() == QEvent::MouseButtonPress) {
      ShowSlot(i + 1);
    } else if (event->type() == QEvent::KeyPress) {
      SlotKeyDown(i, static_cast<QKeyEvent*>(event));
    }
    return false;
  }
  for (int g = 1; g <= kGroupCount; ++g) {
    QListWidget* list = GroupList(g);
    if (!list) continue;  // still being built
    if (watched == list->viewport() && event->type() == QEvent::MouseButtonRelease) {
      // The list toggled the entry on the press already.
      auto* mouse = static_cast<QMouseEvent*>(event);
      ListBoxSatellitesMouseUp(g, mouse->button(), mouse->position().toPoint());
      return false;
    }
    if (watched == list->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
      return true;  // other buttons rename; they do not select
    if (watched == list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
      // The space key acts as a left click on the focused entry.
      if (QListWidgetItem* item = list->currentItem()) item->setSelected(!item->isSelected());
      ListBoxSatellitesMouseUp(g, Qt::LeftButton, QPoint());
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace app
