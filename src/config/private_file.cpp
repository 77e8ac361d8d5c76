#include "config/private_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

#include "config/code_page_1251.h"
#include "platform/fatal.h"

namespace config {
namespace {

QByteArray nativePath(const QString& path) { return QFile::encodeName(path); }

bool writeAll(int fd, const char* data, qsizetype size) {
  while (size > 0) {
    const ssize_t done = ::write(fd, data, std::size_t(size));
    if (done < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += done;
    size -= done;
  }
  return true;
}

// Refuses what must not be written through or read: anything but one regular
// file of this user's.
std::optional<QString> checkOwnRegularFile(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return systemErrorText(errno);
  if (!S_ISREG(st.st_mode)) return QStringLiteral("это не обычный файл");
  if (st.st_uid != ::geteuid()) return QStringLiteral("файл принадлежит другому пользователю");
  if (st.st_nlink != 1) return QStringLiteral("у файла есть другие имена (жёсткие ссылки)");
  return std::nullopt;
}

QString openFailure(int error) {
  if (error == ELOOP) return QStringLiteral("это символическая ссылка");
  return systemErrorText(error);
}

// Where the path is a folder to write into, a missing entry is the folder.
QString folderFailure(int error) {
  if (error == ENOENT) return QStringLiteral("такой папки нет");
  return systemErrorText(error);
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link), so that saving onto a link writes the file it names, as editors do.
std::optional<QString> linkedFile(const QString& path) {
  QString at = path;
  for (int hops = 0; QFileInfo(at).isSymLink(); ++hops) {
    if (hops == 40) return std::nullopt;
    at = QFileInfo(at).symLinkTarget();
  }
  return at;
}

// The hidden name a new file is written under beside `name`: the name itself
// if that leaves room, else as much of it as fits, cut before a character.
QByteArray hiddenName(QByteArray name, const QByteArray& folder) {
  static constexpr char kHeadAndTail[] = "..XXXXXX";
  long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
  if (longest <= 0) longest = NAME_MAX;
  qsizetype room = qsizetype(longest) - qsizetype(sizeof kHeadAndTail - 1);
  if (name.size() > room) {
    while (room > 0 && (std::uint8_t(name[room]) & 0xC0) == 0x80) --room;
    name.truncate(room);
  }
  return "." + name + ".XXXXXX";
}

std::optional<QByteArray> readWhole(int fd) {
  QByteArray bytes;
  char chunk[65536];
  off_t at = 0;
  for (;;) {
    const ssize_t got = ::pread(fd, chunk, sizeof chunk, at);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) return bytes;
    bytes.append(chunk, got);
    at += got;
  }
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

QString systemErrorText(int error) {
  switch (error) {
    case ENOENT:
      return QStringLiteral("нет такого файла или папки");
    case ENOTDIR:
      return QStringLiteral("часть пути — не папка");
    case EACCES:
    case EPERM:
      return QStringLiteral("нет прав на запись");
    case EISDIR:
      return QStringLiteral("с этим именем уже есть папка");
    case ENOSPC:
    case EDQUOT:
      return QStringLiteral("на диске не хватает места");
    case EROFS:
      return QStringLiteral("диск открыт только для чтения");
    case ENAMETOOLONG:
      return QStringLiteral("слишком длинное имя");
    case EFBIG:
      return QStringLiteral("файл слишком велик");
    case ELOOP:
      return QStringLiteral("слишком много символических ссылок подряд");
    case EIO:
      return QStringLiteral("ошибка ввода-вывода");
    default:
      return QString::fromLocal8Bit(std::strerror(error));
  }
}

LineWriter::LineWriter(int fd, QString path) : fd_(fd), path_(std::move(path)) {}

LineWriter::~LineWriter() { ::close(fd_); }

void LineWriter::writeLine(QStringView text) {
  QByteArray bytes = toCodePage1251(text);
  bytes.append("\r\n");
  write(bytes);
}

void LineWriter::write(const QByteArray& bytes) {
  const off_t end = ::lseek(fd_, 0, SEEK_END);
  if (writeAll(fd_, bytes.constData(), bytes.size())) return;
  const int error = errno;
  // A line reaches the file whole or not at all: what a full disk let through is
  // taken back.
  if (end >= 0) ::ftruncate(fd_, end);
  platform::fatalError(
      QStringLiteral("не удалось записать в файл %1: %2").arg(path_, systemErrorText(error)));
}

OwnFile::OwnFile(int fd, QString path) : fd_(fd), path_(std::move(path)) {}

OwnFile::~OwnFile() { ::close(fd_); }

std::optional<QString> OwnFile::copyTo(const QString& destination) const {
  const std::optional<QByteArray> bytes = readWhole(fd_);
  if (!bytes) return systemErrorText(errno);

  const std::optional<QString> linked = linkedFile(destination);
  if (!linked) return systemErrorText(ELOOP);
  const QByteArray target = nativePath(*linked);
  struct stat existing {};
  const bool exists = ::stat(target.constData(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return systemErrorText(EISDIR);

  // Written beside the destination, then renamed over it in one step.
  const QFileInfo where(*linked);
  const QByteArray folder = nativePath(where.absolutePath());
  QByteArray temp = folder + "/" + hiddenName(nativePath(where.fileName()), folder);
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return folderFailure(errno);
  int error = 0;
  if (!writeAll(fd, bytes->constData(), bytes->size())) error = errno;
  if (error == 0 && ::fchmod(fd, exists ? (existing.st_mode & 07777) : newFileMode()) != 0)
    error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.constData(), target.constData()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.constData());
    return folderFailure(error);
  }
  return std::nullopt;
}

QString temporaryFolder() {
  // The folder Qt would name, but one that is missing is reported: Qt's answer
  // for it is empty, and the file would land in the current folder.
  QString named = qEnvironmentVariable("TMPDIR");
  if (named.isEmpty()) named = QStringLiteral("/tmp");
  const QString folder = QFileInfo(named).absoluteFilePath();
  struct stat st {};
  std::optional<QString> refused;
  if (::stat(nativePath(folder).constData(), &st) != 0) {
    refused = folderFailure(errno);
  } else if (!S_ISDIR(st.st_mode)) {
    refused = QStringLiteral("это не папка");
  }
  if (refused) {
    platform::fatalError(QStringLiteral("временная папка %1 недоступна: %2").arg(folder, *refused));
  }
  return QDir::toNativeSeparators(QFileInfo(folder).canonicalFilePath());
}

std::unique_ptr<LineWriter> createPrivateTextFile(const QString& path) {
  const QByteArray native = nativePath(path);
  // No O_TRUNC here: nothing is emptied before the checks below have passed.
  // O_NONBLOCK keeps a FIFO at the path from stalling the open. O_APPEND: no
  // write lands anywhere but at the end.
  const int flags = O_RDWR | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
  const int fd = ::open(native.constData(), flags, 0600);
  if (fd < 0) {
    platform::fatalError(
        QStringLiteral("не удалось создать файл %1: %2").arg(path, openFailure(errno)));
  }
  std::optional<QString> refused = checkOwnRegularFile(fd);
  // Held until the writer closes at the end of the run, so a second copy of the
  // program started meanwhile leaves this file alone. (Where the file system
  // has no locks, the program goes on without.)
  if (!refused && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    refused = QStringLiteral("файл занят другой запущенной копией программы");
  }
  if (!refused && (::fchmod(fd, 0600) != 0 || ::ftruncate(fd, 0) != 0 ||
                   ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)) {
    refused = systemErrorText(errno);
  }
  if (refused) {
    ::close(fd);
    platform::fatalError(QStringLiteral("не удалось создать файл %1: %2").arg(path, *refused));
  }
  return std::make_unique<LineWriter>(fd, path);
}

std::unique_ptr<OwnFile> openOwnFile(const QString& path) {
  const int fd =
      ::open(nativePath(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    platform::fatalError(QStringLiteral("файл не найден: %1 (%2)").arg(path, openFailure(errno)));
  }
  if (std::optional<QString> refused = checkOwnRegularFile(fd)) {
    ::close(fd);
    platform::fatalError(QStringLiteral("файл не найден: %1 (%2)").arg(path, *refused));
  }
  return std::make_unique<OwnFile>(fd, path);
}

}  // namespace config
