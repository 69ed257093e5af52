// Applying captions to the controls of a form, and centring a form.
#include "base/qt/form_captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>

namespace ordalis {

namespace {

struct ControlName {
  QString name;
  int index = -1;  // -1: not a member of a control array
};

ControlName parseName(const std::string& text) {
  static const QRegularExpression arrayMember("^(\\w+)\\((\\d+)\\)$");
  const QString name = QString::fromStdString(text);
  const QRegularExpressionMatch match = arrayMember.match(name);
  if (!match.hasMatch()) return {name};
  return {match.captured(1), match.captured(2).toInt()};
}

bool matches(const QObject* object, const ControlName& control) {
  if (object->objectName() != control.name) return false;
  if (control.index < 0) return true;
  const QVariant index = object->property("Index");
  return index.isValid() && index.toInt() == control.index;
}

void setCaption(QObject* object, const QString& caption) {
  if (auto* action = qobject_cast<QAction*>(object))
    action->setText(caption);
  else if (auto* button = qobject_cast<QAbstractButton*>(object))
    button->setText(caption);
  else if (auto* label = qobject_cast<QLabel*>(object))
    label->setText(caption);
  else if (auto* group = qobject_cast<QGroupBox*>(object))
    group->setTitle(caption);
  else if (auto* menu = qobject_cast<QMenu*>(object))
    menu->setTitle(caption);
}

}  // namespace

void ApplyFormTexts(QWidget* form, const std::vector<std::pair<std::string, std::string>>& captions) {
  const QList<QObject*> children = form->findChildren<QObject*>();
  for (const auto& [name, text] : captions) {
    const ControlName control = parseName(name);
    const QString caption = QString::fromStdString(text);
    if (matches(form, control)) form->setWindowTitle(caption);
    for (QObject* child : children)
      if (matches(child, control)) setCaption(child, caption);
  }
}

void CenterForm(QWidget* form) {
  const QScreen* screen = form->screen();
  if (!screen) return;
  const QRect available = screen->geometry();
  const QSize size = form->frameGeometry().size();
  form->move(available.left() + available.width() / 2 - size.width() / 2,
             available.top() + available.height() / 2 - size.height() / 2);
}

}  // namespace ordalis
