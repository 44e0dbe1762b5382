#include "TestInput.h"
#include "support/QtTestRegistry.h"

#include "controls/DIBContainer.h"
#include "controls/DIBEdit.h"
#include "controls/DIBGlyphButton.h"
#include "controls/DIBImageList.h"
#include "controls/SkinImages.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

class StripControlsTest : public QObject {
    Q_OBJECT
  private slots:
    void glyphButtonShowsItsPressedGlyphAndClicksOnRelease_data() {
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");
        QTest::newRow("released on the button") << QPoint(10, 9) << 1;
        QTest::newRow("released off the button") << QPoint(60, 9) << 0;
    }
    void glyphButtonShowsItsPressedGlyphAndClicksOnRelease() {
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);
        std::unique_ptr<TDIBImageList> skin(CreateSkinImages(1.0, nullptr));
        TDIBContainer container;
        container.resize(100, 40);
        auto* button = new TDIBGlyphButton(&container);
        button->move(5, 5);
        button->SetDIBImageList(skin.get());
        button->SetIndexMain(SkinBtn1);
        button->SetNumGlyphs(2);
        QCOMPARE(button->size(), QSize(22, 18));
        QSignalSpy spy(button, &TDIBGlyphButton::OnClick);

        const QImage& glyphs = skin->Image(SkinBtn1)->Pixels;
        const QPoint probe(6, 9);
        auto shown = [&] { return container.grab(button->geometry()).toImage().pixel(probe); };
        QCOMPARE(shown(), glyphs.pixel(probe));
        SendMouse(button, QEvent::MouseButtonPress, QPoint(10, 9), Qt::LeftButton, Qt::LeftButton);
        QVERIFY(button->Down());
        QCOMPARE(shown(), glyphs.pixel(probe + QPoint(22, 0)));
        SendMouse(button, QEvent::MouseMove, releaseAt, Qt::NoButton, Qt::LeftButton);
        SendMouse(button, QEvent::MouseButtonRelease, releaseAt, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!button->Down());
        QCOMPARE(spy.count(), clicks);
    }

    void glyphButtonClicksFromTheKeyboard() {
        TDIBGlyphButton button;
        QSignalSpy spy(&button, &TDIBGlyphButton::OnClick);
        QTest::keyClick(&button, Qt::Key_Space);
        QTest::keyClick(&button, Qt::Key_X);
        QCOMPARE(spy.count(), 1);
    }

    void editKeepsMaxLengthCharactersAndPutsTheCaretAtTheEnd_data() {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no limit") << 0 << "Grand Piano"
                                  << "Grand Piano";
        QTest::newRow("limit of 5") << 5 << "Grand Piano"
                                    << "Grand";
        const QString longName(40000, u'w');
        QTest::newRow("no limit, longer than a plain edit holds") << 0 << longName << longName;
    }
    void editKeepsMaxLengthCharactersAndPutsTheCaretAtTheEnd() {
        QFETCH(int, maxLength);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TDIBEdit edit;
        edit.SetMaxLength(maxLength);
        QCOMPARE(edit.MaxLength(), maxLength);
        QSignalSpy spy(&edit, &TDIBEdit::OnChange);
        edit.SetText(text);
        QCOMPARE(edit.text(), expected);
        QCOMPARE(edit.cursorPosition(), expected.size());
        QCOMPARE(spy.count(), 1);
    }

    void editAndContainerTakeTheStripColours() {
        TDIBEdit edit;
        edit.SetColors(QColor(205, 218, 255), QColor(78, 108, 202));
        QCOMPARE(edit.palette().color(QPalette::Text), QColor(205, 218, 255));
        QCOMPARE(edit.palette().color(QPalette::Base), QColor(78, 108, 202));
        TDIBContainer container;
        container.SetColor(QColor(45, 46, 63));
        container.resize(20, 20);
        QCOMPARE(container.grab().toImage().pixelColor(10, 10), QColor(45, 46, 63));
    }
};

static RegisterTest<StripControlsTest> registered;
#include "strip_controls_test.moc"
