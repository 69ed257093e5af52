// Building the main window: menus, tool bar, body, shortcuts and the wiring
// between the week view, the selection panel and the model.
#include "mainwindow/qt/frm_klokken.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

#include "base/form_texts.h"
#include "base/qt/form_captions.h"
#include "editor/qt/frm_clk_edit.h"
#include "week/catalogue_texts.h"
#include "app/line_commands.h"
#include "editor/qt/function_pictures.h"
#include "mainwindow/qt/functions_view.h"
#include "mainwindow/qt/klokken_body.h"
#include "mainwindow/qt/selection_panel_widget.h"
#include "mainwindow/qt/week_area.h"

namespace ordalis {

namespace {

constexpr int kBodyWidth = 930;
constexpr int kBodyHeight = 572;
constexpr int kScrWeeksLeft = 604;
constexpr int kPanelLeft = 630;
constexpr int kButtonTop = 472;
constexpr int kButtonWidth = 142;
constexpr int kButtonHeight = 30;
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
}

FrmKlokken::~FrmKlokken() = default;

void FrmKlokken::createBody() {
  m_body = new KlokkenBody(this);
  m_body->setFixedSize(kBodyWidth, kBodyHeight);
  m_body->setOnStrayClick([this] { m_prompts.beep(); });
  setCentralWidget(m_body);

  m_pic = new WeekArea(m_model, m_body);
  m_pic->move(KlokkenBody::kAreaLeft, KlokkenBody::kAreaTop);

  m_scrWeeks = new QScrollBar(Qt::Vertical, m_body);
  m_scrWeeks->setObjectName("ScrWeeks");
  m_scrWeeks->setGeometry(kScrWeeksLeft, KlokkenBody::kAreaTop, 17, WeekArea::kHeight);
  m_scrWeeks->setRange(kEarliestWeek, kLatestWeek);
  m_scrWeeks->setPageStep(kWeeksPerPage);
  m_scrWeeks->setValue(0);

  m_panel = new SelectionPanelWidget(m_body);
  m_panel->move(kPanelLeft, KlokkenBody::kAreaTop);

  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(m_body);
    label->setObjectName("LblVantrel");
    label->setProperty("Index", i);
    m_lblVantrel[static_cast<size_t>(i)] = label;
  }
  m_lblVantrel[0]->setGeometry(KlokkenBody::kAreaLeft, 12, 130, 20);
  m_lblVantrel[1]->setGeometry(KlokkenBody::kAreaLeft + 130, 12, 390, 20);

  auto button = [this](const char* name, int column, int row) {
    auto* push = new QPushButton(m_body);
    push->setObjectName(name);
    push->setGeometry(kPanelLeft + column * (kButtonWidth + 6), kButtonTop + row * (kButtonHeight + 6),
                      kButtonWidth, kButtonHeight);
    push->setFocusPolicy(Qt::TabFocus);
    return push;
  };
  m_cmdAdd = button("CmdAdd", 0, 0);
  m_cmdEdit = button("CmdEdit", 1, 0);
  m_cmdDelete = button("CmdDelete", 0, 1);
  m_cmdTest = button("CmdTest", 1, 1);
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
      {"mmuFileSaveAs", &FrmKlokken::mmuFileSaveAs_Click}};
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

  // The communication menu keeps its Dutch caption in every language.
  QMenu* com = menuBar()->addMenu("Communicatie");
  com->menuAction()->setObjectName("mmuCom");
  QAction* get = namedAction(this, "mmuComGet");
  connect(get, &QAction::triggered, this, &FrmKlokken::mmuComGet_Click);
  com->addAction(get);
  QAction* send = namedAction(this, "mmuComSend");
  connect(send, &QAction::triggered, this, &FrmKlokken::mmuComSend_Click);
  com->addAction(send);
}

void FrmKlokken::createToolBar() {
  m_tlb = addToolBar("Tlb");
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

void FrmKlokken::createShortcuts() {
  const std::pair<const char*, QKeySequence> standard[] = {
      {"mmuFileNew", QKeySequence::New},
      {"mmuFileOpenCLK", QKeySequence::Open},
      {"mmuFileSave", QKeySequence::Save},
      {"mmuFileSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
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
}

void FrmKlokken::connectWeekView() {
  connect(m_scrWeeks, &QScrollBar::valueChanged, this, [this](int offset) {
    m_model.SetWeekOffset(offset);
    ScrWeeks_Change();
  });
  connect(m_pic, &WeekArea::selectionChanged, this, &FrmKlokken::showSelectionPanel);
  connect(m_pic, &WeekArea::editMenuRequested, this, &FrmKlokken::openEditMenu);
  connect(m_pic, &WeekArea::lineDoubleClicked, this, &FrmKlokken::mmuEditProp_Click);
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
  auto text = [this](int id, int length = -1) {
    return QString::fromStdString(m_state.texts.LoadText(id)).left(length);
  };
  m_body->setLegendCaptions({"Aan", "Uit", text(151), text(154, 9), text(166), text(165, 7), text(126),
                             text(125), text(124)});
}

void FrmKlokken::openEditMenu(QPoint globalPosition) { m_mmuEdit->popup(globalPosition); }

// The window is centred when it first shows. Centring it again on every
// activation would throw it back each time the user moved it and came back.
void FrmKlokken::showEvent(QShowEvent* event) {
  if (!m_centred) {
    CenterForm(this);
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
