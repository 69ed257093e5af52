// The findings dialog and the menu command that opens it.
#include "mainwindow/qt/check_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "clock/line_moment.h"

namespace ordalis {

namespace {

constexpr int kCheckCommandText = 1193;  // with the letter of the menu item
constexpr int kNoFindingsText = 1209;
constexpr int kFindingsTitleText = 1210;
constexpr int kLineRole = Qt::UserRole;

}  // namespace

CheckDialog::CheckDialog(const std::vector<Finding>& findings, const Texts& texts, QWidget* parent)
    : QDialog(parent) {
  setObjectName("FrmCheck");
  setWindowTitle(QString::fromStdString(texts.LoadText(kFindingsTitleText)));
  auto* list = new QListWidget(this);
  list->setObjectName("LstFindings");
  list->setWordWrap(true);
  for (const Finding& finding : findings) {
    auto* item = new QListWidgetItem(
        QString::fromStdString(SeverityText(finding, texts) + ": " + finding.text), list);
    item->setData(kLineRole, finding.lines.empty() ? -1 : finding.lines.front());
  }
  if (findings.empty()) list->addItem(QString::fromStdString(texts.LoadText(kNoFindingsText)));
  connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const QVariant line = item->data(kLineRole);
    if (line.isValid() && line.toInt() >= 0) emit lineChosen(line.toInt());
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list);
  layout->addWidget(buttons);
  resize(640, 360);
}

void AddCheckClockTableCommand(QMenu* menu, QWidget* parent, ProgramState& state, const Clock& clock,
                               std::function<void(int line)> showLine) {
  auto* action = new QAction(QString::fromStdString(state.texts.LoadText(kCheckCommandText)), parent);
  action->setObjectName("mmuEditCheck");
  QObject::connect(action, &QAction::triggered, parent, [parent, &state, &clock, showLine] {
    const LocalTime from = clock.now();
    const std::vector<Finding> findings =
        CheckClockTable(state.clock.ClockTable, state.installation, state.texts, from, AddMonths(from, 12));
    CheckDialog dialog(findings, state.texts, parent);
    QObject::connect(&dialog, &CheckDialog::lineChosen, parent, [&dialog, showLine](int line) {
      showLine(line);
      dialog.accept();
    });
    dialog.exec();
  });
  menu->addSeparator();
  menu->addAction(action);
}

}  // namespace ordalis
