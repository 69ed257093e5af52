// The splash window.
#include "app/qt/frm_start.h"

#include <QSysInfo>
#include <QVBoxLayout>

#include "base/qt/form_captions.h"
#include "editor/qt/function_pictures.h"
#include "ordalis_version.h"

namespace ordalis {

namespace {
constexpr QSize kSplashSize(360, 180);
}

FrmStart::FrmStart(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmStart");
  auto* picture = new QLabel(this);
  picture->setPixmap(RenderPicture("splash", kSplashSize, devicePixelRatioF()));
  auto* title = new QLabel("Ordalis", this);
  QFont titleFont = title->font();
  titleFont.setPointSize(16);
  titleFont.setBold(true);
  title->setFont(titleFont);
  m_lblVersion = new QLabel(
      VersionText(ORDALIS_VERSION_MAJOR, ORDALIS_VERSION_MINOR, ORDALIS_VERSION_PATCH), this);
  m_lblVersion->setObjectName("lblVersion");
  m_lblPlatform = new QLabel(PlatformText(), this);
  m_lblPlatform->setObjectName("lblPlatform");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addWidget(title);
  layout->addWidget(m_lblVersion);
  layout->addWidget(m_lblPlatform);
  adjustSize();
  CenterForm(this);
}

QString FrmStart::VersionText(int major, int minor, int revision) {
  return QStringLiteral("Version %1.%2/%3").arg(major).arg(minor).arg(revision);
}

QString FrmStart::PlatformText() {
  const QString name = QSysInfo::prettyProductName();
  if (name.isEmpty() || name == "unknown") return "Unidentified";
  return name + ", " + QSysInfo::kernelVersion();
}

}  // namespace ordalis
