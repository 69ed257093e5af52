// The right column of the main window: the selection panel, from the top of
// the clock area down, and the four action buttons in two rows at the
// bottom. At the window's default size everything stands where it always
// stood; a shorter window keeps the buttons in sight and lets the panel
// scroll. A mouse-down on its empty parts is a stray click, as on the body.
#pragma once

#include <QScrollArea>
#include <QWidget>
#include <array>
#include <functional>

class QPushButton;

namespace ordalis {

class SelectionPanelWidget;

class SideColumn : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 300;
  static constexpr int kButtonWidth = 142;
  static constexpr int kButtonHeight = 30;
  static constexpr int kButtonGap = 6;
  // From the buttons' top to the column's bottom at the default size (572 - 472).
  static constexpr int kButtonsFromBottom = 100;

  // Takes `panel` and the buttons (Add, Edit, Delete, Test) as children.
  SideColumn(SelectionPanelWidget* panel, const std::array<QPushButton*, 4>& buttons, QWidget* parent = nullptr);

  void setOnStrayClick(std::function<void()> onStrayClick) { m_onStrayClick = std::move(onStrayClick); }
  QScrollArea* panelScroll() const { return m_panelScroll; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QScrollArea* m_panelScroll;
  std::array<QPushButton*, 4> m_buttons;
  std::function<void()> m_onStrayClick;
};

}  // namespace ordalis
