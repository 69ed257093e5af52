// Placing the selection panel and the action buttons in the right column.
#include "mainwindow/qt/side_column.h"

#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "mainwindow/qt/klokken_body.h"
#include "mainwindow/qt/selection_panel_widget.h"

namespace ordalis {

namespace {

constexpr int kPanelToButtons = 8;

}  // namespace

SideColumn::SideColumn(SelectionPanelWidget* panel, const std::array<QPushButton*, 4>& buttons, QWidget* parent)
    : StrayClickWidget(parent), m_panelScroll(new QScrollArea(this)), m_buttons(buttons) {
  m_panelScroll->setFrameShape(QFrame::NoFrame);
  m_panelScroll->setFocusPolicy(Qt::NoFocus);
  m_panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_panelScroll->setWidget(panel);
  for (QPushButton* button : m_buttons) button->setParent(this);
  setFixedWidth(kWidth);
  setMinimumHeight(KlokkenBody::kAreaTop + kButtonsFromBottom + kPanelToButtons + 2 * kButtonHeight);
}

void SideColumn::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int buttonsTop = height() - kButtonsFromBottom;
  for (size_t i = 0; i < m_buttons.size(); ++i) {
    const int column = static_cast<int>(i % 2), row = static_cast<int>(i / 2);
    m_buttons[i]->setGeometry(column * (kButtonWidth + kButtonGap), buttonsTop + row * (kButtonHeight + kButtonGap),
                              kButtonWidth, kButtonHeight);
  }
  // The panel keeps its full height when there is room, and scrolls when not.
  const int panelWidth = m_panelScroll->widget()->width() + m_panelScroll->verticalScrollBar()->sizeHint().width();
  const int room = buttonsTop - kPanelToButtons - KlokkenBody::kAreaTop;
  const int panelHeight = std::max(0, std::min(m_panelScroll->widget()->height(), room));
  m_panelScroll->setGeometry(0, KlokkenBody::kAreaTop, panelHeight < m_panelScroll->widget()->height() ? panelWidth
                                                                                                     : kWidth,
                             panelHeight);
}

}  // namespace ordalis
