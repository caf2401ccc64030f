// Element download on the main window: the "WEB" button of the group pages, the about
// window and the release-check menu, and the hooks through which the download windows
// reach the groups, the settings panel and "EXPLORE".
#include <QAction>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "app/download/download_desk.h"
#include "app/download/form_web.h"
#include "app/form1.h"
#include "app/named_widget.h"

namespace app {

namespace {

// The layout that holds `widget` directly, searched from `layout` down.
QBoxLayout* RowHolding(QLayout* layout, QWidget* widget) {
  if (layout == nullptr) return nullptr;
  if (layout->indexOf(widget) >= 0) return qobject_cast<QBoxLayout*>(layout);
  for (int i = 0; i < layout->count(); ++i) {
    if (QBoxLayout* found = RowHolding(layout->itemAt(i)->layout(), widget)) return found;
  }
  return nullptr;
}

}  // namespace

void TForm1::BuildDownloads() {
  download::DownloadHost host;
  host.clock = env_.clock;
  host.sounds = env_.sounds;
  host.dialogs = env_.dialogs;
  host.settings = &settings_;
  host.mainWindow = this;
  host.programFolder = env_.programFolder;
  host.activeGroup = [this] { return activeGroup_; };
  host.activeElementFile = [this] { return GroupFileEdit(activeGroup_)->text(); };
  host.settingsPanelShowing = [this] { return SettingsPanelShowing(); };
  host.checkChecksums = [this] { return !MenuNoChecksum->isChecked(); };
  host.settingsCommand = [this] { MenuInitialisationClick(); };
  host.explore = [this] { BitBtn_OK_LocationClick(); };
  host.reloadActiveGroup = [this] {
    // The new file is the group's current element file.
    currentElementFile_ = GroupFileEdit(activeGroup_)->text();
    LoadGroupFile();
    const bool any = !GroupList(activeGroup_)->selectedItems().isEmpty();
    SetGroupMenuEntry(activeGroup_, any, any);
  };
  host.releaseCheckChanged = [this](bool on) { MenuInfoVersion->setChecked(on); };
  downloads_ = std::make_unique<download::DownloadDesk>(std::move(host));

  // The button sits on the group pages, beside the group's name and reset buttons.
  BitBtnWEB = Named(new QPushButton(QStringLiteral("WEB")), QStringLiteral("BitBtnWEB"));
  BitBtnWEB->setAutoDefault(false);
  if (QBoxLayout* row = RowHolding(GroupBoxSatellite->layout(), SpeedButtonRAZ))
    row->insertWidget(row->indexOf(SpeedButtonRAZ) + 1, BitBtnWEB);
  connect(BitBtnWEB, &QPushButton::clicked, this, &TForm1::BitBtnWEBClick);

  MenuAPropos->setEnabled(true);
  connect(MenuAPropos, &QAction::triggered, this, [this] { downloads_->ShowAbout(); });
  connect(MenuInfoVersion, &QAction::toggled, this, [this](bool on) {
    settings_.newReleaseCheck = on;
    downloads_->SetReleaseCheck(on);
  });
  connect(this, &TForm1::LanguageSwitched, downloads_.get(),
          &download::DownloadDesk::LanguageSwitched);

  // The settings panel opens the download window when automatic download is on.
  if (!env_.seams.openDownloadWindow)
    env_.seams.openDownloadWindow = [this] { downloads_->OpenDownloadWindow(); };
  // The first idle moment of the run: the release check, in the background.
  QTimer::singleShot(0, downloads_.get(), [this] { downloads_->FirstIdle(); });
}

void TForm1::RetranslateDownloads() {
  if (BitBtnWEB != nullptr) BitBtnWEB->setToolTip(download::TFormWEB::OpenButtonHint());
}

void TForm1::BitBtnWEBClick() {
  downloads_->OpenDownloadWindow();
}

}  // namespace app
