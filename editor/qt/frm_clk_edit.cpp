// The clock-line editor's form: its controls, their layout and the passing
// of the user's actions to ClkEditModel.
#include "editor/qt/frm_clk_edit.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <algorithm>

#include "base/form_texts.h"
#include "base/qt/form_captions.h"
#include "base/qt/qt_dates.h"
#include "editor/qt/up_down.h"
#include "editor/qt/function_pictures.h"

namespace ordalis {

using namespace std::chrono;

namespace {

constexpr int kPictureSize = 32;
constexpr int kPreviewLines = 6;
constexpr int kValueBoxWidth = 90;
constexpr int kButtonGap = 8;
constexpr int kPickerButtonRoom = 44;

template <class Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// Hidden controls keep their place, so the dialog does not jump.
void keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

bool sameEntries(const QComboBox* box, const ItemList& list) {
  if (box->count() != static_cast<int>(list.Entries.size())) return false;
  for (int i = 0; i < box->count(); ++i) {
    const ListEntry& entry = list.Entries[static_cast<size_t>(i)];
    if (box->itemText(i) != QString::fromStdString(entry.Text) || box->itemData(i).toInt() != entry.ItemData)
      return false;
  }
  return true;
}

void showList(QComboBox* box, const ItemList& list) {
  if (!sameEntries(box, list)) {
    box->clear();
    for (const ListEntry& entry : list.Entries) box->addItem(QString::fromStdString(entry.Text), entry.ItemData);
  }
  box->setCurrentIndex(list.ListIndex);
}

void showText(QLineEdit* box, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (box->text() != shown) box->setText(shown);
}

}  // namespace

FrmClkEdit::FrmClkEdit(ClockParts state, const Clock& clock, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts), m_model(state, clock) {
  setObjectName("FrmClkEdit");
  setModal(true);
  createControls();
  layoutControls();
  connectControls();
  setTabOrder();
}

void FrmClkEdit::createControls() {
  LblTabel = named(new QLabel(this), "LblTabel");
  m_tables = new QButtonGroup(this);
  for (int table = 0; table < kClockTableCount; ++table) {
    OptTabel[table] = named(new QRadioButton(this), "OptTabel");
    OptTabel[table]->setProperty("Index", table);
    m_tables->addButton(OptTabel[table], table);
  }
  LblFnc = named(new QLabel(this), "LblFnc");
  CboFnc = named(new QComboBox(this), "CboFnc");
  LblLd = named(new QLabel(this), "LblLd");
  CboLd = named(new QComboBox(this), "CboLd");
  CboLd->setMinimumContentsLength(32);
  TxtPrv = named(new QPlainTextEdit(this), "TxtPrv");
  TxtPrv->setReadOnly(true);
  TxtPrv->setFocusPolicy(Qt::ClickFocus);
  TxtPrv->setLineWrapMode(QPlainTextEdit::NoWrap);
  TxtPrv->setFixedHeight(TxtPrv->fontMetrics().lineSpacing() * kPreviewLines + 12);
  LblLvl = named(new QLabel(this), "LblLvl");
  TxtLvl = named(new QLineEdit(this), "TxtLvl");
  TxtLvl->setFixedWidth(kValueBoxWidth);
  UpdLvl = named(new UpDown(this), "UpdLvl");
  VLAG = named(new QLabel(this), "VLAG");
  VLAG->setFixedSize(kPictureSize, kPictureSize);
  LblTijd = named(new QLabel(this), "LblTijd");
  TimePic = named(new QTimeEdit(this), "TimePic");
  TimePic->setDisplayFormat("HH:mm");
  LblDate = named(new QLabel(this), "LblDate");
  DatePic = named(new QDateEdit(this), "DatePic");
  DatePic->setDisplayFormat("dd-MM-yyyy");
  DatePic->setCalendarPopup(true);
  // Room for the whole date beside the calendar button; the time aligns.
  const int pickerWidth = DatePic->fontMetrics().horizontalAdvance("88-88-8888") + kPickerButtonRoom;
  DatePic->setMinimumWidth(pickerWidth);
  TimePic->setMinimumWidth(pickerWidth);
  LblRepeat = named(new QLabel(this), "LblRepeat");
  CboRepeat = named(new QComboBox(this), "CboRepeat");
  TxtRepeat = named(new QLineEdit(this), "TxtRepeat");
  TxtRepeat->setFixedWidth(kValueBoxWidth / 2);
  UpdRepeat = named(new UpDown(this), "UpdRepeat");
  CmdOK = named(new QPushButton(this), "CmdOK");
  CmdOK->setDefault(true);
  CmdCancel = named(new QPushButton(this), "CmdCancel");
  for (QWidget* widget : std::initializer_list<QWidget*>{LblLvl, TxtLvl, UpdLvl, VLAG, LblDate, DatePic,
                                                          LblRepeat, CboRepeat, TxtRepeat, UpdRepeat})
    keepPlaceWhenHidden(widget);
}

void FrmClkEdit::layoutControls() {
  auto* grid = new QGridLayout(this);
  auto* tables = new QHBoxLayout;
  for (QRadioButton* option : OptTabel) tables->addWidget(option);
  tables->addStretch();
  grid->addWidget(LblTabel, 0, 0);
  grid->addLayout(tables, 0, 1, 1, 4);
  grid->addWidget(LblFnc, 1, 0);
  grid->addWidget(CboFnc, 1, 1, 1, 4);
  grid->addWidget(LblLd, 2, 0);
  grid->addWidget(CboLd, 2, 1, 1, 4);
  grid->addWidget(TxtPrv, 3, 0, 1, 5);
  auto* level = new QHBoxLayout;
  level->addWidget(TxtLvl);
  level->addWidget(UpdLvl);
  level->addStretch();
  level->addWidget(VLAG);
  grid->addWidget(LblLvl, 4, 0);
  grid->addLayout(level, 4, 1, 1, 4);
  grid->addWidget(LblTijd, 5, 0);
  grid->addWidget(TimePic, 5, 1);
  grid->addWidget(LblDate, 6, 0);
  grid->addWidget(DatePic, 6, 1);
  auto* repeat = new QHBoxLayout;
  repeat->addWidget(CboRepeat);
  repeat->addWidget(TxtRepeat);
  repeat->addWidget(UpdRepeat);
  repeat->addStretch();
  grid->addWidget(LblRepeat, 7, 0);
  grid->addLayout(repeat, 7, 1, 1, 4);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CmdOK);
  buttons->addWidget(CmdCancel);
  grid->setRowMinimumHeight(8, kButtonGap);
  grid->addLayout(buttons, 9, 0, 1, 5);
  grid->setColumnStretch(4, 1);
}

void FrmClkEdit::connectControls() {
  connect(m_tables, &QButtonGroup::idToggled, this, [this](int table, bool checked) {
    if (!checked) return;
    m_model.OptTabel_Click(table);
    showModel();
  });
  // The lists react through the model's lists: selecting there runs the
  // dialog's reaction, as a click on the entry does.
  connect(CboFnc, &QComboBox::activated, this, [this](int index) {
    m_model.controls().CboFnc.select(index);
    showModel();
  });
  connect(CboLd, &QComboBox::activated, this, [this](int index) {
    m_model.controls().CboLd.select(index);
    showModel();
  });
  connect(CboRepeat, &QComboBox::activated, this, [this](int index) {
    m_model.controls().CboRepeat.select(index);
    showModel();
  });
  connect(TxtLvl, &QLineEdit::textEdited, this,
          [this](const QString& text) { m_model.TxtLvl_Edit(text.toStdString()); });
  connect(TxtRepeat, &QLineEdit::textEdited, this, [this](const QString& text) {
    m_model.TxtRepeat_Change(text.toStdString());
    showVisibility();
  });
  connect(UpdLvl, &UpDown::stepped, this, &FrmClkEdit::stepLevel);
  connect(UpdRepeat, &UpDown::stepped, this, &FrmClkEdit::stepRepeat);
  connect(DatePic, &QDateEdit::dateChanged, this, [this](QDate date) { m_model.DatePic_Change(fromQDate(date)); });
  connect(TimePic, &QTimeEdit::timeChanged, this,
          [this](QTime time) { m_model.TimePic_Change(time.hour(), time.minute()); });
  connect(CmdOK, &QPushButton::clicked, this, &FrmClkEdit::CmdOK_Click);
  connect(CmdCancel, &QPushButton::clicked, this, &FrmClkEdit::CmdCancel_Click);
  TxtLvl->installEventFilter(this);
  TxtRepeat->installEventFilter(this);
  for (QRadioButton* option : OptTabel) option->installEventFilter(this);
}

void FrmClkEdit::setTabOrder() {
  QWidget* order[] = {OptTabel[0], CboFnc,    CboLd,     TxtLvl, TimePic,
                      DatePic,     CboRepeat, TxtRepeat, CmdOK,  CmdCancel};
  for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  for (int table = 1; table < kClockTableCount; ++table)
    QWidget::setTabOrder(OptTabel[table - 1], OptTabel[table]);
  QWidget::setTabOrder(OptTabel[kClockTableCount - 1], CboFnc);
}

bool FrmClkEdit::Form_Load() {
  if (m_state.clock.SelectedClockLine == 0) return false;
  m_prompts.setBusy(true);
  ApplyFormTexts(this, formTexts(m_state.texts, "FrmClkEdit"));
  const bool loaded = m_model.Load(ShowSetting.toInt());
  showModel();
  adjustSize();
  CenterForm(this);
  CboFnc->setFocus();
  m_prompts.setBusy(false);
  return loaded;
}

int FrmClkEdit::exec() {
  if (!Form_Load()) return QDialog::Rejected;
  return QDialog::exec();
}

void FrmClkEdit::showModel() {
  const ClkEditControls& c = m_model.controls();
  const QSignalBlocker tables(m_tables);
  const QSignalBlocker date(DatePic);
  const QSignalBlocker time(TimePic);
  if (c.OptTabel >= 0 && c.OptTabel < kClockTableCount) OptTabel[c.OptTabel]->setChecked(true);
  showTableFocus();
  showList(CboFnc, c.CboFnc);
  showList(CboLd, c.CboLd);
  showList(CboRepeat, c.CboRepeat);
  TxtPrv->setPlainText(QString::fromStdString(c.TxtPrv).replace("\r\n", "\n"));
  DatePic->setDateRange(toQDate(c.DatePicEarliest), toQDate(c.DatePicLatest));
  DatePic->setDate(toQDate(c.DatePic));
  TimePic->setTime(toQTime(c.TimePic));
  VLAG->setPixmap(FunctionPicture(c.VlagPicture, devicePixelRatioF(), kPictureSize));
  showValueBoxes();
  showVisibility();
}

void FrmClkEdit::showValueBoxes() {
  showText(TxtLvl, m_model.controls().TxtLvl.Text);
  showText(TxtRepeat, m_model.controls().TxtRepeat.Text);
}

void FrmClkEdit::showVisibility() {
  const ClkEditControls& c = m_model.controls();
  for (QWidget* widget : std::initializer_list<QWidget*>{LblLvl, TxtLvl, UpdLvl})
    widget->setVisible(c.LevelVisible);
  VLAG->setVisible(c.VlagVisible);
  VLAG->setPixmap(FunctionPicture(c.VlagPicture, devicePixelRatioF(), kPictureSize));
  LblDate->setVisible(c.DateVisible);
  DatePic->setVisible(c.DateVisible);
  LblRepeat->setVisible(c.RepeatVisible);
  CboRepeat->setVisible(c.RepeatVisible);
  TxtRepeat->setVisible(c.RepeatCountVisible);
  UpdRepeat->setVisible(c.RepeatCountVisible);
}

void FrmClkEdit::stepLevel(bool up) {
  m_model.UpdLvl_Click(up);
  showValueBoxes();
  showVisibility();
}

void FrmClkEdit::stepRepeat(bool up) {
  m_model.UpdRepeat_Click(up);
  showValueBoxes();
  showVisibility();
}

// The table options are one tab stop, the checked option; the arrow keys
// move the choice within them.
void FrmClkEdit::showTableFocus() {
  for (QRadioButton* option : OptTabel)
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

bool FrmClkEdit::moveTableChoice(QObject* watched, QEvent* event) {
  const auto found = std::find(OptTabel.begin(), OptTabel.end(), watched);
  if (found == OptTabel.end() || event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  int step = 0;
  if (key == Qt::Key_Left || key == Qt::Key_Up) step = -1;
  if (key == Qt::Key_Right || key == Qt::Key_Down) step = 1;
  if (step == 0) return false;
  const int table = static_cast<int>(found - OptTabel.begin());
  const int next = (table + step + kClockTableCount) % kClockTableCount;
  OptTabel[next]->setFocus(Qt::TabFocusReason);
  OptTabel[next]->click();
  return true;
}

bool FrmClkEdit::eventFilter(QObject* watched, QEvent* event) {
  if (moveTableChoice(watched, event)) return true;
  const bool level = watched == TxtLvl;
  if (!level && watched != TxtRepeat) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut) {
    level ? m_model.TxtLvl_LostFocus() : m_model.TxtRepeat_LostFocus();
    showValueBoxes();
    showVisibility();
  } else if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      level ? stepLevel(key == Qt::Key_Up) : stepRepeat(key == Qt::Key_Up);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FrmClkEdit::commitFocusedBox() {
  if (TxtLvl->hasFocus()) m_model.TxtLvl_LostFocus();
  if (TxtRepeat->hasFocus()) m_model.TxtRepeat_LostFocus();
  showValueBoxes();
  showVisibility();
}

void FrmClkEdit::CmdOK_Click() {
  commitFocusedBox();
  const std::optional<int> table = m_model.CmdOK_Click(m_prompts);
  if (!table) return;
  emit tableButtonPressed(*table);
  done(QDialog::Accepted);
}

void FrmClkEdit::CmdCancel_Click() {
  m_model.CmdCancel_Click();
  done(QDialog::Rejected);
}

void FrmClkEdit::reject() { CmdCancel_Click(); }

void FrmClkEdit::closeEvent(QCloseEvent* event) {
  event->accept();
  done(QDialog::Rejected);
}

bool OpenClockLineEditor(QWidget* owner, ClockParts state, const Clock& clock, Prompts& prompts,
                         bool isNew, const std::function<void(int table)>& pressTableButton) {
  auto* dialog = owner->findChild<FrmClkEdit*>("FrmClkEdit", Qt::FindDirectChildrenOnly);
  if (!dialog) {
    dialog = new FrmClkEdit(state, clock, prompts, owner);
    QObject::connect(dialog, &FrmClkEdit::tableButtonPressed, owner, pressTableButton);
  }
  dialog->ShowSetting = isNew ? kShowNewLine : kShowExistingLine;
  const int selected = state.clock.SelectedClockLine;
  dialog->exec();
  return selected > 0 && state.clock.ClockTable[static_cast<size_t>(selected - 1)].inUse();
}

}  // namespace ordalis
