// The start dialog: each button hides it, runs its command and closes it.
#include <QTest>
#include <QTimer>

#include "app/qt/frm_select_clk_act.h"

using namespace ordalis;

class StartDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachStartButtonHidesTheDialogRunsItsCommandAndCloses_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("command");
    QTest::newRow("read clocks from file") << "cmdOpenF" << "open";
    QTest::newRow("get clocks from the central unit") << "CmdLoad" << "receive";
    QTest::newRow("start with an empty table") << "CmdNew" << "new";
    QTest::newRow("cancel") << "CmdCancel" << "";
  }
  void eachStartButtonHidesTheDialogRunsItsCommandAndCloses() {
    QFETCH(QString, button);
    QFETCH(QString, command);
    QString ran;
    bool hiddenWhileRunning = false;
    FrmSelectClkAct* dialogPointer = nullptr;
    auto run = [&](const char* name) {
      return [&, name] {
        ran = name;
        hiddenWhileRunning = !dialogPointer->isVisible();
      };
    };
    FrmSelectClkAct dialog({run("open"), run("receive"), run("new")});
    dialogPointer = &dialog;
    QTimer::singleShot(0, &dialog, [&] { dialog.findChild<QPushButton*>(button)->click(); });
    dialog.exec();
    QCOMPARE(ran, command);
    if (!command.isEmpty()) QVERIFY(hiddenWhileRunning);
    QVERIFY(!dialog.isVisible());
  }

};

QTEST_MAIN(StartDialogsTest)
#include "start_dialogs_test.moc"
