// The main window's Functions view: a tool-bar toggle (Ctrl+L) that shows
// the lanes of the shown week in place of the week view, over the same shown
// tables. The lanes follow everything the window shows; a click on a marker
// selects its line in the week view, a double-click edits it.
#pragma once

#include <QObject>

#include "app/program_state.h"
#include "mainwindow/qt/function_lanes_view.h"

class QAction;
class QScrollArea;

namespace ordalis {

class FrmKlokken;

class FunctionsView : public QObject {
  Q_OBJECT

 public:
  // The window and the state must outlive the view; it places itself on the
  // window's body and follows the window's modelShown signal.
  FunctionsView(FrmKlokken& window, ProgramState& state);

  QAction* toggle() const { return m_toggle; }
  FunctionLanesView* lanes() const { return m_lanes; }

 public slots:
  // Rebuilds the lanes from the lines, the shown week and tables, and marks
  // the selected line; nothing while the week view is shown.
  void refresh();

 private:
  void setShown(bool shown);
  void selectLine(int line, LocalTime moment);
  FunctionLanesView::Tips tips() const;
  QString text(int id) const { return QString::fromStdString(m_state.texts.LoadText(id)); }

  FrmKlokken& m_window;
  ProgramState& m_state;
  QAction* m_toggle = nullptr;
  QScrollArea* m_scroll = nullptr;
  FunctionLanesView* m_lanes = nullptr;
};

}  // namespace ordalis
