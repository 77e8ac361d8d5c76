#include "config/config_file.h"

#include "config/config_text.h"
#include "config/mod.h"
#include "platform/dialogs.h"
#include "platform/fatal.h"
#include "platform/resources.h"

namespace MOD {
void Reset() {
  CfgFile.reset();
  CfgStream.reset();
  CfgFso.reset();
  SoundBytes.clear();
  SoundResult = 0;
}
}  // namespace MOD

namespace config {
namespace {

platform::FileSystem& Fso() {
  if (!MOD::CfgFso) MOD::CfgFso = std::make_unique<platform::FileSystem>();
  return *MOD::CfgFso;
}

}  // namespace

QString TemporaryConfigPath() {
  platform::FileSystem& fso = Fso();
  return fso.BuildPath(fso.GetSpecialFolder(platform::FileSystem::kTemporaryFolder),
                       QString::fromLatin1(kTemporaryName));
}

void CreateConfigFile() {
  MOD::CfgStream = Fso().CreateTextFile(TemporaryConfigPath(), true, false);
  MOD::CfgStream->WriteLine(platform::LoadResString(kConfigTemplate));
}

void WriteLines(const QStringList& lines) {
  if (!MOD::CfgStream) platform::FatalError(QStringLiteral("файл настроек не открыт"));
  for (const QString& line : lines) MOD::CfgStream->WriteLine(line);
}

bool SaveConfigFile(platform::CommonDialog& dialog) {
  MOD::CfgFile = Fso().GetFile(TemporaryConfigPath());
  dialog.Flags = 6;  // ask before overwriting, hide the read-only box
  dialog.Filter = QStringLiteral("(*.cfg)|*.cfg");
  if (!dialog.ShowSave()) return false;
  if (std::optional<QString> failure = MOD::CfgFile->Copy(dialog.FileName)) {
    platform::MsgBox(QStringLiteral("Не удалось сохранить настройки в файл\r%1\rПричина: %2")
                         .arg(dialog.FileName, *failure));
    return false;
  }
  return true;
}

}  // namespace config
