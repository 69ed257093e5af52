// A background part of the main window outside the clock area: a mouse-down
// on it, where no control takes it, is a stray click (the window beeps).
#pragma once

#include <QWidget>
#include <functional>

namespace ordalis {

class StrayClickWidget : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // Called on a mouse-down that hits nothing.
  void setOnStrayClick(std::function<void()> onStrayClick) { m_onStrayClick = std::move(onStrayClick); }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    if (m_onStrayClick) m_onStrayClick();
  }

 private:
  std::function<void()> m_onStrayClick;
};

}  // namespace ordalis
