// Painting the week pages and the line list.
#include "export/qt/print_pages.h"

#include <QFileInfo>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

#include "base/qt/qt_dates.h"
#include "editor/qt/function_pictures.h"
#include "export/export_input.h"
#include "export/export_texts.h"
#include "export/line_words.h"
#include "export/qt/week_painting.h"
#include "week/week_view_model.h"

namespace ordalis {

using namespace std::chrono;

namespace {

constexpr int kHeaderPointSize = 10;
constexpr int kListPointSize = 9;
constexpr qreal kHeaderLines = 3.5;  // two lines of header, a title line, a gap
constexpr int kBodyPixelRatio = 4;
// The window body as far as the legend's last caption reaches.
constexpr int kPrintedBodyWidth = 820;
constexpr int kScreenDotsPerMeter = 3780;  // 96 dots per inch

QString Text(const Texts& texts, int id) { return QString::fromStdString(texts.LoadText(id)); }

QString BaseName(const std::string& path) { return QFileInfo(QString::fromStdString(path)).fileName(); }

class PagePainter {
 public:
  PagePainter(QPagedPaintDevice& device, const PrintJob& job)
      : m_device(device), m_job(job), m_painter(&device), m_input(ExportInputOf(job.parts)) {
    m_page = QRectF(0, 0, device.width(), device.height());
    m_font = m_painter.font();
  }

  int Paint() {
    for (int week = 0; week < m_job.weeks; ++week) PaintWeekPage(m_job.firstMonday.addDays(7 * week));
    PaintLineList();
    m_painter.end();
    return m_pages;
  }

 private:
  void StartPage() {
    if (m_pages > 0) m_device.newPage();
    ++m_pages;
  }

  // Header: the files, the printing date, and a title line; returns the y
  // below it.
  qreal PaintHeader(const QString& title) {
    m_painter.setFont(WithPointSize(kHeaderPointSize));
    m_painter.setPen(Qt::black);
    const qreal line = m_painter.fontMetrics().lineSpacing();
    const std::string& clockFile = m_job.parts.clock.ClockFileName;
    m_painter.drawText(QPointF(0, line), Text(m_job.parts.texts, kInstallationFileText) + ": " +
                                             BaseName(m_job.parts.clock.InstallationPath) + "    " +
                                             Text(m_job.parts.texts, kClockFileText) + ": " + BaseName(clockFile));
    const QString printed = Text(m_job.parts.texts, kPrintedOnText) + " " + m_job.printedAt.toString("dd-MM-yyyy HH:mm");
    m_painter.drawText(QRectF(0, 0, m_page.width(), line * 1.3), Qt::AlignRight | Qt::AlignBottom, printed);
    QFont bold = WithPointSize(kHeaderPointSize + 2);
    bold.setBold(true);
    m_painter.setFont(bold);
    m_painter.drawText(QPointF(0, line * 2.6), title);
    return line * kHeaderLines;
  }

  // The week is drawn as the screen draws it (a 96-dpi window body, sharp at
  // four times its pixels) and scaled onto the page below the header.
  void PaintWeekPage(QDate monday) {
    StartPage();
    const qreal top = PaintHeader(WeekTitle(m_job.parts.texts, monday));
    const QRectF room(0, top, m_page.width(), m_page.height() - top);
    const qreal scale = std::min(room.width() / kPrintedBodyWidth, room.height() / weekpaint::kBodyHeight);
    const QSizeF size = QSizeF(kPrintedBodyWidth, weekpaint::kBodyHeight) * scale;
    m_painter.drawImage(QRectF(QPointF(room.left() + (room.width() - size.width()) / 2, room.top()), size),
                        WeekBody(monday));
  }

  QImage WeekBody(QDate monday) const {
    QImage body(QSize(kPrintedBodyWidth, weekpaint::kBodyHeight) * kBodyPixelRatio,
                QImage::Format_ARGB32_Premultiplied);
    body.setDevicePixelRatio(kBodyPixelRatio);
    body.setDotsPerMeterX(kScreenDotsPerMeter);
    body.setDotsPerMeterY(kScreenDotsPerMeter);
    body.fill(Qt::white);
    QPainter painter(&body);
    weekpaint::PaintDayNames(painter, monday, painter.font(), Qt::black);
    weekpaint::PaintLegend(painter, weekpaint::LegendCaptions(m_job.parts.texts), painter.font(), Qt::black,
                           kBodyPixelRatio);
    painter.translate(weekpaint::kAreaLeft, weekpaint::kAreaTop);
    PaintClockArea(painter, monday);
    return body;
  }

  // The clock area with the controls the week-view model places for that
  // week, on a copy of the clock state so the shown week stays as it is.
  void PaintClockArea(QPainter& painter, QDate monday) const {
    ClockState clock = m_job.parts.clock;
    const FixedClock today(fromQDate(monday) + hours{12});
    WeekViewModel model(ClockParts{clock, m_job.parts.installation, m_job.parts.texts}, today);
    model.RecomputeWeek();
    weekpaint::PaintAreaBackground(painter);
    for (int row = 0; row < 7; ++row)
      weekpaint::PaintDayRow(painter, row,
                             DayIcon(m_input.workdays[static_cast<size_t>(row)] == 1, kBodyPixelRatio));
    for (int id = 0; id < kControlCount; ++id) {
      const ControlLook look = model.LookOf(id);
      if (!look.visible) continue;
      const ClockControl& placed = model.Control(id);
      painter.save();
      painter.translate(placed.left, placed.top);
      weekpaint::PaintClockMarker(painter, QColor(look.colour.red, look.colour.green, look.colour.blue),
                                  FunctionPicture(look.picture, kBodyPixelRatio), look.selected, look.count);
      painter.restore();
    }
  }

  void PaintLineList() {
    const Texts& texts = m_job.parts.texts;
    const QStringList headings = {Text(texts, kLineColumnText), Text(texts, kDateColumnText),
                                  Text(texts, kTimeColumnText), Text(texts, kRepeatColumnText),
                                  Text(texts, kFunctionColumnText), Text(texts, kLevelColumnText)};
    const std::vector<qreal> columns = {0, 0.06, 0.17, 0.25, 0.42, 0.85};
    qreal y = m_page.height();  // forces a first page
    int lastTable = -1;
    for (int index : LinesByTable(m_input)) {
      const LineWords words = WordsOfLine(m_input, index);
      const int table = m_input.lines[static_cast<size_t>(index)].Table;
      m_painter.setFont(WithPointSize(kListPointSize));
      const qreal line = m_painter.fontMetrics().lineSpacing();
      if (y + line * (table != lastTable ? 3 : 1) > m_page.height()) {
        StartPage();
        y = PaintHeader(Text(texts, kClockLinesText));
        lastTable = -1;
      }
      if (table != lastTable) {
        QFont bold = WithPointSize(kListPointSize);
        bold.setBold(true);
        m_painter.setFont(bold);
        y += line * 0.5;
        m_painter.drawText(QPointF(0, y + line), words.table.empty() ? QString() : QString::fromStdString(words.table));
        y += line;
        PaintRow(y += line, columns, headings);
        m_painter.setFont(WithPointSize(kListPointSize));
        lastTable = table;
      }
      PaintRow(y += line, columns,
               {QString::number(index), QString::fromStdString(words.date), QString::fromStdString(words.time),
                QString::fromStdString(words.repeatRule), QString::fromStdString(words.functionName),
                QString::fromStdString(words.level)});
    }
    if (m_pages == m_job.weeks) {  // no line in use: the list page still says so
      StartPage();
      PaintHeader(Text(texts, kClockLinesText));
    }
  }

  void PaintRow(qreal baseline, const std::vector<qreal>& columns, const QStringList& cells) {
    for (int i = 0; i < cells.size(); ++i) {
      const qreal left = columns[static_cast<size_t>(i)] * m_page.width();
      const qreal right = i + 1 < cells.size() ? columns[static_cast<size_t>(i) + 1] * m_page.width() : m_page.width();
      const QString cell = m_painter.fontMetrics().elidedText(cells[i], Qt::ElideRight, static_cast<int>(right - left - 4));
      m_painter.drawText(QPointF(left, baseline), cell);
    }
  }

  QFont WithPointSize(int size) const {
    QFont font = m_font;
    font.setPointSize(size);
    return font;
  }

  QPagedPaintDevice& m_device;
  const PrintJob& m_job;
  QPainter m_painter;
  ExportInput m_input;
  QRectF m_page;
  QFont m_font;
  int m_pages = 0;
};

}  // namespace

QString WeekTitle(const Texts& texts, QDate monday) {
  return Text(texts, kWeekText) + " " + QString::number(monday.weekNumber()) + ": " +
         weekpaint::DayDate(monday) + " - " + weekpaint::DayDate(monday.addDays(6));
}

int PaintPrintJob(QPagedPaintDevice& device, const PrintJob& job) { return PagePainter(device, job).Paint(); }

}  // namespace ordalis
