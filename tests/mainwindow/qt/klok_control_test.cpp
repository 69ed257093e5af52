// The clock-line control: what it paints for its look and count, and that its
// mouse events arrive in clock-area coordinates.
#include <QSignalSpy>
#include <QTest>

#include "editor/qt/function_pictures.h"
#include "mainwindow/qt/klok_control.h"

using ordalis::KlokControl;

namespace {

QImage rendered(KlokControl& control) {
  QImage image(control.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  control.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

bool anyPaintIn(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) return true;
  return false;
}

const QRect kCountArea(0, KlokControl::kCountTop, KlokControl::kWidth,
                       KlokControl::kHeight - KlokControl::kCountTop);

}  // namespace

class KlokControlTest : public QObject {
  Q_OBJECT

 private slots:

  void theCountIsPrintedOnlyAboveOne_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("printed");
    QTest::newRow("alone") << 1 << false;
    QTest::newRow("none set") << 0 << false;
    QTest::newRow("two on one spot") << 2 << true;
  }
  void theCountIsPrintedOnlyAboveOne() {
    QFETCH(int, count);
    QFETCH(bool, printed);
    KlokControl control;
    control.setClkIndex(0);
    control.setClkCount(count);
    control.setLook(Qt::black, 1, false);
    QCOMPARE(anyPaintIn(rendered(control), kCountArea), printed);
  }

  void mouseEventsArriveInClockAreaCoordinates() {
    QWidget area;
    area.resize(520, 504);
    KlokControl control(&area);
    control.move(100, 85);
    area.show();
    QSignalSpy down(&control, &KlokControl::MouseDown);
    QSignalSpy up(&control, &KlokControl::MouseUp);
    QSignalSpy doubleClick(&control, &KlokControl::DblClick);
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(5, 25));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(5, 25));
    QTest::mouseDClick(&control, Qt::LeftButton, {}, QPoint(4, 20));
    QVERIFY(!down.isEmpty());
    QCOMPARE(down.first().at(2).toPointF(), QPointF(105, 110));
    QCOMPARE(down.first().at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(up.first().at(1).toPointF(), QPointF(105, 110));
    QCOMPARE(doubleClick.count(), 1);
    QCOMPARE(doubleClick.first().at(0).toPointF(), QPointF(104, 105));
  }
};

QTEST_MAIN(KlokControlTest)
#include "klok_control_test.moc"
