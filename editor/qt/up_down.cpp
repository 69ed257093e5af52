// Two arrow buttons stacked, as tall together as a line edit.
#include "editor/qt/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace ordalis {

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRepeat(true);
  button->setFixedSize(18, 12);
  return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(arrowButton(Qt::UpArrow, this)), m_down(arrowButton(Qt::DownArrow, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_up);
  layout->addWidget(m_down);
  setFocusPolicy(Qt::NoFocus);
  connect(m_up, &QToolButton::clicked, this, [this] { emit stepped(true); });
  connect(m_down, &QToolButton::clicked, this, [this] { emit stepped(false); });
}

}  // namespace ordalis
