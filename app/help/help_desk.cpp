#include "app/help/help_desk.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "app/help/help_files.h"
#include "app/help/help_viewer.h"

namespace app::help {

HelpDesk::HelpDesk(HelpDeskEnvironment environment) : env_(std::move(environment)) {
  if (!env_.openDocument)
    env_.openDocument = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

HelpDesk::~HelpDesk() = default;

THelpViewer* HelpDesk::Viewer() {
  if (!viewer_) viewer_ = std::make_unique<THelpViewer>();
  return viewer_.get();
}

void HelpDesk::Present() {
  THelpViewer* viewer = Viewer();
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

void HelpDesk::FileNotFound(const QString& path) {
  if (viewer_) viewer_->hide();
  if (env_.dialogs) env_.dialogs->Warning(tr("help file not found") + QStringLiteral("\n") + path);
}

void HelpDesk::ShowContents() {
  const QString path = env_.helpFile ? env_.helpFile() : QString();
  if (!Viewer()->OpenContents(path)) return FileNotFound(path);
  Present();
}

void HelpDesk::ShowTopic(int context) {
  const QString path = env_.helpFile ? env_.helpFile() : QString();
  if (!Viewer()->OpenTopic(path, context)) return FileNotFound(path);
  Present();
}

void HelpDesk::ShowGettingStarted() {
  const bool french =
      env_.currentLanguage && env_.currentLanguage() == QLatin1String("Francais");
  const QString path = env_.programFolder + QLatin1Char('/') + GettingStartedFileName(french);
  if (!QFileInfo(path).isFile()) {
    if (env_.dialogs)
      env_.dialogs->Warning(tr("The document %1 is not in the program folder %2.")
                                .arg(GettingStartedFileName(french), env_.programFolder));
    return;
  }
  if (!env_.openDocument(QUrl::fromLocalFile(path)) && env_.dialogs)
    env_.dialogs->Warning(tr("No program could open the document %1.").arg(path));
}

}  // namespace app::help
