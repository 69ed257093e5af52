// Message boxes and file dialogs for the Prompts seam.
#include "base/qt/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace ordalis {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(Answer answer) {
  switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Retry: return QMessageBox::Retry;
    case Answer::Abort: return QMessageBox::Abort;
    case Answer::Ignore: return QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesCancel: return QMessageBox::Yes | QMessageBox::Cancel;
    case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
}

Answer fromQt(int button) {
  switch (button) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: return Answer::Ok;
  }
}

}  // namespace

QString qtFilter(const std::string& programFilter) {
  // The program's filter alternates description and pattern, separated by '|'.
  const QStringList parts = QString::fromStdString(programFilter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i].trimmed();
  return filters.join(";;");
}

Answer QtPrompts::ask(const Message& message) {
  QMessageBox box(qtIcon(message.icon), QString::fromStdString(message.title),
                  QString::fromStdString(message.text), qtButtons(message.buttons), m_parent);
  if (message.defaultButton) box.setDefaultButton(qtButton(*message.defaultButton));
  return fromQt(box.exec());
}

std::optional<std::string> QtPrompts::openFileName(const FileDialog& dialog) {
  QString name = QFileDialog::getOpenFileName(m_parent, QString::fromStdString(dialog.title),
                                              QString::fromStdString(dialog.initialName),
                                              qtFilter(dialog.filter), nullptr,
                                              QFileDialog::ReadOnly);
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

std::optional<std::string> QtPrompts::saveFileName(const FileDialog& dialog) {
  // A dialog of our own rather than the static call, so that the suffix is
  // added before the overwrite question is asked.
  QFileDialog files(m_parent, QString::fromStdString(dialog.title), QString::fromStdString(dialog.initialName),
                    qtFilter(dialog.filter));
  files.setAcceptMode(QFileDialog::AcceptSave);
  files.setDefaultSuffix(QString::fromStdString(dialog.defaultSuffix));
  if (!dialog.confirmOverwrite) files.setOption(QFileDialog::DontConfirmOverwrite);
  if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) return std::nullopt;
  const QString name = files.selectedFiles().constFirst();
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

void QtPrompts::setBusy(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void QtPrompts::beep() { QApplication::beep(); }

}  // namespace ordalis
