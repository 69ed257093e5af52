// The selection panel beside the week view: the tab strip `TabClk` with one
// tab per line found at the clicked spot, and ten slots (`PicFnc`) that show
// each such line's function (`LblFunctieA`), moment and repeat rule
// (`LblFunctieB`) and picture (`ImgFnc`). The selected slot has the tooltip
// background with black text, the others dark blue with white text. A click
// on a tab or anywhere on a slot selects that slot's line.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <array>
#include <vector>

#include "week/selection_panel.h"

namespace ordalis {

class SelectionPanelWidget : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSlots = 10;
  static constexpr int kSlotHeight = 38;
  static const QColor kOtherSlotColour;     // dark blue (0, 0, 128)
  static const QColor kOtherSlotTextColour;  // white

  explicit SelectionPanelWidget(QWidget* parent = nullptr);

  // Shows the slots; selectedEntry is 1-based, 0 for none.
  void showSlots(const std::vector<PanelSlot>& contents, int selectedEntry);

  QTabBar* tabs() const { return m_tabs; }
  QFrame* slotFrame(int t) const { return m_slots[static_cast<size_t>(t)].picFnc; }
  QLabel* functionLabel(int t) const { return m_slots[static_cast<size_t>(t)].lblFunctieA; }
  QLabel* momentLabel(int t) const { return m_slots[static_cast<size_t>(t)].lblFunctieB; }

 signals:
  // The user clicked tab or slot `entry` (1-based).
  void entryClicked(int entry);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  struct Slot {
    QFrame* picFnc = nullptr;
    QLabel* imgFnc = nullptr;
    QLabel* lblFunctieA = nullptr;
    QLabel* lblFunctieB = nullptr;
  };

  Slot makeSlot(int t);
  void fillSlot(Slot& slot, const PanelSlot& content, bool selected);

  QTabBar* m_tabs;
  std::array<Slot, kSlots> m_slots;
  bool m_rebuilding = false;
};

}  // namespace ordalis
