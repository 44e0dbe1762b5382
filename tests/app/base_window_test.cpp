#include "app_tests.h"
#include "support/QtTestRegistry.h"
#include "support/ScriptedPrompts.h"

#include "editor/SarvikFileFrm.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

void BaseWindowTest::captionFollowsFileNameAndModifiedState_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("caption");
    QTest::newRow("new") << QString() << false << "New (Sarvik File)";
    QTest::newRow("new, modified") << QString() << true << "New* (Sarvik File)";
    QTest::newRow("folder path") << "/music/Songs/bass.txt" << false << "bass.txt (Sarvik File)";
    QTest::newRow("folder path, modified")
        << "/music/Songs/pad.txt" << true << "pad.txt* (Sarvik File)";
    QTest::newRow("backslash folders") << "Songs\\pad.txt" << false << "pad.txt (Sarvik File)";
}

void BaseWindowTest::captionFollowsFileNameAndModifiedState() {
    QFETCH(QString, fileName);
    QFETCH(bool, modified);
    QFETCH(QString, caption);
    TFrmSarvikFile window;
    window.NewFile();
    QCOMPARE(window.windowTitle(), QStringLiteral("New (Sarvik File)"));
    window.SetFileName(fileName.toStdString());
    if (modified) {
        window.Waveset().SetWavesetName("x"); // the document tells its window
    }
    QCOMPARE(window.windowTitle(), caption);
}

void BaseWindowTest::emptyNameAfterABoundOneShowsNewAgain() {
    TFrmSarvikFile window;
    window.SetFileName("/music/pad.txt");
    window.SetFileName({});
    QCOMPARE(window.windowTitle(), QStringLiteral("New (Sarvik File)"));
    QVERIFY(window.GetFileName().empty());
}

void BaseWindowTest::closingAsksOnlyWhenModifiedAndOnlyYesCloses_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("questions");
    QTest::newRow("unchanged never asks") << false << int(MessageAnswer::No) << true << 0;
    QTest::newRow("No keeps the window") << true << int(MessageAnswer::No) << false << 1;
    QTest::newRow("dismissed keeps the window")
        << true << int(MessageAnswer::Dismissed) << false << 1;
    QTest::newRow("Yes closes it") << true << int(MessageAnswer::Yes) << true << 1;
}

void BaseWindowTest::closingAsksOnlyWhenModifiedAndOnlyYesCloses() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(int, questions);
    ScriptedPrompts prompts;
    prompts.Answers.push_back(MessageAnswer(answer));
    auto* window = new TFrmSarvikFile;
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TFrmSarvikFile> alive(window);
    window->show();
    if (modified) {
        window->Waveset().SetNotes("changed");
    }
    window->close();
    QCOMPARE(prompts.Messages.size(), questions);
    if (questions > 0) {
        const MessageRequest& asked = prompts.Messages.first();
        QCOMPARE(asked.Text, QStringLiteral("You have modified the file. Close anyway?"));
        QCOMPARE(asked.Caption, QStringLiteral("Close File"));
        QCOMPARE(int(asked.Buttons), int(MessageButtons::YesNo));
        QCOMPARE(int(asked.DefaultButton), int(MessageAnswer::No));
        QCOMPARE(int(asked.Icon), int(MessageIcon::Question));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(alive.isNull(), closed);
    if (!closed) {
        QVERIFY(alive->isVisible());
        QCOMPARE(alive->Waveset().Notes(), std::string("changed"));
        delete alive.data();
    }
}

static RegisterTest<BaseWindowTest> registered;
