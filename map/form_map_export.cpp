// The published map: the picture and page written once a minute by the refresh, the
// two test buttons of the HTML settings window, and the FTP upload with its report timer.
#include <QTimer>
#include <cmath>

#include "base/clock.h"
#include "base/sounds.h"
#include "map/form_html.h"
#include "map/form_map.h"
#include "map/jpeg_encode.h"
#include "map/map_export.h"

namespace map {

void TFormMap::BuildExport() {
  html_ = new TFormHTML(&settings_, this);
  html_->testHtml = [this] { MenuSaveImage(); };
  html_->testUpload = [this] { MenuUploadFTP(); };
  TimerThread = new QTimer(this);
  TimerThread->setObjectName(QStringLiteral("TimerThread"));
  TimerThread->setSingleShot(true);
  TimerThread->setInterval(60000);
  connect(TimerThread, &QTimer::timeout, this, &TFormMap::TimerThreadTimer);
}

std::optional<PagePosition> TFormMap::PagePositionNow() const {
  if (feed_.visible) {
    if (!currentKnown_) return std::nullopt;
    return PagePositionOfLivePoint(current_.latitude, current_.westLongitude, current_.distance);
  }
  // Not visible: the orbit position the map shows, if it shows one.
  if (!OrbitMode(settings_.mode) || !(layers_.MarkerShown(MarkerKind::SatOrbite) ||
                                      layers_.MarkerShown(MarkerKind::SatEclipseOrbit)))
    return std::nullopt;
  const std::optional<prediction::TrackPoint> entry = OrbitEntry(orbitTrack_, orbitIndex_);
  if (!entry) return std::nullopt;
  return PagePositionOfTrackEntry(entry->latitude, entry->westLongitude, entry->distance10);
}

// Refresh step: the page once in each minute while its generation is on, then the upload.
void TFormMap::ExportOnMinute() {
  // The clock's whole minutes fall a hair short in binary: 13:00:00 must not read 12:59.
  const long long minute =
      static_cast<long long>(std::floor(static_cast<Real>(env_.clock->Now()) * 1440 + Real(1e-6)));
  if (!settings_.htmlPage || minute == lastExportMinute_) return;
  lastExportMinute_ = minute;
  // Last minute's files stay on the server rather than going up again unchanged.
  if (WritePage(false) && settings_.upload) MenuUploadFTP();
}

bool TFormMap::MenuSaveImage() {
  return WritePage(true);
}

bool TFormMap::WritePage(bool askedByUser) {
  const QImage picture = Compose().convertToFormat(QImage::Format_RGB888);
  const QByteArray jpeg =
      EncodeJpeg(picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine());
  PageContent content;
  content.satelliteName = feed_.satelliteName;
  content.browserPeriod = settings_.browserPeriod;
  content.timeText = PageTimeText(NowUtc(), QLocale());
  content.visible = feed_.visible;
  content.position = PagePositionNow();
  content.picture = PagePictureSize(settings_.pixel, mapSize_);
  QString failed;
  if (!WriteExportFiles(env_.programFolder, jpeg, HtmlPage(content), &failed)) {
    // Told once until a page is written again, not at every minute.
    if (askedByUser || !writeFailureShown_) {
      if (env_.sounds) env_.sounds->Beep();
      if (env_.dialogs) env_.dialogs->Error(tr("Can't create %1").arg(failed));
    }
    writeFailureShown_ = !askedByUser || writeFailureShown_;
    return false;
  }
  writeFailureShown_ = false;
  const QDateTime local = base::FromDateTimeValue(env_.clock->Now());
  html_->ShowPageWritten(local.time().toString(QStringLiteral("HH:mm:ss")));
  return true;
}

bool TFormMap::MenuUploadFTP() {
  if (uploader_.Running()) return false;  // one at a time; this request is dropped
  FtpJob job = ExportUploadJob(settings_, env_.programFolder, env_.uploadConnectTimeoutMs,
                               env_.uploadTotalTimeoutMs);
  html_->ShowUploadStatus(UploadStatus::Process);
  TimerThread->start();
  uploader_.Start(std::move(job), [this](const FtpResult& result) { UploadEnded(result); });
  return true;
}

void TFormMap::UploadEnded(const FtpResult& result) {
  TimerThread->stop();
  html_->ShowUploadStatus(result.success ? UploadStatus::Success : UploadStatus::Failure);
}

// The upload has not ended within the report period: it has failed. Its thread is told to
// stop and is not waited for; until it has ended no new upload starts.
void TFormMap::TimerThreadTimer() {
  TimerThread->stop();
  if (!uploader_.Running()) return;
  uploader_.Abandon();
  html_->ShowUploadStatus(UploadStatus::Failure);
}

void TFormMap::EndUpload() {
  TimerThread->stop();
  uploader_.Stop();
}

}  // namespace map
