// The user's own maps: the warning, the file dialog, the checks, the copy into the program
// folder and the look-up at the next start.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "base/sounds.h"
#include "map/form_map.h"
#include "map/user_map.h"

namespace map {

namespace {

// Decodes a bitmap with the decoder's allocation limit; a null image on any failure
// (missing, truncated, too large, not a bitmap).
QImage ReadBitmap(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > kMaxUserMapBytes) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.read(kMaxUserMapBytes);
  if (!BitmapComplete(bytes)) return {};
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setAllocationLimit(kUserMapAllocationLimitMb);
  QImage image = reader.read();
  if (image.isNull() || image.width() < 2 || image.height() < 1) return {};
  return image;
}

int Index(int shift) {
  return shift == kShift180 ? 1 : 0;
}

}  // namespace

QString TFormMap::UserMapName(int shift) const {
  return shift == kShift180 ? settings_.userMap180 : settings_.userMap0;
}

void TFormMap::SetUserMapName(int shift, const QString& name) {
  (shift == kShift180 ? settings_.userMap180 : settings_.userMap0) = name;
}

void TFormMap::LoadStoredUserMaps() {
  for (int shift : {kShift0, kShift180}) {
    const QString name = UserMapName(shift);
    if (name.isEmpty()) continue;
    const QImage image =
        HasBmpExtension(name) ? ReadBitmap(QDir(env_.programFolder).filePath(name)) : QImage();
    if (image.isNull()) {
      if (env_.dialogs) env_.dialogs->Error(tr("Error BitMap"));
      SetUserMapName(shift, QString());
      continue;
    }
    userImage_[Index(shift)] = image;
  }
}

void TFormMap::ShowBaseMapOfCentring() {
  layers_.SetUserMap(userImage_[Index(settings_.centre)]);
}

QString TFormMap::UserMapWarning(int shift) const {
  const QString crlf = QStringLiteral("\r\n");
  return tr("================ W A R N I N G ===================") + crlf + crlf +
         tr("If you want to display your own earth map, it must ") + crlf + crlf +
         tr("- show the WHOLE Earth in equirectangular (plate carrée) representation") + crlf +
         (shift == kShift180 ? tr("- be centered on latitude 0 / longitude 180")
                             : tr("- be centered on latitude 0 / longitude 0")) +
         crlf + tr("- be a BitMap image") + crlf +
         tr("- has a width exactly twice the height (ex : 600x300 pixels)") + crlf + crlf +
         tr(" If these constraints are not respected, curves and positions on your map won't be correct") +
         crlf + crlf + tr(" To reinitiate with the original map, enter <original.bmp> ");
}

void TFormMap::UserMapClick(int shift) {
  if (env_.dialogs) env_.dialogs->Warning(UserMapWarning(shift));
  const QString path = env_.chooseImageFile(QStringLiteral("original.bmp"));
  if (path.isEmpty()) return;
  if (IsOriginalMapName(path)) {
    SetUserMapName(shift, QString());
    userImage_[Index(shift)] = QImage();
  } else {
    const QImage image = HasBmpExtension(path) ? ReadBitmap(path) : QImage();
    const QString stored =
        image.isNull() ? QString() : CopyUserMapIntoFolder(path, env_.programFolder);
    if (stored.isEmpty()) {
      if (env_.dialogs) env_.dialogs->Error(tr("Bitmap error"));
      return;
    }
    SetUserMapName(shift, stored);
    userImage_[Index(shift)] = image;
  }
  if (settings_.centre == shift) {
    ShowBaseMapOfCentring();
    Repaint();
  }
  ApplyLanguage();
}

}  // namespace map
