#pragma once

// The download windows and their hand-overs with the main window: opening the download
// window for the active group, the age alarm and its automatic run, the reload after a
// download, the "updated" notice, the release check at start and the about window. The
// main window fills the host's hooks; everything here reaches it only through them.

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

#include "app/download/download_procedure.h"
#include "app/download/form_web.h"

class QWidget;

namespace base {
class Clock;
class Dialogs;
class Sounds;
}  // namespace base

namespace app {
struct Settings;
}

namespace app::download {

class ReleaseFetcher;
class TFormAlarmTLE;
class TFormAPropos;
class TFormTLEinfo;

struct DownloadHost {
  base::Clock* clock = nullptr;
  base::Sounds* sounds = nullptr;
  base::Dialogs* dialogs = nullptr;
  app::Settings* settings = nullptr;  // the main window's settings record
  QWidget* mainWindow = nullptr;      // parent of the windows; its first paint shows a
                                      // pending alarm
  QString programFolder;
  std::function<int()> activeGroup;           // 1..10
  std::function<QString()> activeElementFile;  // the active group's file-name edit
  std::function<bool()> settingsPanelShowing;
  std::function<bool()> checkChecksums;        // "Don't control checksums" unchecked
  std::function<void()> settingsCommand;       // menu "Settings"
  std::function<void()> explore;               // "EXPLORE"
  std::function<void()> reloadActiveGroup;     // LoadGroupFile of the active group
  std::function<void(bool)> releaseCheckChanged;  // MenuInfoVersion follows the about box
};

class DownloadDesk : public QObject {
  Q_OBJECT
 public:
  explicit DownloadDesk(DownloadHost host, QObject* parent = nullptr);
  ~DownloadDesk() override;

  TFormWEB* WebWindow() const { return web_; }
  TFormAlarmTLE* AlarmWindow() const { return alarm_; }
  TFormTLEinfo* NoticeWindow() const { return notice_; }
  TFormAPropos* AboutWindow() const { return about_; }
  ReleaseFetcher& Releases() { return *releases_; }
  // Transfer settings of the element downloads (tests: a test CA, the login host).
  ProcedureConfig& DownloadConfig() { return web_->Procedure().Config(); }

  // BitBtnWEBClick: the download window for the active group.
  void OpenDownloadWindow();
  // "EXPLORE": the window closes if open.
  void CloseDownloadWindow();
  // The group page is about to change / has changed while the window may be open.
  void GroupChanging(int previousGroup);
  void GroupChanged();

  // The age check of an element file that exists (LoadGroupFile).
  void CheckAge(const QString& path);
  void HideAgeAlarm();
  bool AlarmPending() const { return pendingAlarm_; }
  bool AutomaticRun() const { return automaticRun_; }

  // The first idle moment of the run: the release check when it is on.
  void FirstIdle();
  // MenuAPropos.
  void ShowAbout();
  // The menu's check item changed: the about box follows.
  void SetReleaseCheck(bool on);
  // The language changed: the open notice, about and help windows take it.
  void LanguageSwitched();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowAlarmNow();
  void AlarmOk(bool noWarn);
  void AlarmNo(bool noWarn);
  void DontWarnAnymore(bool noWarn);
  void Completed(const QString& target);
  void WebClosed();
  void StoreFields(int group);
  DownloadFields GroupFields(int group) const;

  DownloadHost host_;
  TFormWEB* web_ = nullptr;
  TFormAlarmTLE* alarm_ = nullptr;
  TFormTLEinfo* notice_ = nullptr;
  TFormAPropos* about_ = nullptr;
  ReleaseFetcher* releases_ = nullptr;
  QString alarmFile_;         // full path of the file the alarm is about
  QSet<QString> triedAutomatically_;  // files an automatic run fetched (or tried) already
  bool openAndStart_ = false;
  bool automaticRun_ = false;
  bool pendingAlarm_ = false;
  bool alarmInSettings_ = false;  // the alarm came while the settings panel showed
  bool startCheck_ = false;       // the release check at start is running
  bool idleDone_ = false;
  int windowGroup_ = 0;           // the group whose fields the window shows
};

}  // namespace app::download
