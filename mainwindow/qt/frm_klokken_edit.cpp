// The main window's Edit commands over the undo history and the clipboard:
// Undo and Redo with the step's name, Copy, Paste and Duplicate of a line,
// copying a line by dragging it with Ctrl, and the unsaved mark in the title.
// The history and the copies are core logic; this file only calls them.
#include <QGuiApplication>
#include <QMenu>
#include <QToolBar>

#include "app/line_copies.h"
#include "editor/qt/function_pictures.h"
#include "mainwindow/qt/frm_klokken.h"
#include "mainwindow/qt/line_clipboard.h"
#include "mainwindow/qt/week_area.h"
#include "week/catalogue_texts.h"

namespace ordalis {

namespace {

constexpr int kUndoText = 1120;
constexpr int kRedoText = 1121;
// The same texts with the letter of the menu item ("&Undo").
constexpr int kUndoMenuText = 1186;
constexpr int kRedoMenuText = 1187;
constexpr int kCopyMenuText = 1188;
constexpr int kPasteMenuText = 1189;
constexpr int kDuplicateMenuText = 1190;

QString MenuText(const Texts& texts, int verb, const std::string& stepName) {
  std::string text = texts.LoadText(verb);
  if (!stepName.empty()) text += " " + stepName;
  return QString::fromStdString(text);
}

}  // namespace

void FrmKlokken::createEditActions() {
  m_mmuEdit->addSeparator();
  auto add = [this](const char* name, QList<QKeySequence> keys, void (FrmKlokken::*slot)()) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    m_mmuEdit->addAction(action);
    return action;
  };
  m_undo = add("mmuUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &FrmKlokken::Undo_Click);
  m_redo = add("mmuRedo", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
               &FrmKlokken::Redo_Click);
  m_mmuEdit->addSeparator();
  add("mmuCopy", {QKeySequence(Qt::CTRL | Qt::Key_C)}, &FrmKlokken::Copy_Click);
  add("mmuPaste", {QKeySequence(Qt::CTRL | Qt::Key_V)}, &FrmKlokken::Paste_Click);
  add("mmuDuplicate", {QKeySequence(Qt::CTRL | Qt::Key_D)}, &FrmKlokken::Duplicate_Click);

  // The tool bar shows the same two actions, with their short captions.
  m_tlb->addSeparator();
  m_undo->setIcon(ResourceIcon("tlb_undo"));
  m_undo->setProperty("Key", "UNDO");
  m_redo->setIcon(ResourceIcon("tlb_redo"));
  m_redo->setProperty("Key", "REDO");
  m_tlb->addAction(m_undo);
  m_tlb->addAction(m_redo);
  connect(m_pic, &WeekArea::dragStarted, this, &FrmKlokken::beginDrag);
  connect(m_pic, &WeekArea::dragFinished, this, &FrmKlokken::finishDrag);
}

void FrmKlokken::updateEditActions() {
  const Texts& texts = m_state.texts;
  m_undo->setText(MenuText(texts, kUndoMenuText, m_history.UndoName()));
  m_redo->setText(MenuText(texts, kRedoMenuText, m_history.RedoName()));
  m_undo->setEnabled(m_history.CanUndo());
  m_redo->setEnabled(m_history.CanRedo());
  m_undo->setIconText(MenuText(texts, kUndoText, {}));
  m_redo->setIconText(MenuText(texts, kRedoText, {}));
  findChild<QAction*>("mmuCopy")->setText(MenuText(texts, kCopyMenuText, {}));
  findChild<QAction*>("mmuPaste")->setText(MenuText(texts, kPasteMenuText, {}));
  findChild<QAction*>("mmuDuplicate")->setText(MenuText(texts, kDuplicateMenuText, {}));
  setWindowModified(m_state.clock.ClocksChanged);
}

bool FrmKlokken::recordStep(StepKind kind, const ClockLineArray& before, bool wasChanged) {
  const std::string name =
      StepName(kind, m_state.texts, ProgramCatalogueTexts(m_state.texts, m_state.installation), before,
               m_state.clock.ClockTable);
  const bool recorded = m_history.Record(name, before, m_state.clock);
  if (!recorded) m_state.clock.ClocksChanged = wasChanged;
  updateEditActions();
  return recorded;
}

void FrmKlokken::noteSaved() {
  if (!m_state.clock.ClocksChanged) m_history.MarkSaved();
  updateEditActions();
}

void FrmKlokken::Undo_Click() { showRestored(m_history.Undo(m_state.clock)); }

void FrmKlokken::Redo_Click() { showRestored(m_history.Redo(m_state.clock)); }

// After undo or redo: the one line the step changed is shown and selected;
// after a wider change the week is redrawn without a selection.
void FrmKlokken::showRestored(std::optional<int> line) {
  if (line) {
    showNewLine(*line);
  } else {
    ScrWeeks_Change();
    m_model.SetSelected(0, 0);
    showModel();
  }
  updateEditActions();
}

void FrmKlokken::showNewLine(int line) {
  m_model.JumpToLine(line);
  const std::vector<int>& hits = m_model.HitList();
  for (size_t entry = 0; entry < hits.size(); ++entry)
    if (hits[entry] == line + 1) m_model.SelectEntry(static_cast<int>(entry) + 1);
  showWeekOffset();
  showModel();
}

void FrmKlokken::Copy_Click() {
  const std::optional<CopiedLine> copied = CopySelectedLine(m_state);
  if (!copied) return m_prompts.beep();
  const int line = m_state.clock.SelectedClockLine - 1;
  PutLineOnClipboard(*copied, CopiedLineText(m_state.clock.ClockTable, line,
                                             ProgramCatalogueTexts(m_state.texts, m_state.installation)));
}

void FrmKlokken::Paste_Click() {
  const std::optional<CopiedLine> copied = LineOnClipboard();
  if (!copied) return m_prompts.beep();
  addLineCopy(StepKind::PasteLine, [&] { return PasteLine(m_state, m_prompts, *copied); });
}

void FrmKlokken::Duplicate_Click() {
  addLineCopy(StepKind::DuplicateLine, [this] { return DuplicateSelectedLine(m_state, m_prompts); });
}

void FrmKlokken::addLineCopy(StepKind kind, const std::function<std::optional<int>()>& placeCopy) {
  const ClockLineArray before = m_state.clock.ClockTable;
  const bool wasChanged = m_state.clock.ClocksChanged;
  const std::optional<int> line = placeCopy();
  if (!line) return;
  recordStep(kind, before, wasChanged);
  showNewLine(*line);
}

void FrmKlokken::beginDrag() {
  m_dragBefore = m_state.clock.ClockTable;
  m_dragWasChanged = m_state.clock.ClocksChanged;
  m_dragCopies = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
}

// A drag with Ctrl held leaves the original where it was: the moved line is
// the copy, and stays selected.
void FrmKlokken::finishDrag(int line) {
  const bool copied =
      m_dragCopies &&
      KeepDraggedOriginal(m_state, m_prompts, line, m_dragBefore[static_cast<size_t>(line)]).has_value();
  recordStep(copied ? StepKind::CopyLine : StepKind::MoveLine, m_dragBefore, m_dragWasChanged);
  if (m_dragCopies) ScrWeeks_Change();
}

}  // namespace ordalis
