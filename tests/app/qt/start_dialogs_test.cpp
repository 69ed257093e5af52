// The small forms of start-up: the language dialog, the splash window, the
// start dialog, and the captions that SetFormTexts gives a form's controls.
#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "base/form_texts.h"
#include "base/qt/form_captions.h"
#include "app/qt/frm_select_clk_act.h"
#include "app/qt/frm_start.h"
#include "app/qt/frm_taal.h"

using namespace ordalis;

class StartDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void theLanguageDialogOffersTheSevenLanguagesInOrder() {
    FrmTaal dialog;
    const QStringList expected = {"English", "Nederlands", "Français", "Deutsch",
                                  "Spaans",  "Italiaans",  "Português"};
    for (int i = 0; i < kLanguageCount; ++i) QCOMPARE(dialog.CmdTaal(i)->text(), expected[i]);
    QCOMPARE(dialog.windowTitle(), QString("HALVERON Domotic System"));
  }

  void choosingDeutschGivesOffset30000() {
    FrmTaal dialog;
    QTimer::singleShot(0, &dialog, [&] { dialog.CmdTaal(3)->click(); });
    dialog.exec();
    QCOMPARE(dialog.chosenOffset(), 30000);
  }

  void closingTheLanguageDialogLeavesTheLanguageAsItWas() {
    int32_t setting = 10000, offset = 10000;
    QTimer::singleShot(0, [] {
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<FrmTaal*>(widget)) dialog->reject();
    });
    QVERIFY(!FrmTaal::ChooseLanguage(setting, offset));
    QCOMPARE(setting, 10000);
    QCOMPARE(offset, 10000);
  }

  void theSplashShowsVersionAndPlatform() {
    FrmStart splash;
    QCOMPARE(FrmStart::VersionText(1, 0, 7), QString("Version 1.0/7"));
    QVERIFY(splash.lblVersion()->text().startsWith("Version "));
    QVERIFY(!splash.lblPlatform()->text().isEmpty());
  }

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

  void theStartDialogsCaptionsComeFromTheTextTable() {
    FrmSelectClkAct dialog({});
    Texts texts;
    ApplyFormTexts(&dialog, formTexts(texts, "FrmSelectClkAct"));
    QCOMPARE(dialog.cmdOpenF()->text(), QString("Read Clocks from file"));
    QCOMPARE(dialog.CmdLoad()->text(), QString("Get Clocks from memory of KVB-central"));
    QCOMPARE(dialog.CmdNew()->text(), QString("Start with empty table"));
    QCOMPARE(dialog.CmdCancel()->text(), QString("Cancel"));
  }

  void captionsFindControlArrayMembersByTheirIndex() {
    QWidget form;
    form.setObjectName("FrmTest");
    auto* first = new QLabel(&form);
    first->setObjectName("LblPart");
    first->setProperty("Index", 0);
    auto* second = new QLabel(&form);
    second->setObjectName("LblPart");
    second->setProperty("Index", 1);
    auto* action = new QAction(&form);
    action->setObjectName("mmuThing");
    ApplyFormTexts(&form, {{"FrmTest", "A form"}, {"LblPart(1)", "second"}, {"mmuThing", "R&&D"},
                           {"Missing", "nothing"}});
    QCOMPARE(form.windowTitle(), QString("A form"));
    QCOMPARE(first->text(), QString());
    QCOMPARE(second->text(), QString("second"));
    QCOMPARE(action->text(), QString("R&&D"));
  }
};

QTEST_MAIN(StartDialogsTest)
#include "start_dialogs_test.moc"
