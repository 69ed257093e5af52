// The settings file's path from Qt's standard locations.
#include "app/qt/settings_location.h"

#include <QDir>
#include <QStandardPaths>

#include "app/settings_file.h"

namespace ordalis {

std::string settingsFilePath() {
#ifdef Q_OS_WIN
  QString folder = qEnvironmentVariable("WINDIR", QStringLiteral("C:/Windows"));
#else
  QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
  return QDir(folder).filePath(QString::fromUtf8(kSettingsFileName)).toStdString();
}

}  // namespace ordalis
