// Drawing of the day rows, clock-line controls, day names and legend.
#include "export/qt/week_painting.h"

#include <QLocale>
#include <QPainter>
#include <QPolygon>

#include "base/texts.h"
#include "editor/qt/function_pictures.h"
#include "week/week_geometry.h"

namespace ordalis::weekpaint {

namespace {

constexpr int kDayRows = 7;
// Five time labels per row, 40 pixels wide and centred on their hour.
constexpr int kTimeLabels = 5;
constexpr int kTimeLabelSpacing = 120;
constexpr int kTimeLabelWidth = 40;
constexpr int kTimeLabelTopInRow = 55;
constexpr int kTimeLabelHeight = 14;
const char* const kTimeLabelTexts[kTimeLabels] = {"00:00", "06:00", "12:00", "18:00", "23:59"};

const QColor kAreaBackground(255, 255, 255);
const QColor kRowSeparator(200, 205, 215);
const QColor kAxis(90, 90, 90);
const QColor kHourTick(150, 150, 150);

// The line marker points down at the moment, the selection marker points up
// at it from below.
const QPolygon kLineMarker({QPoint(2, 20), QPoint(8, 20), QPoint(5, 25)});
const QPolygon kSelectionMarker({QPoint(2, 30), QPoint(5, 25), QPoint(8, 30)});

constexpr int kDayNameLeft = 5;
constexpr int kDayNameTopInRow = 60;  // window y of row d's name: 70 d + 60
constexpr int kDayNamePointSize = 10;
constexpr int kLegendPointSize = 6;
constexpr int kLegendCaptionOffset = 67;  // caption k at 90 k - 67

QFont WithPointSize(QFont font, int size) {
  font.setPointSize(size);
  return font;
}

QFont CountFont() {
  QFont font("Arial");
  font.setPointSize(8);
  font.setBold(true);
  return font;
}

}  // namespace

void PaintAreaBackground(QPainter& painter) { painter.fillRect(0, 0, kAreaWidth, kAreaHeight, kAreaBackground); }

void PaintDayRow(QPainter& painter, int row, const QPixmap& dayIcon) {
  const int top = week::kRowHeight * row;
  const int axisY = week::ReferenceY(row);
  if (row > 0) {
    painter.setPen(kRowSeparator);
    painter.drawLine(0, top, kAreaWidth, top);
  }
  painter.setPen(kHourTick);
  for (int hour = 0; hour <= 24; ++hour) {
    const int x = week::TimeX(hour, 0);
    const int tick = hour % 6 == 0 ? 6 : 3;
    painter.drawLine(x, axisY, x, axisY + tick);
  }
  painter.setPen(kAxis);
  painter.drawLine(week::TimeX(0, 0), axisY, week::TimeX(24, 0), axisY);
  // The day icon lies under the clock controls.
  if (!dayIcon.isNull()) painter.drawPixmap(0, week::ControlTop(row), dayIcon);
  painter.setPen(Qt::black);
  for (int j = 0; j < kTimeLabels; ++j) {
    const QRect label(kTimeLabelSpacing * j, top + kTimeLabelTopInRow, kTimeLabelWidth, kTimeLabelHeight);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, kTimeLabelTexts[j]);
  }
}

void PaintClockMarker(QPainter& painter, const QColor& colour, const QPixmap& picture, bool selected, int count) {
  if (!picture.isNull()) painter.drawPixmap(0, kPictureTop, picture);
  painter.setPen(colour);
  painter.setBrush(colour);
  if (selected) painter.drawPolygon(kSelectionMarker);
  painter.drawPolygon(kLineMarker);
  if (count <= 1) return;
  painter.setFont(CountFont());
  painter.setPen(Qt::black);
  painter.drawText(QRect(0, kCountTop, kControlWidth, kControlHeight - kCountTop), Qt::AlignLeft | Qt::AlignTop,
                   QString::number(count));
}

QString DayName(QDate date) { return QLocale::system().dayName(date.dayOfWeek(), QLocale::LongFormat) + ":"; }

QString DayDate(QDate date) { return date.toString("dd-MM-yyyy"); }

void PaintDayNames(QPainter& painter, QDate monday, const QFont& font, const QColor& text, QDate today) {
  if (!monday.isValid()) return;
  // The names must fit the 75 pixels left of the clock area in every
  // language ("Wednesday:", "Donnerstag:"), so the face is narrowed a little.
  QFont dayFont = WithPointSize(font, kDayNamePointSize);
  dayFont.setStretch(QFont::SemiCondensed);
  painter.setFont(dayFont);
  painter.setPen(text);
  const int lineHeight = painter.fontMetrics().height();
  QFont todayFont = dayFont;
  todayFont.setBold(true);
  for (int row = 0; row < kDayRows; ++row) {
    painter.setFont(monday.addDays(row) == today ? todayFont : dayFont);
    const QRect name(kDayNameLeft, week::kRowHeight * row + kDayNameTopInRow, kAreaLeft - kDayNameLeft, lineHeight);
    painter.drawText(name, Qt::AlignLeft | Qt::AlignTop, DayName(monday.addDays(row)));
    painter.drawText(name.translated(0, lineHeight), Qt::AlignLeft | Qt::AlignTop, DayDate(monday.addDays(row)));
  }
}

QStringList LegendTexts(const Texts& texts) {
  auto text = [&texts](int id) { return QString::fromStdString(texts.LoadText(id)); };
  return {"Aan", "Uit", text(151), text(154), text(166), text(165), text(126), text(125), text(124)};
}

QStringList LegendCaptions(const Texts& texts) {
  QStringList captions = LegendTexts(texts);
  captions[3].truncate(9);
  captions[5].truncate(7);
  return captions;
}

// The pictures are drawn at the device's pixel ratio, so they stay sharp on
// every screen and on paper.
void PaintLegend(QPainter& painter, const QStringList& captions, const QFont& font, const QColor& text,
                 qreal devicePixelRatio) {
  for (int k = 1; k <= kFunctionPictureCount; ++k)
    painter.drawPixmap(kLegendSpacing * k - kLegendIconOffset, kLegendIconTop,
                       FunctionPicture(k, devicePixelRatio));
  painter.setFont(WithPointSize(font, kLegendPointSize));
  painter.setPen(text);
  for (int k = 1; k <= captions.size() && k <= kFunctionPictureCount; ++k) {
    const QRect caption(kLegendSpacing * k - kLegendCaptionOffset, kLegendCaptionTop,
                        kLegendSpacing - kFunctionPictureSize - 2, painter.fontMetrics().height());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop, captions[k - 1]);
  }
}

}  // namespace ordalis::weekpaint
