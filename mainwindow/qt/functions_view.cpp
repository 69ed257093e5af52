// Switching between the week view and the lanes, and keeping the lanes current.
#include "mainwindow/qt/functions_view.h"

#include <QAction>
#include <QScrollArea>

#include "editor/lane_catalogue.h"
#include "mainwindow/qt/frm_klokken.h"
#include "mainwindow/qt/klokken_body.h"
#include "mainwindow/qt/week_area.h"
#include "week/catalogue_texts.h"
#include "week/lane_texts.h"

namespace ordalis {

namespace {

// The lanes cover the day names and the clock area, up to the week scroll bar.
constexpr int kLanesAreaWidth = 600;

QString LineNumbers(const std::vector<int>& lines) {
  QStringList numbers;
  for (int line : lines) numbers << QString::number(line + 1);
  return numbers.join(", ");
}

}  // namespace

FunctionsView::FunctionsView(FrmKlokken& window, ProgramState& state)
    : QObject(&window), m_window(window), m_state(state) {
  m_toggle = new QAction(this);
  m_toggle->setObjectName("mmuFunctions");
  m_toggle->setCheckable(true);
  m_toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  m_scroll = new QScrollArea(window.body());
  m_scroll->setObjectName("FunctionsArea");
  m_scroll->setGeometry(0, KlokkenBody::kAreaTop, kLanesAreaWidth, WeekArea::kHeight);
  m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_lanes = new FunctionLanesView;
  m_scroll->setWidget(m_lanes);
  m_scroll->hide();
  m_lanes->setTips(tips());
  connect(m_toggle, &QAction::toggled, this, &FunctionsView::setShown);
  connect(&window, &FrmKlokken::modelShown, this, &FunctionsView::refresh);
  connect(m_lanes, &FunctionLanesView::lineClicked, this, &FunctionsView::selectLine);
  connect(m_lanes, &FunctionLanesView::lineDoubleClicked, this, [this](int line, LocalTime moment) {
    selectLine(line, moment);
    m_window.mmuEditProp_Click();
  });
  refresh();
}

void FunctionsView::setShown(bool shown) {
  m_window.weekArea()->setVisible(!shown);
  m_scroll->setVisible(shown);
  refresh();
  if (shown) m_lanes->setFocus();
}

void FunctionsView::refresh() {
  m_toggle->setText(text(kFunctionsViewText));
  if (!m_toggle->isChecked()) return;
  const WeekViewModel& model = m_window.model();
  TableSelection tables{};
  for (int table = 0; table < kClockTableCount; ++table) tables[static_cast<size_t>(table)] = model.TableVisible(table);
  const LaneSource source{m_state.clock.ClockTable, m_state.installation.Capacities.MaxClockLines, model.WeekStart(),
                          tables, m_state.installation.Settings.Workdays};
  m_lanes->setTips(tips());
  m_lanes->setLanes(BuildWeekLanes(source, ProgramLaneCatalogue(m_state.texts, m_state.installation)));
  m_lanes->setSelectedLine(m_state.clock.SelectedClockLine - 1);
}

void FunctionsView::selectLine(int line, LocalTime moment) {
  m_window.model().SelectLineAt(line, moment);
  m_window.showModel();
}

FunctionLanesView::Tips FunctionsView::tips() const {
  FunctionLanesView::Tips tips;
  tips.marker = [this](const FunctionLane& lane, const LaneChange& change) {
    const PanelSlot slot = MakePanelSlot(m_state.clock.ClockTable, change.line,
                                         ProgramCatalogueTexts(m_state.texts, m_state.installation));
    QString tip = QString::fromStdString(slot.functionText) + "\n" + QString::fromStdString(slot.momentText);
    for (const LaneConflict& conflict : lane.conflicts)
      if (conflict.moment == change.moment) tip += "\n" + text(kConflictingLinesText) + ": " + LineNumbers(conflict.lines);
    return tip;
  };
  tips.state = [this](const LaneState& state) {
    return QString::fromStdString(LaneStateText(m_state.texts, state));
  };
  tips.noLanes = text(kNoLanesText);
  return tips;
}

}  // namespace ordalis
