// The files the program keeps to itself: the temporary folder, an 8-bit text
// file only this user can read that is only ever appended to, and copying such
// a file over another.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

namespace config {

// A text file open for appending. Each line reaches the file, whole, before the
// call returns, so nothing written is lost if the program stops. A write that
// fails is a fatal error, and leaves none of its line in the file.
class LineWriter {
 public:
  LineWriter(int fd, QString path);
  ~LineWriter();
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  // The text in the 8-bit code page, then CR LF.
  void writeLine(QStringView text = {});

  const QString& path() const { return path_; }

 private:
  void write(const QByteArray& bytes);

  int fd_;
  QString path_;
};

// A regular file of this user's, open for reading, to be copied elsewhere.
class OwnFile {
 public:
  OwnFile(int fd, QString path);
  ~OwnFile();
  OwnFile(const OwnFile&) = delete;
  OwnFile& operator=(const OwnFile&) = delete;

  // Copies the file to `destination`, replacing a file there in one step: the
  // old one stays whole until the new one is complete, and the new one keeps its
  // permissions. A symbolic link there is kept and the file it names replaced.
  // Returns nothing on success, otherwise why it failed, in words for the player.
  std::optional<QString> copyTo(const QString& destination) const;

  const QString& path() const { return path_; }

 private:
  int fd_;
  QString path_;
};

// The temporary folder's path, absolute. One that does not exist or is no
// folder is a fatal error.
QString temporaryFolder();

// Creates the file anew (emptying one that is there) for 8-bit text. It is
// made readable by its owner alone, and it must be a regular file of this
// user's: a link, a folder or another user's file at the path is a fatal
// error and is left untouched. The writer keeps the file locked; a file
// another writer has locked (another copy of the program) is refused alike.
std::unique_ptr<LineWriter> createPrivateTextFile(const QString& path);

// The file at `path`; a missing one (or anything but a regular file of this
// user's) is a fatal error.
std::unique_ptr<OwnFile> openOwnFile(const QString& path);

// The reason behind a system error number, in words for the player.
QString systemErrorText(int error);

}  // namespace config
