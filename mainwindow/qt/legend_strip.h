// The legend below the week: the nine function pictures with their captions,
// each with its full text as a tooltip. It stands at the bottom of the
// window's body and stays in sight when the week above it scrolls.
#pragma once

#include <QStringList>

#include "mainwindow/qt/stray_click_widget.h"

namespace ordalis {

class LegendStrip : public StrayClickWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 27;  // from the legend's top (545) to the body's bottom (572)

  explicit LegendStrip(QWidget* parent = nullptr);

  // The nine captions, in the order of the function pictures, and their
  // texts in full for the tooltips.
  void setCaptions(const QStringList& captions, const QStringList& toolTips);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The legend entry k (1-9) at a point, 0 for none.
  int entryAt(QPoint point) const;

  QStringList m_captions;
  QStringList m_toolTips;
};

}  // namespace ordalis
