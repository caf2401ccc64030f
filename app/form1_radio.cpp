// Radio modes and notes of the shown satellite: the "+" and "I" buttons beside the
// satellite memo, the extra-information and notes windows, the data-file save, the mode
// box, and the two data files at start-up.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/form1.h"
#include "app/named_widget.h"
#include "prediction/panel_explorer.h"
#include "tracking/field_text.h"
#include "tracking/form_extra_info.h"
#include "tracking/form_info.h"
#include "tracking/radio_data_file.h"
#include "tracking/tracking_controller.h"

namespace app {

namespace {

// Enter in the satellite memo acts as its "+" button.
class MemoEnterFilter : public QObject {
 public:
  MemoEnterFilter(std::function<void()> action, QObject* parent)
      : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        action_();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void TForm1::BuildRadio() {
  formExtraInfo_ = new tracking::TFormExtraInfo(env_.sounds, &translatingDialogs_, this);
  formInfo_ = new tracking::TFormInfo(&translatingDialogs_, env_.programFolder, this);
  connect(formExtraInfo_, &tracking::TFormExtraInfo::dataAccepted, this,
          &TForm1::ExtraInfoAccepted);
  connect(formInfo_, &tracking::TFormInfo::notesWritten, this,
          [this](const std::vector<std::string>& lines) { notesLines_ = lines; });

  // The two buttons sit right under the memo they belong to.
  BitBtnInfoSat = Named(new QPushButton(QStringLiteral("+")), QStringLiteral("BitBtnInfoSat"));
  BitBtnInfoPlus = Named(new QPushButton(QStringLiteral("I")), QStringLiteral("BitBtnInfoPlus"));
  for (QPushButton* b : {BitBtnInfoSat, BitBtnInfoPlus}) {
    b->setFixedWidth(32);
    b->setAutoDefault(false);
  }
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(BitBtnInfoSat);
  row->addWidget(BitBtnInfoPlus);
  row->addStretch();
  if (auto* memoColumn = qobject_cast<QVBoxLayout*>(explorer_->PanelMemoSatellite->layout())) {
    memoColumn->insertLayout(memoColumn->indexOf(explorer_->MemoSatellite) + 1, row);
  } else {
    auto* holder = new QWidget;
    holder->setLayout(row);
    explorer_->AddSideWidget(holder);
  }
  connect(BitBtnInfoSat, &QPushButton::clicked, this, &TForm1::MemoSatelliteClick);
  connect(BitBtnInfoPlus, &QPushButton::clicked, this, &TForm1::BitBtnInfoPlusClick);
  explorer_->MemoSatellite->installEventFilter(
      new MemoEnterFilter([this] { MemoSatelliteClick(); }, this));
  connect(explorer_, &prediction::PanelExplorer::ExplorerClosed, this,
          [this] { HideRadioWindows(); });
}

void TForm1::RetranslateRadio() {
  if (BitBtnInfoSat == nullptr) return;
  BitBtnInfoSat->setToolTip(tr("Radio modes and antenna of the satellite"));
  BitBtnInfoPlus->setToolTip(tr("Your notes about the satellite"));
}

prediction::PassSlot* TForm1::ShownRadioSlot() {
  if (shownSlot_ < 1 || shownSlot_ > prediction::kSlotCount) return nullptr;
  prediction::PassSlot& slot = slots_[static_cast<std::size_t>(shownSlot_ - 1)];
  return slot.HasSatellite() ? &slot : nullptr;
}

void TForm1::MemoSatelliteClick() {
  const prediction::PassSlot* slot = ShownRadioSlot();
  if (slot == nullptr || !ExplorerShowing()) return;
  radioSlot_ = shownSlot_;
  radioSatellite_ = slot->name;
  formExtraInfo_->Open(tracking::DecodeFieldText(slot->name), slot->radio);
}

void TForm1::BitBtnInfoPlusClick() {
  const prediction::PassSlot* slot = ShownRadioSlot();
  if (slot == nullptr || !ExplorerShowing()) return;
  formInfo_->Open(slot->name, slot->set.catalogueNumber);
}

void TForm1::HideRadioWindows() {
  if (formExtraInfo_->isVisible()) formExtraInfo_->BitBtnCancelInfoSatClick();
  if (formInfo_->isVisible()) formInfo_->hide();  // saves changed notes
}

// OK passed every check: the satellite takes the new data, the pass is shown again with
// them and, when "Save info" is checked, the data file keeps them.
void TForm1::ExtraInfoAccepted(const orbit::SatRadioData& data) {
  prediction::PassSlot* slot = ShownRadioSlot();
  // The window was opened for this slot's satellite; a changed slot takes nothing.
  if (slot == nullptr || shownSlot_ != radioSlot_ || slot->name != radioSatellite_) return;
  slot->radio = data;
  RecomputeShownPassKeepingTracking([this] { SaveSatelliteData(); });
}

void TForm1::RecomputeShownPassKeepingTracking(const std::function<void()>& beforeResume) {
  const bool wasTracking = tracking_->TrackingActive;
  BeforeExplorerRebuild();
  explorer_->RefreshShownPass();
  FillModeBox();
  if (const prediction::PassSlot* slot = ShownRadioSlot(); slot && !slot->radio.currentMode.empty())
    SelectModeLetter(slot->radio.currentMode.front());
  tracking_->ResumeAfterPass = false;
  if (beforeResume) beforeResume();
  if (wasTracking && !tracking_->TrackingActive) SpeedButtonTrackClick();
}

bool TForm1::SaveSatelliteData() {
  if (!formExtraInfo_->CheckBoxSaveInfo->isChecked()) return true;
  const prediction::PassSlot* slot = ShownRadioSlot();
  if (slot == nullptr) return false;
  std::vector<std::string> lines;
  if (!tracking::SaveSatelliteData(env_.programFolder, slot->name, slot->set.catalogueNumber,
                                   slot->radio, &lines)) {
    translatingDialogs_.Error(tracking::CantCreateRadioDataText());
    return false;
  }
  radioDataLines_ = std::move(lines);
  return true;
}

// Start-up step 6.
void TForm1::LoadRadioFilesAtStart() {
  const tracking::SectionFileAtStart data = tracking::LoadSectionFileAtStart(
      env_.programFolder, tracking::kRadioDataFileName, tracking::kRadioDataTempName,
      tracking::kRadioDataFileMode);
  radioDataLines_ = data.lines;
  if (data.failed) translatingDialogs_.Error(tracking::CantCreateRadioDataText());
  const tracking::SectionFileAtStart notes = tracking::LoadSectionFileAtStart(
      env_.programFolder, tracking::kNotesFileName, tracking::kNotesTempName,
      tracking::kNotesFileMode);
  notesLines_ = notes.lines;
  if (notes.failed) translatingDialogs_.Error(tracking::NotesErrorText());
}

}  // namespace app
