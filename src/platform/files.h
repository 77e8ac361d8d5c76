// The file-system service: the temporary folder, joining paths, an 8-bit text
// stream that only appends, and copying a file over another.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

namespace platform {

// A text file open for appending. Each line reaches the file, whole, before the
// call returns, so nothing written is lost if the program stops. A write that
// fails is a fatal error, and leaves none of its line in the file.
class TextStream {
 public:
  TextStream(int fd, QString path);
  ~TextStream();
  TextStream(const TextStream&) = delete;
  TextStream& operator=(const TextStream&) = delete;

  // The text in the 8-bit code page, then CR LF.
  void WriteLine(QStringView text = {});
  // `count` times CR LF.
  void WriteBlankLines(int count);

  const QString& Path() const { return path_; }

 private:
  void Write(const QByteArray& bytes);

  int fd_;
  QString path_;
};

// A file found on disk, to be copied elsewhere.
class FileObject {
 public:
  FileObject(int fd, QString path);
  ~FileObject();
  FileObject(const FileObject&) = delete;
  FileObject& operator=(const FileObject&) = delete;

  // Copies the file to `destination`, replacing a file there in one step: the
  // old one stays whole until the new one is complete, and the new one keeps its
  // permissions. A symbolic link there is kept and the file it names replaced.
  // Returns nothing on success, otherwise why it failed, in words for the player.
  std::optional<QString> Copy(const QString& destination) const;

  const QString& Path() const { return path_; }

 private:
  int fd_;
  QString path_;
};

class FileSystem {
 public:
  static constexpr int kTemporaryFolder = 2;

  // The folder's path, absolute; only the temporary folder is known. One that
  // does not exist or is no folder is a fatal error.
  QString GetSpecialFolder(int which) const;

  // Joins a folder and a name with one separator.
  QString BuildPath(const QString& folder, const QString& name) const;

  // Creates the file anew (emptying one that is there) for 8-bit text. It is
  // made readable by its owner alone, and it must be a regular file of this
  // user's: a link, a folder or another user's file at the path is a fatal
  // error and is left untouched. The stream keeps the file locked; a file
  // another stream has locked (another copy of the program) is refused alike.
  std::unique_ptr<TextStream> CreateTextFile(const QString& path, bool overwrite,
                                             bool unicode) const;

  // The file at `path`; a missing one (or anything but a regular file of this
  // user's) is a fatal error.
  std::unique_ptr<FileObject> GetFile(const QString& path) const;
};

// The reason behind a system error number, in words for the player.
QString SystemErrorText(int error);

}  // namespace platform
