#include "app/download/download_desk.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTimer>
#include <QWidget>

#include "app/download/age_check.h"
#include "app/download/form_alarm_tle.h"
#include "app/download/form_apropos.h"
#include "app/download/form_help_texts.h"
#include "app/download/form_tle_info.h"
#include "app/download/release_check.h"
#include "app/download/release_fetcher.h"
#include "app/settings.h"
#include "base/clock.h"
#include "base/sounds.h"

namespace app::download {

namespace {

bool SamePath(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const QFileInfo fa(a);
  const QFileInfo fb(b);
  if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
  return fa.absoluteFilePath() == fb.absoluteFilePath();
}

}  // namespace

DownloadDesk::DownloadDesk(DownloadHost host, QObject* parent)
    : QObject(parent), host_(std::move(host)) {
  TFormWEB::Environment environment;
  environment.clock = host_.clock;
  environment.fetchLog = &host_.settings->fetchLog;
  environment.programFolder = host_.programFolder;
  environment.checkChecksums = host_.checkChecksums;
  web_ = new TFormWEB(environment, host_.mainWindow);
  alarm_ = new TFormAlarmTLE(host_.mainWindow);
  notice_ = new TFormTLEinfo(host_.mainWindow);
  releases_ = new ReleaseFetcher(this);
  about_ = new TFormAPropos(releases_, host_.sounds, host_.dialogs, host_.mainWindow);
  if (host_.mainWindow != nullptr) host_.mainWindow->installEventFilter(this);

  connect(web_, &TFormWEB::SettingsEdited, this, [this](const AgeSettings& s) {
    host_.settings->tleAgeAlarm = s.notify;
    host_.settings->tleAgeDays = s.limitDays;
    host_.settings->autoDownload = s.automatic;
  });
  connect(web_, &TFormWEB::Completed, this, &DownloadDesk::Completed);
  connect(web_, &TFormWEB::Failed, this, [this] {
    automaticRun_ = false;
    web_->SetAutomaticRun(false);
  });
  connect(web_, &TFormWEB::Closed, this, &DownloadDesk::WebClosed);
  connect(alarm_, &TFormAlarmTLE::AutomaticStart, this, [this] {
    automaticRun_ = true;
    web_->SetAutomaticRun(true);
    web_->SetStatus(QString());
    triedAutomatically_.insert(QFileInfo(alarmFile_).absoluteFilePath());
  });
  connect(alarm_, &TFormAlarmTLE::OkPressed, this, &DownloadDesk::AlarmOk);
  connect(alarm_, &TFormAlarmTLE::NoPressed, this, &DownloadDesk::AlarmNo);
  connect(about_, &TFormAPropos::ReleaseCheckToggled, this, [this](bool on) {
    host_.settings->newReleaseCheck = on;
    if (host_.releaseCheckChanged) host_.releaseCheckChanged(on);
  });
  connect(releases_, &ReleaseFetcher::Fetched, this, [this](const QString& latest) {
    if (!startCheck_) return;
    startCheck_ = false;
    // At start the check is silent unless it has news.
    if (!latest.isEmpty() && IsNewerRelease(QStringLiteral(ORVANE_VERSION), latest)) {
      host_.sounds->Beep();
      host_.dialogs->Information(TFormAPropos::NewerReleaseText());
    }
  });
}

DownloadDesk::~DownloadDesk() = default;

DownloadFields DownloadDesk::GroupFields(int group) const {
  const Group& g = GroupNumber(host_.settings->groups, group);
  DownloadFields fields{g.url, g.loginUrl, g.loginUserName, g.loginPassword, g.elementFile};
  if (group == host_.activeGroup()) fields.file = host_.activeElementFile();
  return fields;
}

void DownloadDesk::StoreFields(int group) {
  if (group < 1) return;
  Group& g = GroupNumber(host_.settings->groups, group);
  const DownloadFields fields = web_->Fields();
  g.url = fields.url;
  g.loginUrl = fields.loginUrl;
  g.loginUserName = fields.userName;
  g.loginPassword = fields.password;
}

void DownloadDesk::OpenDownloadWindow() {
  if (!web_->isVisible()) {
    windowGroup_ = host_.activeGroup();
    const Settings& s = *host_.settings;
    web_->Open(GroupFields(windowGroup_), {s.tleAgeAlarm, s.tleAgeDays, s.autoDownload});
  } else {
    web_->raise();
  }
  if (openAndStart_) {
    openAndStart_ = false;
    web_->BitBtnOKWEBClick();
  }
}

void DownloadDesk::CloseDownloadWindow() {
  if (web_->isVisible()) web_->BitBtnCancelWEBClick();
}

void DownloadDesk::GroupChanging(int previousGroup) {
  if (web_->isVisible()) StoreFields(previousGroup);
}

void DownloadDesk::GroupChanged() {
  if (!web_->isVisible()) return;
  windowGroup_ = host_.activeGroup();
  web_->ShowFields(GroupFields(windowGroup_));
}

void DownloadDesk::WebClosed() {
  StoreFields(windowGroup_);
  const AgeSettings s = web_->Settings();
  host_.settings->tleAgeAlarm = s.notify;
  host_.settings->tleAgeDays = s.limitDays;
  host_.settings->autoDownload = s.automatic;
  // The end of an automatic run: the notice, then the passes of the new elements.
  const bool completed = web_->Procedure().LastOutcome() == Outcome::Completed;
  if (automaticRun_ && completed) {
    automaticRun_ = false;
    web_->SetAutomaticRun(false);
    notice_->ShowNotice(QFileInfo(alarmFile_).fileName());
    if (!alarmInSettings_ && host_.explore) host_.explore();
    return;
  }
  automaticRun_ = false;
  web_->SetAutomaticRun(false);
}

void DownloadDesk::Completed(const QString& target) {
  if (SamePath(target, host_.activeElementFile()) && host_.reloadActiveGroup)
    host_.reloadActiveGroup();
}

void DownloadDesk::CheckAge(const QString& path) {
  const Settings& s = *host_.settings;
  if (!s.tleAgeAlarm && !s.autoDownload) return;
  const QFileInfo file(path);
  if (!file.exists()) return;
  const bool visible = host_.mainWindow == nullptr || host_.mainWindow->isVisible();
  const double age = ElementAgeDays(file.lastModified(), host_.clock->Now());
  if (!AgeAlarmDue(s.tleAgeDays, age)) {
    pendingAlarm_ = false;
    if (visible) HideAgeAlarm();
    return;
  }
  alarmFile_ = file.absoluteFilePath();
  if (visible) {
    ShowAlarmNow();
  } else {
    pendingAlarm_ = true;  // shown at the main window's next paint
  }
}

void DownloadDesk::ShowAlarmNow() {
  pendingAlarm_ = false;
  const Settings& s = *host_.settings;
  alarmInSettings_ = host_.settingsPanelShowing && host_.settingsPanelShowing();
  TFormAlarmTLE::Mode mode = TFormAlarmTLE::Mode::Manual;
  if (s.autoDownload) {
    // An automatic download tries each file once per run; after that the user decides.
    mode = triedAutomatically_.contains(alarmFile_) ? TFormAlarmTLE::Mode::AlreadyTried
                                                     : TFormAlarmTLE::Mode::Automatic;
  }
  alarm_->ShowAlarm(QFileInfo(alarmFile_).fileName(), s.tleAgeDays, mode);
}

void DownloadDesk::HideAgeAlarm() {
  alarm_->Timerwait->stop();
  alarm_->hide();
}

bool DownloadDesk::eventFilter(QObject* watched, QEvent* event) {
  if (watched == host_.mainWindow && pendingAlarm_ &&
      (event->type() == QEvent::Paint || event->type() == QEvent::Show)) {
    pendingAlarm_ = false;
    QTimer::singleShot(0, this, [this] {
      if (!alarmFile_.isEmpty()) ShowAlarmNow();
    });
  }
  return QObject::eventFilter(watched, event);
}

void DownloadDesk::DontWarnAnymore(bool noWarn) {
  if (noWarn) web_->CheckBoxDateTLE->setChecked(false);  // the setting follows the box
  if (noWarn) host_.settings->tleAgeAlarm = false;
}

void DownloadDesk::AlarmOk(bool noWarn) {
  openAndStart_ = true;
  DontWarnAnymore(noWarn);
  // "Settings" shows the settings panel, which opens the download window when automatic
  // download is on; otherwise it is opened here.
  if (host_.settingsCommand) host_.settingsCommand();
  if (openAndStart_ && host_.settingsPanelShowing && host_.settingsPanelShowing())
    OpenDownloadWindow();
  openAndStart_ = false;
}

void DownloadDesk::AlarmNo(bool noWarn) {
  openAndStart_ = false;
  automaticRun_ = false;
  web_->SetAutomaticRun(false);
  DontWarnAnymore(noWarn);
}

void DownloadDesk::FirstIdle() {
  if (idleDone_) return;
  idleDone_ = true;
  if (host_.settings->newReleaseCheck) startCheck_ = releases_->Start(QStringLiteral("orvane"));
}

void DownloadDesk::ShowAbout() {
  SetReleaseCheck(host_.settings->newReleaseCheck);
  about_->show();
  about_->raise();
}

void DownloadDesk::SetReleaseCheck(bool on) {
  const QSignalBlocker quiet(about_->CheckBoxVersion);
  about_->CheckBoxVersion->setChecked(on);
}

void DownloadDesk::LanguageSwitched() {
  // The download and age-alarm windows are refreshed in the main window's order.
  if (notice_->isVisible()) notice_->Retranslate();
  if (about_->isVisible()) about_->Retranslate();
  for (QWidget* help : {static_cast<QWidget*>(web_->LoginHelp()),
                        static_cast<QWidget*>(web_->DownloadHelp())}) {
    if (help->isVisible()) static_cast<HelpTextWindow*>(help)->Retranslate();
  }
}

}  // namespace app::download
