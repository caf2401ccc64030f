#include "map/map_export.h"

#include <QDir>

#include "base/atomic_file.h"
#include "map/html_page.h"

namespace map {

namespace {

QString ExportFolder(const QString& programFolder) {
  return QDir(programFolder).filePath(QString::fromLatin1(kHtmlFolder));
}

}  // namespace

QString ExportPicturePath(const QString& programFolder) {
  return QDir(ExportFolder(programFolder)).filePath(QString::fromLatin1(kPictureFileName));
}

QString ExportPagePath(const QString& programFolder) {
  return QDir(ExportFolder(programFolder)).filePath(QString::fromLatin1(kPageFileName));
}

bool WriteExportFiles(const QString& programFolder, const QByteArray& jpeg, const QByteArray& page,
                      QString* failedPath) {
  const QString picture = ExportPicturePath(programFolder);
  if (!QDir().mkpath(ExportFolder(programFolder)) || jpeg.isEmpty() ||
      !base::AtomicSave(picture, jpeg)) {
    if (failedPath) *failedPath = picture;
    return false;
  }
  const QString pagePath = ExportPagePath(programFolder);
  if (!base::AtomicSave(pagePath, page)) {
    if (failedPath) *failedPath = pagePath;
    return false;
  }
  return true;
}

FtpJob ExportUploadJob(const MapSettings& settings, const QString& programFolder,
                       int connectTimeoutMs, int totalTimeoutMs) {
  FtpJob job;
  job.host = settings.host;
  job.folder = settings.hostDir;
  job.user = settings.hostUser;
  job.password = settings.hostPass;
  job.files = {{ExportPagePath(programFolder), QString::fromLatin1(kPageFileName)},
               {ExportPicturePath(programFolder), QString::fromLatin1(kPictureFileName)}};
  job.connectTimeoutMs = connectTimeoutMs;
  job.totalTimeoutMs = totalTimeoutMs;
  return job;
}

}  // namespace map
