// Fitting a window's frame into its screen's available geometry.
#include "mainwindow/qt/fit_to_screen.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ordalis {

namespace {

// Before the window manager has framed the window its frame is not known;
// then room is kept for a title bar and thin borders.
QMargins frameMarginsOf(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect inner = window->geometry();
  const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                       frame.bottom() - inner.bottom());
  if (!known.isNull()) return known;
  return QMargins(4, 32, 4, 4);
}

}  // namespace

void FitToScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QMargins frame = frameMarginsOf(window);
  const QSize room = available.size().shrunkBy(frame);
  const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
  if (size != window->size()) window->resize(size);
  const QSize outer = size.grownBy(frame);
  const int x = std::clamp(window->x(), available.left(), std::max(available.left(), available.right() + 1 - outer.width()));
  const int y = std::clamp(window->y(), available.top(), std::max(available.top(), available.bottom() + 1 - outer.height()));
  if (QPoint(x, y) != window->pos()) window->move(x, y);
}

}  // namespace ordalis
