// Filling the selection panel's tabs and slots from the model's slot texts.
#include "mainwindow/qt/selection_panel_widget.h"

#include <QMouseEvent>
#include <QPalette>
#include <QToolTip>

#include "editor/qt/function_pictures.h"

namespace ordalis {

const QColor SelectionPanelWidget::kOtherSlotColour(0, 0, 128);
const QColor SelectionPanelWidget::kOtherSlotTextColour(255, 255, 255);

namespace {

constexpr int kPanelWidth = 290;
constexpr int kTabHeight = 24;
constexpr int kSlotGap = 2;

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  widget->setPalette(palette);
}

}  // namespace

SelectionPanelWidget::SelectionPanelWidget(QWidget* parent) : QWidget(parent) {
  m_tabs = new QTabBar(this);
  m_tabs->setObjectName("TabClk");
  m_tabs->setGeometry(0, 0, kPanelWidth, kTabHeight);
  m_tabs->setExpanding(false);
  m_tabs->setDrawBase(false);
  for (int t = 0; t < kSlots; ++t) m_slots[static_cast<size_t>(t)] = makeSlot(t);
  setFixedSize(kPanelWidth, kTabHeight + kSlots * (kSlotHeight + kSlotGap));
  connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
    if (!m_rebuilding && index >= 0) emit entryClicked(index + 1);
  });
}

SelectionPanelWidget::Slot SelectionPanelWidget::makeSlot(int t) {
  Slot slot;
  slot.picFnc = new QFrame(this);
  slot.picFnc->setObjectName(QString("PicFnc%1").arg(t));
  slot.picFnc->setGeometry(0, kTabHeight + 2 + t * (kSlotHeight + kSlotGap), kPanelWidth, kSlotHeight);
  slot.picFnc->setAutoFillBackground(true);
  slot.picFnc->setFrameShape(QFrame::Box);
  slot.imgFnc = new QLabel(slot.picFnc);
  slot.imgFnc->setGeometry(6, (kSlotHeight - kFunctionPictureSize) / 2, kFunctionPictureSize,
                           kFunctionPictureSize);
  slot.lblFunctieA = new QLabel(slot.picFnc);
  slot.lblFunctieA->setGeometry(24, 2, kPanelWidth - 28, 17);
  slot.lblFunctieB = new QLabel(slot.picFnc);
  slot.lblFunctieB->setGeometry(24, 19, kPanelWidth - 28, 17);
  slot.picFnc->hide();
  return slot;
}

void SelectionPanelWidget::showSlots(const std::vector<PanelSlot>& contents, int selectedEntry) {
  m_rebuilding = true;
  while (m_tabs->count() > 0) m_tabs->removeTab(0);
  for (int t = 0; t < kSlots; ++t) {
    Slot& slot = m_slots[static_cast<size_t>(t)];
    if (t >= static_cast<int>(contents.size())) {
      slot.picFnc->hide();
      continue;
    }
    m_tabs->addTab(QString::number(t + 1));
    fillSlot(slot, contents[static_cast<size_t>(t)], t + 1 == selectedEntry);
    slot.picFnc->show();
  }
  if (selectedEntry >= 1 && selectedEntry <= m_tabs->count()) m_tabs->setCurrentIndex(selectedEntry - 1);
  m_rebuilding = false;
}

// The slots' labels let the press through to the panel.
void SelectionPanelWidget::mousePressEvent(QMouseEvent* event) {
  for (int t = 0; t < m_tabs->count(); ++t)
    if (m_slots[static_cast<size_t>(t)].picFnc->geometry().contains(event->position().toPoint())) {
      emit entryClicked(t + 1);
      return;
    }
  QWidget::mousePressEvent(event);
}

void SelectionPanelWidget::fillSlot(Slot& slot, const PanelSlot& content, bool selected) {
  slot.lblFunctieA->setText(QString::fromStdString(content.functionText));
  slot.lblFunctieB->setText(QString::fromStdString(content.momentText));
  slot.imgFnc->setPixmap(FunctionPicture(content.picture, devicePixelRatioF()));
  if (selected)
    setColours(slot.picFnc, QToolTip::palette().color(QPalette::ToolTipBase), QColor(0, 0, 0));
  else
    setColours(slot.picFnc, kOtherSlotColour, kOtherSlotTextColour);
}

}  // namespace ordalis
