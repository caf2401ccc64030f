#pragma once

// The program's handler of help requests: the help viewer with the help file of the
// current language, and the "Getting started" document through the desktop.

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

#include "base/help_request.h"
#include "base/sounds.h"

namespace app::help {

class THelpViewer;

struct HelpDeskEnvironment {
  std::function<QString()> helpFile;         // absolute path of the current help file
  std::function<QString()> currentLanguage;  // "English", "Francais", ...
  QString programFolder;                     // where the documents lie
  base::Dialogs* dialogs = nullptr;          // the messages when something is missing
  // Hands a document to the desktop; empty means QDesktopServices::openUrl.
  std::function<bool(const QUrl&)> openDocument;
};

class HelpDesk : public base::HelpHandler {
  Q_DECLARE_TR_FUNCTIONS(app::help::HelpDesk)

 public:
  explicit HelpDesk(HelpDeskEnvironment environment);
  ~HelpDesk() override;

  void ShowContents() override;
  void ShowTopic(int context) override;
  void ShowGettingStarted() override;

  // The viewer window, made on the first request.
  THelpViewer* Viewer();
  bool HasViewer() const { return viewer_ != nullptr; }

 private:
  void Present();
  void FileNotFound(const QString& path);

  HelpDeskEnvironment env_;
  std::unique_ptr<THelpViewer> viewer_;
};

}  // namespace app::help
