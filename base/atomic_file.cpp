#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace base {

namespace {

bool WriteAll(int fd, QByteArrayView bytes) {
  const char* p = bytes.data();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

mode_t ModeOf(QFileDevice::Permissions p) {
  mode_t m = 0;
  if (p & QFileDevice::ReadOwner) m |= S_IRUSR;
  if (p & QFileDevice::WriteOwner) m |= S_IWUSR;
  if (p & QFileDevice::ExeOwner) m |= S_IXUSR;
  if (p & QFileDevice::ReadGroup) m |= S_IRGRP;
  if (p & QFileDevice::WriteGroup) m |= S_IWGRP;
  if (p & QFileDevice::ExeGroup) m |= S_IXGRP;
  if (p & QFileDevice::ReadOther) m |= S_IROTH;
  if (p & QFileDevice::WriteOther) m |= S_IWOTH;
  if (p & QFileDevice::ExeOther) m |= S_IXOTH;
  return m;
}

bool Fail(QString* error, const QString& what) {
  if (error != nullptr) *error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
  return false;
}

// Opens the temporary file: the named one (a read-only leftover of an earlier failed run
// is removed first) or a fresh unique one beside the target.
int OpenTemporary(const QString& path, const QString& tempPath, QByteArray* tempName) {
  if (tempPath.isEmpty()) {
    *tempName = QFile::encodeName(path) + ".XXXXXX";
    return ::mkostemp(tempName->data(), O_CLOEXEC);
  }
  *tempName = QFile::encodeName(tempPath);
  struct stat st {};
  if (::lstat(tempName->constData(), &st) == 0 && !S_ISDIR(st.st_mode)) {
    if (::unlink(tempName->constData()) != 0) return -1;
  }
  return ::open(tempName->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
}

}  // namespace

bool AtomicSave(const QString& path, QByteArrayView bytes, QFileDevice::Permissions finalMode,
                const QString& tempPath, QString* error) {
  const QByteArray target = QFile::encodeName(path);
  QByteArray temp;
  const int fd = OpenTemporary(path, tempPath, &temp);
  if (fd < 0) return Fail(error, QStringLiteral("cannot create a temporary file beside ") + path);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int savedErrno = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(temp.constData());
    errno = written ? errno : savedErrno;
    return Fail(error, QStringLiteral("cannot write ") + QFile::decodeName(temp));
  }
  // rename() replaces the old file in one step, whatever its mode: never half a file.
  if (::rename(temp.constData(), target.constData()) != 0) {
    const int e = errno;
    ::unlink(temp.constData());
    errno = e;
    return Fail(error, QStringLiteral("cannot replace ") + path);
  }
  ::chmod(target.constData(), ModeOf(finalMode));
  const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
  const int dirFd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);  // makes the rename itself durable
    ::close(dirFd);
  }
  return true;
}

}  // namespace base
