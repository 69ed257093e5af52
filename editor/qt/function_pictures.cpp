// Renders the SVG pictures into pixmaps and keeps them, so painting a control
// costs one blit.
#include "editor/qt/function_pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

// The pictures are compiled into the static GUI library; a program links
// them only when something asks for them by name.
static void initPictureResources() { Q_INIT_RESOURCE(icons); }

namespace ordalis {

namespace {

const char* const kFunctionPictureNames[kFunctionPictureCount] = {
    "fnc_on", "fnc_off", "fnc_buzzer", "fnc_message", "fnc_audio",
    "fnc_sensor", "fnc_day", "fnc_night", "fnc_frost"};

QString resourcePath(const QString& name) { return ":/icons/" + name + ".svg"; }

// Rendered pictures by name, size and ratio, kept in Qt's pixmap cache.
QPixmap cachedPicture(const QString& name, QSize size, qreal ratio) {
  const QString key =
      QStringLiteral("ordalis/%1/%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
  QPixmap picture;
  if (QPixmapCache::find(key, &picture)) return picture;
  picture = RenderPicture(name, size, ratio);
  QPixmapCache::insert(key, picture);
  return picture;
}

// Draws the SVG at whatever size a tool bar or menu asks for.
class SvgIconEngine : public QIconEngine {
 public:
  explicit SvgIconEngine(QString name) : m_name(std::move(name)) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const QPixmap picture = RenderPicture(m_name, rect.size(), painter->device()->devicePixelRatioF());
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    painter->drawPixmap(rect, picture);
    painter->setOpacity(1.0);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap result(size);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return result;
  }
  QIconEngine* clone() const override { return new SvgIconEngine(m_name); }

 private:
  QString m_name;
};

}  // namespace

QPixmap RenderPicture(const QString& name, QSize size, qreal devicePixelRatio) {
  static const bool resourcesReady = (initPictureResources(), true);
  (void)resourcesReady;
  QSvgRenderer renderer(resourcePath(name));
  if (!renderer.isValid()) return {};
  QPixmap picture(size * devicePixelRatio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  picture.setDevicePixelRatio(devicePixelRatio);
  return picture;
}

QPixmap FunctionPicture(int k, qreal devicePixelRatio, int size) {
  if (k < 1 || k > kFunctionPictureCount) return {};
  return cachedPicture(kFunctionPictureNames[k - 1], QSize(size, size), devicePixelRatio);
}

QPixmap DayIcon(bool workday, qreal devicePixelRatio) {
  return cachedPicture(workday ? "day_work" : "day_weekend", QSize(kDayIconSize, kDayIconSize),
                       devicePixelRatio);
}

QIcon ResourceIcon(const QString& name) { return QIcon(new SvgIconEngine(name)); }

}  // namespace ordalis
