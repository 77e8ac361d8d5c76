#include "config/config_file.h"

#include <QDir>
#include <QFileDialog>
#include <memory>

#include "config/config_text.h"
#include "config/private_file.h"
#include "platform/dialogs.h"
#include "platform/fatal.h"

namespace config {
namespace {

// The temporary file, open all run.
std::unique_ptr<LineWriter> stream;

}  // namespace

QString temporaryConfigPath() {
  return QDir(temporaryFolder()).filePath(QString::fromLatin1(kTemporaryFileName));
}

void createConfigFile() {
  stream = createPrivateTextFile(temporaryConfigPath());
  stream->writeLine(templateText());
}

void writeLines(const QStringList& lines) {
  if (!stream) platform::fatalError(QStringLiteral("файл настроек не открыт"));
  for (const QString& line : lines) stream->writeLine(line);
}

bool saveConfigFile() {
  const std::unique_ptr<OwnFile> source = openOwnFile(temporaryConfigPath());
  // Qt's save dialog asks before overwriting unless told otherwise.
  const std::optional<QString> chosen =
      platform::currentDialogs().saveFileName({QStringLiteral("(*.cfg)")}, QFileDialog::Options());
  if (!chosen) return false;
  if (std::optional<QString> failure = source->copyTo(*chosen)) {
    platform::showMessage(QStringLiteral("Не удалось сохранить настройки в файл\r%1\rПричина: %2")
                              .arg(*chosen, *failure));
    return false;
  }
  return true;
}

void closeConfigFile() { stream.reset(); }

}  // namespace config
