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
  void theControlOfLine99DrawsItsTablesColour() {
    KlokControl control;
    control.setClkIndex(99);
    control.setLook(QColor(255, 0, 0), 1, false);
    const QImage image = rendered(control);
    QCOMPARE(QColor(image.pixel(5, 22)), QColor(255, 0, 0));
    QCOMPARE(control.line(), 99);
  }

  void theMarkerTipStandsAtFiveTwentyFive() {
    KlokControl control;
    control.setClkIndex(3);
    control.setLook(QColor(0, 0, 255), 1, false);
    const QImage image = rendered(control);
    QVERIFY(qAlpha(image.pixel(5, 24)) != 0);
    QCOMPARE(qAlpha(image.pixel(1, 21)), 0);
    QCOMPARE(qAlpha(image.pixel(9, 21)), 0);
  }

  void aFreePoolControlPaintsNothingAndNoCount() {
    KlokControl control;
    control.setClkIndex(-1);
    control.setClkCount(3);
    control.setLook(QColor(255, 0, 0), 1, true);
    QVERIFY(!anyPaintIn(rendered(control), control.rect()));
    QCOMPARE(control.line(), -1);
  }

  void anOccurrenceControlDrawsItsLine() {
    KlokControl control;
    control.setClkIndex(-2 - 7);
    QCOMPARE(control.line(), 7);
    control.setLook(QColor(0, 255, 0), 1, false);
    QCOMPARE(QColor(rendered(control).pixel(5, 22)), QColor(0, 255, 0));
  }

  void theCountIsPrintedOnlyAboveOne_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("printed");
    QTest::newRow("alone") << 1 << false;
    QTest::newRow("none set") << 0 << false;
    QTest::newRow("two on one spot") << 2 << true;
    QTest::newRow("three on one spot") << 3 << true;
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

  void theSelectedLineGetsTheUpwardMarker() {
    KlokControl control;
    control.setClkIndex(0);
    control.setLook(QColor(255, 255, 0), 1, false);
    QCOMPARE(qAlpha(rendered(control).pixel(5, 28)), 0);
    control.setLook(QColor(255, 255, 0), 1, true);
    QCOMPARE(QColor(rendered(control).pixel(5, 28)), QColor(255, 255, 0));
  }

  void thePictureStandsInVlagAboveTheMarkers() {
    KlokControl control;
    control.setClkIndex(0);
    control.setLook(Qt::black, 0, false);
    const QRect vlag(0, KlokControl::kPictureTop, 12, 12);
    QVERIFY(!anyPaintIn(rendered(control), vlag));
    control.setLook(Qt::black, 8, false);
    QVERIFY(anyPaintIn(rendered(control), vlag));
  }

  void everyFunctionPictureIsSharpAtOneAndTwoTimes() {
    for (int k = 1; k <= ordalis::kFunctionPictureCount; ++k) {
      for (qreal ratio : {1.0, 2.0}) {
        const QPixmap picture = ordalis::FunctionPicture(k, ratio);
        QVERIFY2(!picture.isNull(), qPrintable(QString("picture %1").arg(k)));
        QCOMPARE(picture.size(), QSize(12, 12) * ratio);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(12, 12));
      }
    }
    QVERIFY(ordalis::FunctionPicture(0).isNull());
    QVERIFY(ordalis::FunctionPicture(10).isNull());
    QVERIFY(ordalis::FunctionPicture(7).toImage() != ordalis::FunctionPicture(8).toImage());
    QVERIFY(ordalis::DayIcon(true).toImage() != ordalis::DayIcon(false).toImage());
  }

  void settingAPropertyReportsTheChange() {
    KlokControl control;
    QSignalSpy changed(&control, &KlokControl::propertyChanged);
    control.setClkIndex(5);
    control.setClkCount(2);
    control.setBackStyle(1);
    control.setBorderStyle(1);
    control.setEnabledProperty(false);
    QCOMPARE(changed.count(), 5);
    control.setClkCount(2);
    QCOMPARE(changed.count(), 5);
    QCOMPARE(control.property("ClkIndex").toInt(), 5);
    QCOMPARE(control.property("Enabled").toBool(), false);
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
