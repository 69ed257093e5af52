// Building the main window: menus, tool bar, body, shortcuts and the wiring
// between the week view, the selection panel and the model.
#include "mainwindow/qt/frm_klokken.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "base/form_texts.h"
#include "base/qt/form_captions.h"
#include "clock/clock_table.h"
#include "editor/qt/frm_clk_edit.h"
#include "week/catalogue_texts.h"
#include "app/line_commands.h"
#include "editor/qt/function_pictures.h"
#include "export/qt/week_painting.h"
#include "mainwindow/qt/check_dialog.h"
#include "mainwindow/qt/fit_to_screen.h"
#include "mainwindow/qt/functions_view.h"
#include "mainwindow/qt/klokken_body.h"
#include "mainwindow/qt/legend_strip.h"
#include "mainwindow/qt/selection_panel_widget.h"
#include "mainwindow/qt/side_column.h"
#include "mainwindow/qt/week_area.h"

namespace ordalis {

namespace {

// The week's part of the body; the side column stands right of it and the
// legend below both, so the window's default body is 930 x 572.
constexpr int kBodyWidth = 630;
constexpr int kBodyHeight = KlokkenBody::kLegendIconTop;
constexpr int kScrWeeksLeft = 604;
// Above the clock area: the installation file, then the shown week.
constexpr int kLabelHeight = 18;
constexpr int kVantrelTop = 2;
constexpr int kWeekHeaderTop = 20;
// The week scroll bar runs five years back and ten years ahead.
constexpr int kEarliestWeek = -5 * 53;
constexpr int kLatestWeek = 10 * 53;
constexpr int kWeeksPerPage = 4;

const char* const kTableToggleIcons[5] = {"tlb_table_continue", "tlb_table_workday",
                                          "tlb_table_weekend", "tlb_table_simulation",
                                          "tlb_table_special"};
const char* const kToolIcons[6] = {"tlb_new", "tlb_receive", "tlb_send",
                                   "tlb_open", "tlb_save", "tlb_print"};

QAction* namedAction(QObject* parent, const char* name) {
  auto* action = new QAction(parent);
  action->setObjectName(name);
  return action;
}

// The body and the side column side by side; it asks for the default size
// but may be made smaller, and the week's part then scrolls.
class KlokkenFrame : public QWidget {
 public:
  using QWidget::QWidget;
  QSize sizeHint() const override { return {kBodyWidth + SideColumn::kWidth, kBodyHeight + LegendStrip::kHeight}; }
};

}  // namespace

FrmKlokken::FrmKlokken(ProgramState& state, const Clock& clock, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_clock(clock), m_prompts(prompts), m_model(state, clock) {
  setObjectName("FrmKlokken");
  m_clockLineEditor = [this](bool isNew) {
    return OpenClockLineEditor(this, m_state, m_clock, m_prompts, isNew, [this](int table) {
      QAction* toggle = tableToggle(table);
      if (!toggle->isChecked()) toggle->trigger();
    });
  };
  m_communicationDialog = [this](char) { m_prompts.tell(kNotInThisVersionMessage); };
  m_onlineTest = [this] { m_prompts.tell(kNotInThisVersionMessage); };
  createBody();
  createMenus();
  createToolBar();
  createEditActions();
  createStatusLine();
  m_functions = new FunctionsView(*this, m_state);
  m_tlb->addAction(m_functions->toggle());
  createShortcuts();
  connectWeekView();
  m_globalTimer = new QTimer(this);
  m_globalTimer->setObjectName("GlobalTimer");
  m_globalTimer->setInterval(kTimerInterval);
  connect(m_globalTimer, &QTimer::timeout, this, &FrmKlokken::GlobalTimer_Timer);
  m_globalTimer->start();
  FillRepeatUnitNames(m_state.clock);
  m_model.UpdateWeekStart();
  m_model.SetCatalogueTexts(ProgramCatalogueTexts(m_state.texts, m_state.installation));
  SetFormTexts();
  m_state.texts.FillTextTables();
  GlobalTimer_Timer();
  showModel();
  // The default size, not the part of the screen Qt gives a window that has
  // no size of its own; FitToScreen shrinks it on a small screen.
  resize(sizeHint());
}

FrmKlokken::~FrmKlokken() = default;

void FrmKlokken::createBody() {
  m_body = new KlokkenBody;
  m_body->setFixedSize(kBodyWidth, kBodyHeight);
  m_body->setOnStrayClick([this] { m_prompts.beep(); });
  m_weekScroll = new QScrollArea;
  m_weekScroll->setObjectName("WeekScroll");
  m_weekScroll->setFrameShape(QFrame::NoFrame);
  m_weekScroll->setFocusPolicy(Qt::NoFocus);  // the week area inside takes the focus
  m_weekScroll->setWidget(m_body);

  m_pic = new WeekArea(m_model, m_body);
  m_pic->move(KlokkenBody::kAreaLeft, KlokkenBody::kAreaTop);

  m_scrWeeks = new QScrollBar(Qt::Vertical, m_body);
  m_scrWeeks->setObjectName("ScrWeeks");
  m_scrWeeks->setGeometry(kScrWeeksLeft, KlokkenBody::kAreaTop, 17, WeekArea::kHeight);
  m_scrWeeks->setRange(kEarliestWeek, kLatestWeek);
  m_scrWeeks->setPageStep(kWeeksPerPage);
  m_scrWeeks->setValue(0);

  m_panel = new SelectionPanelWidget;

  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(m_body);
    label->setObjectName("LblVantrel");
    label->setProperty("Index", i);
    m_lblVantrel[static_cast<size_t>(i)] = label;
  }
  m_lblVantrel[0]->setGeometry(KlokkenBody::kAreaLeft, kVantrelTop, 130, kLabelHeight);
  m_lblVantrel[1]->setGeometry(KlokkenBody::kAreaLeft + 130, kVantrelTop, WeekArea::kWidth - 130, kLabelHeight);
  m_lblWeek = new QLabel(m_body);
  m_lblWeek->setObjectName("LblWeek");
  m_lblWeek->setGeometry(KlokkenBody::kAreaLeft, kWeekHeaderTop, WeekArea::kWidth, kLabelHeight);
  QFont bold = m_lblWeek->font();
  bold.setBold(true);
  m_lblWeek->setFont(bold);

  auto button = [](const char* name) {
    auto* push = new QPushButton;
    push->setObjectName(name);
    push->setFocusPolicy(Qt::TabFocus);
    return push;
  };
  m_cmdAdd = button("CmdAdd");
  m_cmdEdit = button("CmdEdit");
  m_cmdDelete = button("CmdDelete");
  m_cmdTest = button("CmdTest");
  auto* side = new SideColumn(m_panel, {m_cmdAdd, m_cmdEdit, m_cmdDelete, m_cmdTest});
  side->setOnStrayClick([this] { m_prompts.beep(); });

  m_legend = new LegendStrip;
  m_legend->setOnStrayClick([this] { m_prompts.beep(); });

  auto* frame = new KlokkenFrame(this);
  auto* rows = new QVBoxLayout(frame);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  auto* row = new QHBoxLayout;
  row->addWidget(m_weekScroll, 1);
  row->addWidget(side);
  rows->addLayout(row, 1);
  rows->addWidget(m_legend);
  setCentralWidget(frame);
  connect(m_cmdAdd, &QPushButton::clicked, this, [this] { mmuNieuw_Click(kWorkdayTable); });
  connect(m_cmdEdit, &QPushButton::clicked, this, &FrmKlokken::mmuEditProp_Click);
  connect(m_cmdDelete, &QPushButton::clicked, this, &FrmKlokken::mmuDelete_Click);
  connect(m_cmdTest, &QPushButton::clicked, this, &FrmKlokken::CmdTest_Click);
}

void FrmKlokken::createMenus() {
  QMenu* file = menuBar()->addMenu(QString());
  file->menuAction()->setObjectName("mmuFile");
  const std::pair<const char*, void (FrmKlokken::*)()> fileItems[] = {
      {"mmuFileOpenNBT", &FrmKlokken::mmuFileOpenNBT_Click},
      {"mmuFileNew", &FrmKlokken::mmuFileNew_Click},
      {"mmuFileOpenCLK", &FrmKlokken::mmuFileOpenCLK_Click},
      {"mmuFileSave", &FrmKlokken::mmuFileSave_Click},
      {"mmuFileSaveAs", &FrmKlokken::mmuFileSaveAs_Click},
      {"mmuFilePrint", &FrmKlokken::Print_Click},
      {"mmuFileExport", &FrmKlokken::mmuFileExport_Click}};
  for (const auto& [name, slot] : fileItems) {
    QAction* item = namedAction(this, name);
    connect(item, &QAction::triggered, this, slot);
    file->addAction(item);
  }
  file->addSeparator();
  QAction* close = namedAction(this, "mmuClose");
  connect(close, &QAction::triggered, this, &QWidget::close);
  file->addAction(close);

  m_mmuEdit = menuBar()->addMenu(QString());
  m_mmuEdit->menuAction()->setObjectName("mmuEdit");
  QMenu* editNew = m_mmuEdit->addMenu(QString());
  editNew->menuAction()->setObjectName("mmuEditNew");
  for (int table = 0; table < kClockTableCount; ++table) {
    QAction* item = namedAction(this, "mmuNieuw");
    item->setProperty("Index", table);
    connect(item, &QAction::triggered, this, [this, table] { mmuNieuw_Click(table); });
    editNew->addAction(item);
    m_mmuNieuw[static_cast<size_t>(table)] = item;
  }
  QAction* prop = namedAction(this, "mmuEditProp");
  connect(prop, &QAction::triggered, this, &FrmKlokken::mmuEditProp_Click);
  m_mmuEdit->addAction(prop);
  QAction* remove = namedAction(this, "mmuDelete");
  connect(remove, &QAction::triggered, this, &FrmKlokken::mmuDelete_Click);
  m_mmuEdit->addAction(remove);
  AddCheckClockTableCommand(m_mmuEdit, this, m_state, m_clock, [this](int line) { afterEditor(line); });

  // The communication menu keeps its Dutch caption, and its letter, in every
  // language.
  QMenu* com = menuBar()->addMenu("&Communicatie");
  com->menuAction()->setObjectName("mmuCom");
  QAction* get = namedAction(this, "mmuComGet");
  connect(get, &QAction::triggered, this, &FrmKlokken::mmuComGet_Click);
  com->addAction(get);
  QAction* send = namedAction(this, "mmuComSend");
  connect(send, &QAction::triggered, this, &FrmKlokken::mmuComSend_Click);
  com->addAction(send);
  QAction* compare = namedAction(this, "mmuComCompare");
  connect(compare, &QAction::triggered, this, &FrmKlokken::mmuComCompare_Click);
  com->addAction(compare);
}

void FrmKlokken::createToolBar() {
  m_tlb = addToolBar("Tlb");
  m_tlb->setAccessibleName("Tlb");
  m_tlb->setObjectName("Tlb");
  m_tlb->setMovable(false);
  m_tlb->setIconSize(QSize(24, 24));
  m_tlb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  void (FrmKlokken::*const commands[6])() = {
      &FrmKlokken::mmuFileNew_Click, &FrmKlokken::mmuComGet_Click, &FrmKlokken::mmuComSend_Click,
      &FrmKlokken::mmuFileOpenCLK_Click, &FrmKlokken::mmuFileSave_Click, &FrmKlokken::Print_Click};
  for (int i = 0; i < 6; ++i) {
    QAction* button = m_tlb->addAction(ResourceIcon(kToolIcons[i]), QString());
    button->setObjectName("Tlb");
    button->setProperty("Index", i + 1);
    button->setProperty("Key", kToolKeys[i]);
    connect(button, &QAction::triggered, this, commands[i]);
  }
  m_tlb->addSeparator();  // button 7: a gap without caption
  for (int table = 0; table < kClockTableCount; ++table) {
    QAction* toggle = m_tlb->addAction(ResourceIcon(kTableToggleIcons[table]), QString());
    toggle->setObjectName("Tlb");
    toggle->setProperty("Index", table + 8);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::triggered, this, [this, table](bool shown) {
      m_model.SetTableVisible(table, shown);
      ScrWeeks_Change();
    });
    m_tableToggles[static_cast<size_t>(table)] = toggle;
  }
}

// The status line has its full height from the start, so that a message
// never moves the window's contents.
void FrmKlokken::createStatusLine() {
  QStatusBar* status = statusBar();
  status->setObjectName("StatusLine");
  status->setSizeGripEnabled(true);
  status->setFixedHeight(std::max(status->sizeHint().height(), status->fontMetrics().height() + 8));
}

void FrmKlokken::createShortcuts() {
  const std::pair<const char*, QKeySequence> standard[] = {
      {"mmuFileNew", QKeySequence::New},
      {"mmuFileOpenCLK", QKeySequence::Open},
      {"mmuFileSave", QKeySequence::Save},
      {"mmuFileSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {"mmuFilePrint", QKeySequence::Print},
      {"mmuDelete", QKeySequence(Qt::Key_Delete)},
      {"mmuEditProp", QKeySequence(Qt::Key_Return)}};
  for (const auto& [name, keys] : standard)
    if (auto* action = findChild<QAction*>(name)) action->setShortcut(keys);
  auto shortcut = [this](QKeySequence keys, auto slot) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
  };
  shortcut(QKeySequence(Qt::Key_Enter), [this] { mmuEditProp_Click(); });
  shortcut(QKeySequence(Qt::Key_Insert), [this] { mmuNieuw_Click(kWorkdayTable); });
  shortcut(QKeySequence(Qt::Key_PageUp), [this] { scrollWeeks(-1); });
  shortcut(QKeySequence(Qt::Key_PageDown), [this] { scrollWeeks(1); });
  shortcut(QKeySequence(Qt::Key_Home), [this] { m_scrWeeks->setValue(0); });
  // F10 opens the first menu, as on the platforms' own programs.
  shortcut(QKeySequence(Qt::Key_F10), [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
  if (auto* close = findChild<QAction*>("mmuClose")) close->setShortcut(QKeySequence::Quit);
}

void FrmKlokken::connectWeekView() {
  connect(m_scrWeeks, &QScrollBar::valueChanged, this, [this](int offset) {
    m_model.SetWeekOffset(offset);
    ScrWeeks_Change();
  });
  connect(m_pic, &WeekArea::selectionChanged, this, &FrmKlokken::showSelectionPanel);
  connect(m_pic, &WeekArea::editMenuRequested, this, &FrmKlokken::openEditMenu);
  connect(m_pic, &WeekArea::lineDoubleClicked, this, &FrmKlokken::mmuEditProp_Click);
  connect(m_pic, &WeekArea::focusMoved, this, [this](QRect place) {
    const QPoint centre = m_pic->mapTo(m_body, place.center());
    m_weekScroll->ensureVisible(centre.x(), centre.y(), place.width() / 2 + 8, place.height() / 2 + 8);
  });
  connect(m_panel, &SelectionPanelWidget::entryClicked, this, [this](int entry) {
    m_model.SelectEntry(entry);
    showModel();
  });
}

QAction* FrmKlokken::toolButton(const QString& key) const {
  for (QAction* action : m_tlb->actions())
    if (action->property("Key").toString() == key) return action;
  return nullptr;
}

void FrmKlokken::SetFormTexts() {
  ApplyFormTexts(this, formTexts(m_state.texts, "FrmKlokken"));
  auto text = [this](int id) { return QString::fromStdString(m_state.texts.LoadText(id)); };
  m_legend->setCaptions(weekpaint::LegendCaptions(m_state.texts), weekpaint::LegendTexts(m_state.texts));
  for (int table = 0; table < kClockTableCount; ++table) tableToggle(table)->setToolTip(text(kTableLongTextIds[table]));
  m_pic->setAccessibleName(text(1183));
  m_panel->setAccessibleName(text(1184));
  m_scrWeeks->setAccessibleName(text(1185));
  showWeekHeader();
  updateEditActions();  // the Edit menu's undo and clipboard items
}

void FrmKlokken::openEditMenu(QPoint globalPosition) { m_mmuEdit->popup(globalPosition); }

// The window is centred when it first shows. Centring it again on every
// activation would throw it back each time the user moved it and came back.
// On a small screen the window first shrinks to fit it, title bar included.
void FrmKlokken::showEvent(QShowEvent* event) {
  if (!m_centred) {
    CenterForm(this);
    FitToScreen(this);
    m_pic->setFocus();
    m_centred = true;
  }
  QMainWindow::showEvent(event);
}

void FrmKlokken::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) SetFormTexts();
  QMainWindow::changeEvent(event);
}

void FrmKlokken::closeEvent(QCloseEvent* event) {
  ClockCommandContext context = commandContext();
  if (SaveChangesFirst(context))
    event->accept();
  else
    event->ignore();
}

}  // namespace ordalis
