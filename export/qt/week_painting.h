// The week view's drawing on any QPainter: the widgets of the main window
// paint the screen with it, and the printed pages paint the paper with it,
// so a printed week looks as the screen does. Coordinates are those of the
// widgets: a day row of the clock area, a clock-line control at its own
// origin, the day names and legend in the window body.
#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QPixmap>
#include <QStringList>

class QPainter;

namespace ordalis {
class Texts;
}

namespace ordalis::weekpaint {

// The clock area, the window body around it and where the legend stands.
constexpr int kAreaWidth = 520;
constexpr int kAreaHeight = 504;
constexpr int kAreaLeft = 80;
constexpr int kAreaTop = 40;
constexpr int kLegendIconTop = 545;
constexpr int kLegendCaptionTop = 550;
constexpr int kLegendSpacing = 90;
constexpr int kLegendIconOffset = 80;  // icon k at 90 k - 80
constexpr int kBodyWidth = kAreaLeft + kAreaWidth;
constexpr int kBodyHeight = 570;
// A clock-line control; the tip of its line marker is at (5, 25).
constexpr int kControlWidth = 12;
constexpr int kControlHeight = 46;
constexpr int kPictureTop = 4;
constexpr int kCountTop = 32;

// The clock area's white background.
void PaintAreaBackground(QPainter& painter);

// Day row `row` (0 Monday - 6 Sunday) of the clock area: its separator, the
// time axis with its ticks, the day icon (when not null) and the time labels.
void PaintDayRow(QPainter& painter, int row, const QPixmap& dayIcon);

// One clock-line control at the painter's origin: the function picture, the
// line marker in the table's colour, the selection marker when selected,
// and the number of controls sharing the spot when above 1.
void PaintClockMarker(QPainter& painter, const QColor& colour, const QPixmap& picture, bool selected, int count);

// The weekday names and dates of the week that starts on `monday`, left of
// the clock area; the name of `today` (when in that week) in bold.
void PaintDayNames(QPainter& painter, QDate monday, const QFont& font, const QColor& text, QDate today = {});
QString DayName(QDate date);
QString DayDate(QDate date);

// The nine legend captions in the active language, in picture order.
QStringList LegendCaptions(const Texts& texts);
// The same texts whole, as the legend's tooltips show them.
QStringList LegendTexts(const Texts& texts);

// The nine function pictures with their captions, below the clock area.
void PaintLegend(QPainter& painter, const QStringList& captions, const QFont& font, const QColor& text,
                 qreal devicePixelRatio);

}  // namespace ordalis::weekpaint
