// The quit procedure, the same for the menu, the close button and Esc.
#include <QAction>
#include <QGroupBox>
#include <QCoreApplication>
#include <QTimer>

#include "app/download/download_desk.h"
#include "app/form1.h"
#include "app/form_dialog.h"
#include "app/form_rename.h"
#include "app/window_placement.h"
#include "tracking/page_control_antenne.h"

namespace app {

void TForm1::RecordCompactPosition(bool withExtraSize) {
  WindowGeometry& g = settings_.geometry;
  g.compactLeft = x();
  g.compactTop = y();
  if (withExtraSize) {
    g.compactExtraHeight = computedHeight_ > 0 ? height() - computedHeight_ : 0;
    g.compactExtraWidth = width() - compactBaseWidth_;
  }
}

void TForm1::RecordSettingsGeometry() {
  WindowGeometry& g = settings_.geometry;
  g.settingsLeft = x();
  g.settingsTop = y();
  g.settingsWidth = width();
  g.settingsHeight = height();
}

void TForm1::MenuQuitterClick() {
  if (quitDone_ || quitAsking_) return;
  // 1. Confirmation.
  if (!MenuNoConfirm->isChecked()) {
    if (!GroupBoxAntenna->isHidden()) {
      PageControlAntenne->OkClick(tracking::Interface::PourSat);
      PageControlAntenne->OkClick(tracking::Interface::FodTrack);
    }
    quitAsking_ = true;
    const int answer = formDialog_->Ask(msg::QuitConfirmation());
    quitAsking_ = false;
    if (answer != 1) return;
  }
  // 2-3. Positions recorded, secondary windows put away.
  settings_.moonWindowOpen = false;
  if (isVisible() && CompactListShowing() && !settingsOpenedSinceComputation_)
    RecordCompactPosition(true);
  if (env_.seams.hideSecondaryWindows) env_.seams.hideSecondaryWindows();
  if (formRename_->isVisible()) formRename_->hide();
  downloads_->CloseDownloadWindow();  // its fields go back into the groups
  HideRadioWindows();  // notes being typed are saved
  // 4. Antennas to their parking position.
  SpeedButtonParkClick();
  // 5. An open DDE conversation keeps the program running.
  if (env_.seams.ddeConversationOpen && env_.seams.ddeConversationOpen()) {
    env_.dialogs->Warning(msg::DdeConversationInProgress());
    return;
  }
  // 6-9. Servers, timer, ports and rotators.
  if (env_.seams.stopTcpServer) env_.seams.stopTcpServer();
  EndMapUpload();
  Timerseconde->stop();
  quitting_ = true;
  if (env_.seams.releasePrinterPort) env_.seams.releasePrinterPort();
  ParkAndStopRotatorsForQuit();
  // 10. Settings file, then the end. A failed write has shown its message and left the
  // previous file untouched; the user asked to leave, so the program still ends.
  CollectSettingsFromControls();
  Settings saved = settings_;
  if (settingsFileExisted_)
    saved.geometry = KeepUnmovedAsRead(settings_.geometry, geometryAsMended_, geometryAsRead_);
  save_configuration(saved, env_.programFolder, &translatingDialogs_, settingsFileUnread_);
  quitDone_ = true;
  if (env_.terminate) {
    env_.terminate();
  } else {
    QCoreApplication::exit(0);
  }
}

}  // namespace app
