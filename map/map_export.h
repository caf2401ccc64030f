#pragma once

// Writing the published files: the picture and the page into the folder "html" of the
// program folder, each through a temporary name and a rename, so that an upload reading
// them at any moment gets one whole version.

#include <QByteArray>
#include <QString>

#include "map/ftp_upload.h"
#include "map/map_state.h"

namespace map {

// "<programFolder>/html/orvane_map.jpg" and "<programFolder>/html/orvane.htm".
QString ExportPicturePath(const QString& programFolder);
QString ExportPagePath(const QString& programFolder);

// Creates the folder when missing, then replaces the picture and the page. On failure
// `*failedPath` (when given) names the file that could not be written; the files already
// there stay as they were.
bool WriteExportFiles(const QString& programFolder, const QByteArray& jpeg, const QByteArray& page,
                      QString* failedPath = nullptr);

// The upload of the two files with the server settings: the page, then the picture.
FtpJob ExportUploadJob(const MapSettings& settings, const QString& programFolder,
                       int connectTimeoutMs = 20000, int totalTimeoutMs = 55000);

}  // namespace map
