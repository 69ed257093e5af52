// The right column of the main window: the selection panel, from the top of
// the clock area down, and the four action buttons in two rows at the
// bottom. At the window's default size everything stands where it always
// stood; a shorter window keeps the buttons in sight and lets the panel
// scroll. A mouse-down on its empty parts is a stray click, as on the body.
#pragma once

#include <QScrollArea>
#include <array>

#include "mainwindow/qt/stray_click_widget.h"

class QPushButton;

namespace ordalis {

class SelectionPanelWidget;

class SideColumn : public StrayClickWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 300;
  static constexpr int kButtonWidth = 142;
  static constexpr int kButtonHeight = 30;
  static constexpr int kButtonGap = 6;
  // From the buttons' top to the column's bottom (the legend's top) at the
  // default size: 545 - 472.
  static constexpr int kButtonsFromBottom = 73;

  // Takes `panel` and the buttons (Add, Edit, Delete, Test) as children.
  SideColumn(SelectionPanelWidget* panel, const std::array<QPushButton*, 4>& buttons, QWidget* parent = nullptr);

  QScrollArea* panelScroll() const { return m_panelScroll; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QScrollArea* m_panelScroll;
  std::array<QPushButton*, 4> m_buttons;
};

}  // namespace ordalis
