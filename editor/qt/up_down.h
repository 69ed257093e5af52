// UpDown: the pair of small arrow buttons beside a value box. It takes no
// keyboard focus; the box itself steps with the Up and Down keys.
#pragma once

#include <QWidget>

class QToolButton;

namespace ordalis {

class UpDown : public QWidget {
  Q_OBJECT

 public:
  explicit UpDown(QWidget* parent = nullptr);
  QToolButton* upButton() const { return m_up; }
  QToolButton* downButton() const { return m_down; }

 signals:
  void stepped(bool up);

 private:
  QToolButton* m_up;
  QToolButton* m_down;
};

}  // namespace ordalis
