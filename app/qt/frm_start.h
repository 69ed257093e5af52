// frmStart, the splash window shown while the main window loads: the splash
// picture, "Version major.minor/revision" in lblVersion and the operating
// system in lblPlatform. It has no buttons; the entry procedure closes it.
#pragma once

#include <QLabel>
#include <QWidget>

namespace ordalis {

class FrmStart : public QWidget {
  Q_OBJECT

 public:
  explicit FrmStart(QWidget* parent = nullptr);

  QLabel* lblVersion() const { return m_lblVersion; }
  QLabel* lblPlatform() const { return m_lblPlatform; }

  // "Version 1.0/0" for version 1.0.0.
  static QString VersionText(int major, int minor, int revision);
  // The operating system: its pretty name and kernel version, or
  // "Unidentified" when the system does not say.
  static QString PlatformText();

 private:
  QLabel* m_lblVersion;
  QLabel* m_lblPlatform;
};

}  // namespace ordalis
