// The settings file is found in the user's configuration folder.
#include <QtTest>

#include "app/qt/settings_location.h"

class SettingsLocationTest : public QObject {
  Q_OBJECT
 private slots:
  void followsXdgConfigHomeElseDotConfigInHome() {
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
    QCOMPARE(QString::fromStdString(ordalis::settingsFilePath()), folder.path() + "/Vantrel.ini");
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(QString::fromStdString(ordalis::settingsFilePath()),
             QDir::homePath() + "/.config/Vantrel.ini");
  }
};

QTEST_GUILESS_MAIN(SettingsLocationTest)
#include "settings_location_test.moc"
