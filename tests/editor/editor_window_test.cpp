#include "editor/EditorFixture.h"
#include "support/FakeRegistry.h"
#include "support/RiffBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include "app/Application.h"
#include "app/Main.h"
#include "controls/DIBContainer.h"
#include "controls/DIBEdit.h"
#include "controls/DIBGlyphButton.h"
#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/SkinImages.h"
#include "editor/InstrumentStripView.h"
#include "editor/KnobPressReset.h"
#include "editor/NameEdit.h"
#include "editor/NotesMemo.h"
#include "editor/OscillatorBox.h"
#include "editor/SampleChooser.h"
#include "editor/SampleChooserModel.h"
#include "editor/SarvikFileFrm.h"
#include "support/ScopedSettings.h"
#include "uikit/ByteText.h"
#include "uikit/QdAction.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolTip>
#include <QWheelEvent>

#include <memory>

namespace fs = std::filesystem;

namespace {

QStringList Rows(const TSampleChooser& chooser) {
    QStringList rows;
    for (int row = 0; row < chooser.Model()->rowCount(); ++row) {
        rows.push_back(chooser.Model()->index(row).data().toString());
    }
    return rows;
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        InstallFontSubstitutes();
        skin_ = CreateSkinImages(1.0, nullptr);
        SetSkinImages(skin_);
    }
    void cleanupTestCase() { delete skin_; }
    void cleanup() { KnobPressReset::Instance().SetTickSource({}); }

    void newWindowShowsItsPagesAndZeroLabels() {
        Fixture f;
        QCOMPARE(f.Window->windowTitle(), QStringLiteral("New (Sarvik File)"));
        QCOMPARE(f.Window->PagesSarvik->currentWidget(), f.Window->TabSarvikWaveset);
        QVERIFY(!f.Window->PagesSarvik->isTabVisible(2));
        for (QLabel* label :
             {f.Window->LblSarvikChorus, f.Window->LblSarvikReverb, f.Window->LblSarvikDelay}) {
            QCOMPARE(label->text(), QStringLiteral("0%"));
        }
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        QVERIFY(!f.Window->IsModified());
        QCOMPARE(f.Window->minimumWidth(), 987);
        QCOMPARE(f.Window->maximumWidth(), 987);
        QCOMPARE(f.Window->minimumHeight(), 459);

        TInstrumentStripView& strip = StripOf(InstrumentAt(*f.Window, 0, 0));
        QCOMPARE(strip.NumberLabel()->text(), QStringLiteral("1"));
        QCOMPARE(strip.WaveEdit()->text(), QString());
        QCOMPARE(strip.ValueLabel(InstrumentKnob::Hold)->text(), QStringLiteral("0 ms"));
        QCOMPARE(strip.ValueLabel(InstrumentKnob::Blend)->text(), QStringLiteral("0 ms"));
        QCOMPARE(strip.ValueLabel(InstrumentKnob::Volume)->text(), QStringLiteral("0%"));
        QCOMPARE(strip.ValueLabel(InstrumentKnob::Transpose)->text(), QStringLiteral("0"));

        // Switching pages is no change of the document.
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikWaveset);
        QVERIFY(!f.Window->IsModified());
    }

    void knobsAreDialsWithTheirCaptionsAsNames() {
        Fixture f;
        const QList<std::pair<TDIBKnob*, QString>> knobs = {{f.Window->KnbSarvikChorus, "Chorus"},
                                                            {f.Window->KnbSarvikReverb, "Reverb"},
                                                            {f.Window->KnbSarvikDelay, "Delay"}};
        TInstrumentStripView& strip = StripOf(InstrumentAt(*f.Window, 1, 0));
        QList<std::pair<TDIBKnob*, QString>> all = knobs;
        all << std::pair{strip.Knob(InstrumentKnob::Hold), QStringLiteral("Hold")}
            << std::pair{strip.Knob(InstrumentKnob::Volume), QStringLiteral("Volume")}
            << std::pair{strip.Knob(InstrumentKnob::Blend), QStringLiteral("Blend")}
            << std::pair{strip.Knob(InstrumentKnob::Transpose), QStringLiteral("Transpose")};
        for (const auto& [knob, name] : all) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(knob);
            QVERIFY(accessible);
            QCOMPARE(accessible->role(), QAccessible::Dial);
            QCOMPARE(accessible->text(QAccessible::Name), name);
        }
    }

    void turningAnEffectKnob_data() {
        QTest::addColumn<QString>("knob");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("line");
        QTest::newRow("chorus at its maximum") << "Chorus" << 512 << "100%"
                                               << "waveset = , 128, 0, 0";
        QTest::newRow("reverb at a half") << "Reverb" << 256 << "50%"
                                          << "waveset = , 0, 64, 0";
        QTest::newRow("delay rounds half to even") << "Delay" << 10 << "1%"
                                                   << "waveset = , 0, 0, 2";
        QTest::newRow("delay beyond the range") << "Delay" << 600 << "100%"
                                                << "waveset = , 0, 0, 128";
    }

    void turningAnEffectKnob() {
        QFETCH(QString, knob);
        QFETCH(int, position);
        QFETCH(QString, label);
        QFETCH(QString, line);
        Fixture f;
        TDIBKnob* turned = f.Window->findChild<TDIBKnob*>(QStringLiteral("KnbSarvik") + knob);
        QVERIFY(turned);
        turned->SetPosition(position);
        QLabel* value = knob == "Chorus"   ? f.Window->LblSarvikChorus
                        : knob == "Reverb" ? f.Window->LblSarvikReverb
                                           : f.Window->LblSarvikDelay;
        QCOMPARE(value->text(), label);
        QVERIFY(ViewText(*f.Window).contains(line));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        QCOMPARE(f.Window->windowTitle(), QStringLiteral("New* (Sarvik File)"));
    }

    void turningAnInstrumentKnob_data() {
        QTest::addColumn<int>("knob");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("readout");
        QTest::addColumn<QString>("line");
        QTest::newRow("hold") << int(InstrumentKnob::Hold) << 5000 << "2500 ms"
                              << "hold = 2500";
        QTest::newRow("blend") << int(InstrumentKnob::Blend) << 10000 << "10000 ms"
                               << "blend = 10000";
        QTest::newRow("volume 511") << int(InstrumentKnob::Volume) << 511 << "100%"
                                    << "volume = 127";
        QTest::newRow("volume 6") << int(InstrumentKnob::Volume) << 6 << "1%"
                                  << "volume = 1";
        QTest::newRow("transpose shows the semitone the file gets")
            << int(InstrumentKnob::Transpose) << 12 << "1"
            << "transpose = 1";
        QTest::newRow("transpose down") << int(InstrumentKnob::Transpose) << -192 << "-24"
                                        << "transpose = -24";
    }

    void turningAnInstrumentKnob() {
        QFETCH(int, knob);
        QFETCH(int, position);
        QFETCH(QString, readout);
        QFETCH(QString, line);
        Fixture f;
        TInstrumentStripView& strip = StripOf(InstrumentAt(*f.Window, 2, 0));
        strip.Knob(InstrumentKnob(knob))->SetPosition(position);
        QCOMPARE(strip.ValueLabel(InstrumentKnob(knob))->text(), readout);
        QVERIFY(ViewText(*f.Window).contains(line));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        QVERIFY(f.Window->IsModified());
    }

    void keysAndTheWheelMoveTransposeByWholeSemitones() {
        Fixture f;
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        TInstrumentStripView& strip = StripOf(InstrumentAt(*f.Window, 2, 0));
        TDIBKnob& transpose = *strip.Knob(InstrumentKnob::Transpose);
        transpose.SetPosition(3);
        QTest::keyClick(&transpose, Qt::Key_Up);
        QCOMPARE(strip.ValueLabel(InstrumentKnob::Transpose)->text(), QStringLiteral("1"));
        QVERIFY(ViewText(*f.Window).contains("transpose = 1"));
        transpose.setFocus();
        QWheelEvent down(QPointF(8, 8), QPointF(transpose.mapToGlobal(QPoint(8, 8))), QPoint(),
                         QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&transpose, &down);
        QCOMPARE(transpose.Position(), -8);
        QVERIFY(ViewText(*f.Window).contains("transpose = -1"));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
    }

    void theTextViewKeepsItsCaretAndScrollingThroughEdits() {
        Fixture f;
        f.Window->resize(900, 300);
        for (int i = 0; i < 40; ++i) {
            f.Window->Waveset().Oscillators()[3]->AddInstrument();
        }
        QPlainTextEdit* view = f.Window->MmoSarvikTxt;
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        QTextCursor caret = view->textCursor();
        caret.setPosition(view->document()->findBlockByNumber(100).position() + 3);
        view->setTextCursor(caret);
        QScrollBar* scroll = view->verticalScrollBar();
        scroll->setValue(scroll->maximum() / 2);
        const int scrolled = scroll->value();
        QVERIFY(scrolled > 0);
        const QString line = view->textCursor().block().text();
        QVERIFY(!line.isEmpty());

        // Edits above the caret, below it, and of the header.
        TSarvikInstrument& last = *f.Window->Waveset().Oscillators()[3]->Instruments().back();
        StripOf(last).Knob(InstrumentKnob::Volume)->SetPosition(256);
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        f.Window->KnbSarvikDelay->SetPosition(40);
        f.Window->EdtWavesetName->setText(QStringLiteral("Warm"));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        QCOMPARE(scroll->value(), scrolled);
        // On the same line of the instruments, at the same place in it.
        QCOMPARE(view->textCursor().block().text(), line);
        QCOMPARE(view->textCursor().positionInBlock(), 3);
        QCOMPARE(view->document()->isUndoAvailable(), false);
    }

    void aValueNoKnobCanShowIsNeverKept() {
        Fixture f;
        // Twice over the end: the second finds its knob already there.
        WriteBytes(f.Host / "twice.txt", "waveset = bank.sf2\r\nosc = 0\r\ninstrument = bass\r\n"
                                         "volume = 200\r\nvolume = 300\r\n");
        QVERIFY(f.Window->LoadFromFile(f.Host / "twice.txt"));
        QVERIFY(f.Window->Waveset().BuildText().find("volume = 128\r\n") != std::string::npos);
        TSarvikInstrument& built = InstrumentAt(*f.Window, 0, 0);
        StripOf(built); // and the same with its strip built
        built.SetVolume(4000);
        built.SetVolume(5000);
        QCOMPARE(built.Volume(), 512);
    }

    void aCaretOnARewrittenLineKeepsItsPlace() {
        Fixture f;
        QPlainTextEdit* view = f.Window->MmoSarvikTxt;
        const QTextBlock volume = view->document()->find(QStringLiteral("volume = 0")).block();
        QVERIFY(volume.isValid());
        QTextCursor caret(volume);
        caret.setPosition(volume.position() + 4);
        view->setTextCursor(caret);
        StripOf(InstrumentAt(*f.Window, 0, 0)).Knob(InstrumentKnob::Volume)->SetPosition(400);
        QCOMPARE(view->textCursor().block().text(), QStringLiteral("volume = 100"));
        QCOMPARE(view->textCursor().positionInBlock(), 4);
    }

    void loadingMovesNoFocusAndClampsWhatTheKnobsCannotShow() {
        Fixture f;
        WriteBytes(f.Host / "song.txt",
                   "waveset = bank.sf2, 129\r\nosc = 1\r\ninstrument = Organ\r\n"
                   "hold = 2500\r\nvolume = 129\r\ntranspose = -3\r\n");
        QVERIFY(QTest::qWaitForWindowActive(f.Window.get()));
        f.Window->EdtWavesetName->setFocus();
        QVERIFY(f.Window->LoadFromFile(f.Host / "song.txt"));
        QCOMPARE(QApplication::focusWidget(), f.Window->EdtWavesetName);
        QVERIFY(!f.Window->IsModified());

        TInstrumentStripView& strip = StripOf(InstrumentAt(*f.Window, 1, 0));
        QCOMPARE(strip.Knob(InstrumentKnob::Hold)->Position(), 5000);
        QCOMPARE(strip.ValueLabel(InstrumentKnob::Hold)->text(), QStringLiteral("2500 ms"));
        QCOMPARE(strip.WaveEdit()->text(), QStringLiteral("Organ"));
        QCOMPARE(StripOf(InstrumentAt(*f.Window, 0, 0)).WaveEdit()->text(), QStringLiteral("bass"));
        QCOMPARE(f.Window->LblSarvikDelay->text(), QStringLiteral("100%"));
        QVERIFY(f.Window->SaveToFile(f.Host / "saved.txt"));
        const std::string saved = ReadBytes(f.Host / "saved.txt");
        QVERIFY(saved.find("volume = 128\r\n") != std::string::npos);
        QVERIFY(saved.find("waveset = bank.sf2, 0, 0, 128\r\n") != std::string::npos);
        QVERIFY(saved.find("instrument = Organ\r\ntranspose = -3\r\nhold = 2500\r\n") !=
                std::string::npos);

        strip.Knob(InstrumentKnob::Volume)->SetPosition(100);
        QVERIFY(strip.isAncestorOf(QApplication::focusWidget()));
    }

    void stripsAreBuiltWhenTheyComeIntoView() {
        Fixture f;
        f.Window->resize(987, 459);
        std::string text = "waveset = bank.sf2\r\n";
        for (int osc = 0; osc < 4; ++osc) {
            text += "osc = " + std::to_string(osc) + "\r\n";
            for (int i = 0; i < 200; ++i) {
                text += "instrument = Organ\r\nvolume = " + std::to_string(i % 200) + "\r\n";
            }
        }
        WriteBytes(f.Host / "big.txt", text);
        QVERIFY(f.Window->LoadFromFile(f.Host / "big.txt"));
        const auto built = [&] { return f.Window->findChildren<TInstrumentStripView*>().size(); };
        QCOMPARE(built(), 0); // the Oscillators page is not showing
        // Values a knob could not show are clamped all the same, as a built strip does.
        QVERIFY(f.Window->Waveset().BuildText().find("volume = 128\r\n") != std::string::npos);
        QVERIFY(f.Window->Waveset().BuildText().find("volume = 129\r\n") == std::string::npos);

        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        QCoreApplication::processEvents();
        const qsizetype inView = built();
        QVERIFY(inView >= 4 && inView < 4 * 20);
        TOscillatorBox* box = f.Window->SbxOsc[2];
        QCOMPARE(box->Strips()->sizeHint().height(), 200 * StripHeight);
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        TSarvikInstrument& last = *f.Window->Waveset().Oscillators()[2]->Instruments().back();
        const auto slotOf = [](const TSarvikInstrument& instrument) {
            return dynamic_cast<const InstrumentStripHandle*>(instrument.Panel())->Slot();
        };
        QVERIFY(slotOf(last)->Built());
        QVERIFY(built() < 2 * inView);

        QCOMPARE(StripOf(last).Knob(InstrumentKnob::Volume)->Position(), 128 * 4);
        QCOMPARE(StripOf(last).NumberLabel()->text(), QStringLiteral("200"));
        QVERIFY(!f.Window->IsModified()); // building strips changes nothing

        // Back at the top, strips deleted there move those below into view, built.
        box->verticalScrollBar()->setValue(0);
        for (int deleted = 0; deleted < 3; ++deleted) {
            f.Window->Waveset().Oscillators()[2]->Instruments()[1]->Delete();
            QCoreApplication::processEvents();
        }
        for (const auto& instrument : f.Window->Waveset().Oscillators()[2]->Instruments()) {
            const TStripSlot* slot = slotOf(*instrument);
            if (slot->geometry().intersects(QRect(QPoint(0, 0), box->viewport()->size()))) {
                QVERIFY2(slot->Built(), qPrintable(slot->accessibleName()));
            }
        }
        // Tab goes down the column in its order, whatever order the strips were built in;
        // a strip built after its neighbours shows the number the deletions gave it.
        QCOMPARE(StripOf(*f.Window->Waveset().Oscillators()[2]->Instruments()[100])
                     .NumberLabel()
                     ->text(),
                 QStringLiteral("101"));
        QList<QWidget*> waves;
        for (QWidget* at = f.Window->nextInFocusChain(); at != f.Window.get();
             at = at->nextInFocusChain()) {
            if (box->isAncestorOf(at) && at->accessibleName() == QLatin1String("Wave")) {
                waves << at;
            }
        }
        QList<QWidget*> inOrder;
        for (const auto& instrument : f.Window->Waveset().Oscillators()[2]->Instruments()) {
            if (slotOf(*instrument)->Built()) {
                inOrder << StripOf(*instrument).WaveEdit();
            }
        }
        const auto numbers = [](const QList<QWidget*>& edits) {
            QStringList shown;
            for (QWidget* edit : edits) {
                shown << qobject_cast<TInstrumentStripView*>(edit->parentWidget()->parentWidget())
                             ->NumberLabel()
                             ->text();
            }
            return shown.join(u' ');
        };
        QCOMPARE(numbers(waves), numbers(inOrder));
        QCOMPARE(StripOf(last).NumberLabel()->text(), QStringLiteral("197"));

        // One out of view is built when the program needs it, as it was left.
        TSarvikInstrument& early = *f.Window->Waveset().Oscillators()[1]->Instruments()[150];
        early.SetWave("Piano");
        early.SetFileVolume(9);
        QCOMPARE(StripOf(early).WaveEdit()->text(), QStringLiteral("Piano"));
        QCOMPARE(StripOf(early).ValueLabel(InstrumentKnob::Volume)->text(), QStringLiteral("7%"));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
    }

    void theSampleChooserIsBuiltOncePerWavesetAndFillsTheStripItWasOpenedFor() {
        Fixture f;
        f.Window->EdtWaveset->setText(QStringLiteral("bank.sf2")); // as if typed
        QCOMPARE(f.Window->Waveset().WavesetFile(), std::string("bank.sf2"));
        QCOMPARE(f.Window->Waveset().Samples().size(), 3u);
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        TSarvikInstrument& first = InstrumentAt(*f.Window, 0, 0);
        TSarvikInstrument& second = f.Window->Waveset().Oscillators()[3]->AddInstrument();
        QCOMPARE(second.Wave(), std::string("bass"));

        TSampleChooser* chooser = f.Window->SampleChooser;
        QSignalSpy built(chooser->Model(), &QAbstractItemModel::modelReset);
        QTest::mouseClick(StripOf(first).SampleButton(), Qt::LeftButton);
        QVERIFY(chooser->isVisible());
        QCOMPARE(Rows(*chooser), QStringList({"000: bass", "001: Organ", "002: Piano"}));
        QCOMPARE(built.count(), 1);
        QTest::keyClick(chooser->FilterField(), Qt::Key_Escape);
        QVERIFY(!chooser->isVisible());
        QCOMPARE(first.Wave(), std::string("bass"));

        // Opened again from another strip: the same list, not built again, and the
        // choice goes there.
        QTest::mouseClick(StripOf(second).SampleButton(), Qt::LeftButton);
        QCOMPARE(built.count(), 1);
        QCOMPARE(chooser->List()->currentIndex().row(), 0); // its wave, "bass"
        QTest::keyClick(chooser->FilterField(), Qt::Key_Down);
        QTest::keyClick(chooser->FilterField(), Qt::Key_Down);
        QTest::keyClick(chooser->FilterField(), Qt::Key_Return);
        QVERIFY(!chooser->isVisible());
        QCOMPARE(second.Wave(), std::string("Piano"));
        QCOMPARE(StripOf(second).WaveEdit()->text(), QStringLiteral("Piano"));
        QCOMPARE(first.Wave(), std::string("bass"));
        QCOMPARE(QApplication::focusWidget(), StripOf(second).WaveEdit());
        QVERIFY(ViewText(*f.Window).contains(QStringLiteral("instrument = Piano")));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));

        // The current wave is selected on opening.
        QTest::mouseClick(StripOf(second).SampleButton(), Qt::LeftButton);
        QCOMPARE(chooser->List()->currentIndex().row(), 2);
        chooser->hide();

        f.Window->EdtWaveset->setText(QStringLiteral("other.sf2"));
        QVERIFY(chooser->IsEmpty());
        QTest::mouseClick(StripOf(first).SampleButton(), Qt::LeftButton);
        QCOMPARE(Rows(*chooser).first(), QStringLiteral("000: Harp"));
        // A click chooses too.
        const QModelIndex zither = chooser->Model()->index(1);
        QTest::mouseClick(chooser->List()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          chooser->List()->visualRect(zither).center());
        QCOMPARE(first.Wave(), std::string("Zither"));

        f.Window->EdtWaveset->setText(QStringLiteral("none.sf2"));
        QTest::mouseClick(StripOf(first).SampleButton(), Qt::LeftButton);
        QCOMPARE(f.Prompts.MessageTexts(), QStringList({"Selected waveset has no samples."}));
        QVERIFY(!chooser->isVisible());
    }

    void theChooserStaysOnTheScreenAtItsEdges_data() {
        QTest::addColumn<QString>("corner");
        QTest::newRow("top left") << "top left";
        QTest::newRow("bottom left") << "bottom left";
        QTest::newRow("bottom right") << "bottom right";
    }

    void theChooserStaysOnTheScreenAtItsEdges() {
        QFETCH(QString, corner);
        QWidget owner;
        TSampleChooser chooser(&owner);
        QStringList captions;
        for (int i = 0; i < 300; ++i) {
            captions << QStringLiteral("%1: A rather long instrument name %1").arg(i);
        }
        chooser.SetCaptions(captions);
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QRect anchor(room.topLeft() + QPoint(10, 10), QSize(22, 18));
        if (corner.startsWith(QLatin1String("bottom"))) {
            anchor.moveBottom(room.bottom() - 5);
        }
        if (corner.endsWith(QLatin1String("right"))) {
            anchor.moveRight(room.right() - 5);
        }
        chooser.Open(anchor, 299);
        QVERIFY(room.contains(chooser.frameGeometry()));
        QVERIFY(!chooser.frameGeometry().intersects(anchor.adjusted(0, 1, 0, -1)) ||
                corner.endsWith(QLatin1String("right")));
        if (corner.startsWith(QLatin1String("bottom"))) {
            QVERIFY(chooser.frameGeometry().bottom() < anchor.bottom()); // opened upwards
        } else {
            QVERIFY(chooser.frameGeometry().top() > anchor.top());
        }
        // The last entry, selected, is in view.
        const QModelIndex last = chooser.Model()->index(299);
        QCOMPARE(chooser.List()->currentIndex(), last);
        QVERIFY(chooser.List()->viewport()->rect().intersects(chooser.List()->visualRect(last)));
        chooser.hide();
    }

    void aClickOutsideTheChooserCancelsIt() {
        Fixture f;
        f.Window->EdtWaveset->setText(QStringLiteral("bank.sf2"));
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        TSarvikInstrument& instrument = InstrumentAt(*f.Window, 1, 0);
        StripOf(instrument).WaveEdit()->setFocus();
        QTest::mouseClick(StripOf(instrument).SampleButton(), Qt::LeftButton);
        TSampleChooser* chooser = f.Window->SampleChooser;
        QVERIFY(chooser->isVisible());
        QTest::keyClick(chooser->FilterField(), Qt::Key_Down);
        // Through the window, as the system delivers it: the popup sees the press first.
        QTest::mouseClick(f.Window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          f.Window->SbxOsc[3]->mapTo(f.Window.get(), QPoint(5, 5)));
        QVERIFY(!chooser->isVisible());
        QCOMPARE(instrument.Wave(), std::string("bass"));
        QCOMPARE(StripOf(instrument).WaveEdit()->text(), QStringLiteral("bass"));
    }

    void theChooserFiltersAsTypedAndKeepsEveryEntryOnTheScreen() {
        Fixture f;
        std::vector<std::string> names;
        for (int i = 0; i < 2000; ++i) {
            names.push_back((i % 2 ? "String Pad " : "Brass & Horns ") + std::to_string(i));
        }
        names.push_back("EOI");
        WriteBytes(f.Host / "Samples" / "big.sf2", Bank(InstRecords(names)));
        f.Window->EdtWaveset->setText(QStringLiteral("big.sf2"));
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        TSarvikInstrument& instrument = InstrumentAt(*f.Window, 2, 0);
        QTest::mouseClick(StripOf(instrument).SampleButton(), Qt::LeftButton);
        TSampleChooser* chooser = f.Window->SampleChooser;
        QCOMPARE(chooser->Model()->rowCount(), 2000);
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(
            chooser->frameGeometry()));
        // The "&" is a character of the name, never an accelerator.
        QVERIFY(Rows(*chooser).first().endsWith(QStringLiteral(": Brass & Horns 0")));

        QTest::keyClicks(chooser->FilterField(), QStringLiteral("pad 19"));
        // Any part of the name, any letter case, in the sample order.
        const QStringList rows = Rows(*chooser);
        QCOMPARE(rows.size(), 56); // 19, 190-199, 1900-1999: the odd ones
        QVERIFY(rows.first().endsWith(QStringLiteral(": String Pad 19")));
        QTest::keyClick(chooser->FilterField(), Qt::Key_9);
        QCOMPARE(Rows(*chooser).size(), 6); // 199 and the odd ones of 1990-1999
        QTest::keyClick(chooser->FilterField(), Qt::Key_Down);
        const QString picked = Rows(*chooser).at(1);
        QTest::keyClick(chooser->FilterField(), Qt::Key_Enter);
        QCOMPARE(BytesToText(instrument.Wave()), picked.mid(picked.indexOf(": ") + 2));
    }

    void aWaveTheBankDoesNotHoldIsMarkedWhileItIsTyped() {
        Fixture f;
        f.Window->EdtWaveset->setText(QStringLiteral("bank.sf2"));
        TDIBEdit* wave = StripOf(InstrumentAt(*f.Window, 0, 0)).WaveEdit();
        const QColor usual = wave->palette().color(QPalette::Base);
        QCOMPARE(wave->text(), QStringLiteral("bass"));
        QCOMPARE(wave->toolTip(), QString());
        wave->setFocus();
        QTest::keyClick(wave, Qt::Key_Backspace);
        const QString note = QStringLiteral("\"bas\" is not a sample of \"bank.sf2\".");
        QCOMPARE(wave->toolTip(), note);
        QCOMPARE(wave->accessibleDescription(), note);
        QVERIFY(wave->palette().color(QPalette::Base) != usual);
        QTest::keyClick(wave, Qt::Key_S);
        QCOMPARE(wave->toolTip(), QString());
        QCOMPARE(wave->palette().color(QPalette::Base), usual);
        // Saving still takes it: the mark is the warning.
        QTest::keyClick(wave, Qt::Key_S);
        QVERIFY(f.Window->Waveset().CanSave(false, false));
    }

    void typedWaveNamesAndNotesAreChanges() {
        Fixture f;
        TSarvikInstrument& instrument = InstrumentAt(*f.Window, 1, 0);
        TDIBEdit* wave = StripOf(instrument).WaveEdit();
        wave->setFocus();
        QTest::keyClicks(wave, QStringLiteral("Strings"));
        QCOMPARE(instrument.Wave(), std::string("Strings"));
        QCOMPARE(wave->cursorPosition(), 7);
        QVERIFY(f.Window->IsModified());
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));

        TNotesMemo* notes = f.Window->MmoSarvikWavesetNotes;
        notes->setFocus();
        QTest::keyClicks(notes, QStringLiteral("first"));
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, QStringLiteral("second"));
        QCOMPARE(f.Window->Waveset().Notes(), std::string("first\r\nsecond"));
        QCOMPARE(notes->textCursor().position(), 12);

        f.Window->Waveset().SetNotes("one\r\ntwo");
        QCOMPARE(notes->toPlainText(), QStringLiteral("one\ntwo"));
    }

    void fieldsKeepEveryByteAndOneLine() {
        Fixture f;
        TSarvikInstrument& instrument = InstrumentAt(*f.Window, 0, 0);
        TDIBEdit* wave = StripOf(instrument).WaveEdit();
        wave->insert(QStringLiteral("Piano\nosc = 3")); // as pasted
        f.Window->EdtWavesetName->insert(QStringLiteral("Pad\r\nwaveset = x"));
        QCOMPARE(instrument.Wave(), std::string());
        QCOMPARE(f.Window->Waveset().WavesetName(), std::string());

        TNotesMemo* notes = f.Window->MmoSarvikWavesetNotes;
        notes->setFocus();
        notes->setPlainText(QStringLiteral("a\u00a0b"));
        notes->moveCursor(QTextCursor::End);
        QTest::keyClick(notes, Qt::Key_C);
        QCOMPARE(f.Window->Waveset().Notes(), std::string("a\xA0"
                                                          "bc"));
        // Characters the code page lacks are refused even where Qt calls them unprintable:
        // a zero-width space, one beyond the basic plane, one for private use.
        for (const QString& typed :
             {QStringLiteral("\u200b"), QStringLiteral("\U0001F600"), QStringLiteral("\ue000")}) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
            QCoreApplication::sendEvent(notes, &press);
        }
        QCOMPARE(f.Window->Waveset().Notes(), std::string("a\xA0"
                                                          "bc"));

        // Longer than any line field holds: loaded whole, and left whole.
        WriteBytes(f.Host / "long.txt", "'" + std::string(40000, 'n') +
                                            "\r\n'-\r\nwaveset = x.sf2\r\ninstrument = " +
                                            std::string(40000, 'w') + "\r\n");
        QVERIFY(f.Window->LoadFromFile(f.Host / "long.txt"));
        QCOMPARE(InstrumentAt(*f.Window, 0, 0).Wave().size(), 40000u);
        QCOMPARE(f.Window->Waveset().WavesetName().size(), 40000u);
        QVERIFY(!f.Window->IsModified());
        // Typing at their ends keeps every character that was there.
        TDIBEdit* longWave = StripOf(InstrumentAt(*f.Window, 0, 0)).WaveEdit();
        longWave->end(false);
        QTest::keyClick(longWave, Qt::Key_B);
        QCOMPARE(InstrumentAt(*f.Window, 0, 0).Wave(), std::string(40000, 'w') + "b");
        f.Window->EdtWavesetName->end(false);
        QTest::keyClick(f.Window->EdtWavesetName, Qt::Key_A);
        QCOMPARE(f.Window->Waveset().WavesetName(), std::string(40000, 'n') + "a");
    }

    void theNameRefusesALeadingHyphenTypedOrPasted() {
        Fixture f;
        TNameEdit* name = f.Window->EdtWavesetName;
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Minus);
        QCOMPARE(name->text(), QString());
        QCOMPARE(QToolTip::text(), TNameEdit::HyphenTip());
        QTest::keyClicks(name, QStringLiteral("Dark-Pad"));
        QCOMPARE(f.Window->Waveset().WavesetName(), std::string("Dark-Pad"));
        name->home(false);
        QTest::keyClick(name, Qt::Key_Minus);
        QCOMPARE(name->text(), QStringLiteral("Dark-Pad"));
        // Deleting what stood before a hyphen would bare it: refused as well.
        name->setText(QStringLiteral("A-B"));
        name->home(false);
        QTest::keyClick(name, Qt::Key_Delete);
        QCOMPARE(name->text(), QStringLiteral("A-B"));

        QToolTip::hideText();
        name->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("--Dark Pad"));
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("Dark Pad"));
        QCOMPARE(f.Window->Waveset().WavesetName(), std::string("Dark Pad"));
        QCOMPARE(QToolTip::text(), TNameEdit::HyphenTip());
        // Pasted behind the start, a hyphen is part of the name.
        QGuiApplication::clipboard()->setText(QStringLiteral("-2"));
        name->end(false);
        name->PasteName();
        QCOMPARE(name->text(), QStringLiteral("Dark Pad-2"));
    }

    void aNoteTellsWhileTheNotesHoldASingleLineBreak() {
        Fixture f;
        TNotesMemo* notes = f.Window->MmoSarvikWavesetNotes;
        QLabel* note = f.Window->LblNotesJoined;
        notes->setFocus();
        QTest::keyClicks(notes, QStringLiteral("one"));
        QVERIFY(!note->isVisible());
        QTest::keyClick(notes, Qt::Key_Return);
        QVERIFY2(!note->isVisible(), "no second line yet");
        QTest::keyClicks(notes, QStringLiteral("two"));
        QVERIFY(note->isVisible());
        QVERIFY(notes->geometry().bottom() < note->geometry().top());
        QCOMPARE(note->text(), QStringLiteral("Single line breaks are joined when the file is "
                                              "read; leave an empty line between paragraphs."));
        notes->moveCursor(QTextCursor::StartOfLine);
        QTest::keyClick(notes, Qt::Key_Return);
        QVERIFY2(!note->isVisible(), "paragraphs apart");
        QCOMPARE(f.Window->Waveset().Notes(), std::string("one\r\n\r\ntwo"));
        f.Window->Waveset().SetNotes("a\r\nb");
        QVERIFY(note->isVisible());
    }

    void typedNotesStopAt1024CharactersButLoadedNotesStayWhole() {
        Fixture f;
        TNotesMemo* notes = f.Window->MmoSarvikWavesetNotes;
        notes->setFocus();
        notes->setPlainText(QString(1019, u'a'));
        notes->moveCursor(QTextCursor::End);
        QTest::keyClick(notes, Qt::Key_A);
        QTest::keyClick(notes, Qt::Key_Return); // a line break takes two
        QTest::keyClicks(notes, QStringLiteral("bcde"));
        QCOMPARE(f.Window->Waveset().Notes(), std::string(1020, 'a') + "\r\nbc");
        notes->textCursor().deletePreviousChar();
        QKeyEvent foreign(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                          QStringLiteral("\u4e00"));
        QCoreApplication::sendEvent(notes, &foreign); // not in the code page
        QCOMPARE(f.Window->Waveset().Notes(), std::string(1020, 'a') + "\r\nb");
        QTest::keyClick(notes, Qt::Key_Z);
        QCOMPARE(f.Window->Waveset().Notes(), std::string(1020, 'a') + "\r\nbz");

        const std::string longNotes(3000, 'n');
        f.Window->Waveset().SetNotes(longNotes);
        QCOMPARE(notes->toPlainText().size(), 3000);
    }

    void browsingOutsideTheSamplesFolderCanKeepTheNameOnlyAndCancellingChangesNothing() {
        Fixture f;
        f.Prompts.FileChoices.push_back(std::nullopt);
        QTest::mouseClick(f.Window->BtnBrowseWavesetFile, Qt::LeftButton);
        QCOMPARE(f.Prompts.OpenDialogs.size(), 1);
        QCOMPARE(f.Prompts.OpenDialogs[0].Title, QStringLiteral("Select Waveset"));
        QCOMPARE(f.Prompts.OpenDialogs[0].Filter,
                 QStringLiteral(
                     "Waveset Files (*.nsp;*.sf2)|*.nsp;*.sf2|Norvex Sampler Files (*.nsp)|*.nsp|"
                     "Soundfont2 Files (*.sf2)|*.sf2|All Files (*.*)|*.*"));
        QVERIFY(!f.Window->IsModified());
        QVERIFY(f.Window->Waveset().WavesetFile().empty());

        // A bank outside the Samples folder, kept by its name only.
        fs::create_directories(f.Host / "elsewhere");
        WriteBytes(f.Host / "elsewhere" / "bank.sf2", "not the bank of the Samples folder");
        f.Prompts.FileChoices.push_back(PathToText(f.Host / "elsewhere" / "bank.sf2"));
        f.Prompts.Answers.push_back(MessageAnswer::NameOnly);
        QTest::mouseClick(f.Window->BtnBrowseWavesetFile, Qt::LeftButton);
        QCOMPARE(f.Prompts.Messages.size(), 1);
        QCOMPARE(f.Prompts.Messages[0].Buttons, MessageButtons::CopyNameOnlyCancel);
        QVERIFY(f.Prompts.Messages[0].Text.contains(PathToText(f.Host / "Samples")));
        QCOMPARE(f.Window->Waveset().WavesetFile(), std::string("bank.sf2"));
        QCOMPARE(f.Window->EdtWaveset->text(), QStringLiteral("bank.sf2"));
        QCOMPARE(f.Window->EdtWaveset->toolTip(), PathToText(f.Host / "Samples" / "bank.sf2"));
        QCOMPARE(f.Prompts.OpenDialogs[1].FileName, QString());
        QCOMPARE(f.Window->Waveset().Samples().size(), 3u);
        QCOMPARE(InstrumentAt(*f.Window, 2, 0).Wave(), std::string("bass"));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
    }

    void browsingOutsideTheSamplesFolderOffersACopy() {
        Fixture f;
        fs::create_directories(f.Host / "Samples" / "GM");
        WriteBytes(f.Host / "Samples" / "GM" / "gm.sf2", Bank(InstRecords({"Flute", "EOI"})));
        fs::create_directories(f.Host / "Downloads");
        const std::string fresh = Bank(InstRecords({"Cello", "Viola", "EOI"}));
        WriteBytes(f.Host / "Downloads" / "strings.sf2", fresh);
        WriteBytes(f.Host / "Downloads" / "bank.sf2", "another bank.sf2");
        WriteBytes(f.Host / "Downloads" / "blocked.sf2", fresh);
        fs::create_directories(f.Host / "Samples" / "blocked.sf2" / "in the way");
        const auto browse = [&](const fs::path& file, std::vector<MessageAnswer> answers) {
            f.Prompts.Messages.clear();
            f.Prompts.FileChoices.push_back(PathToText(file));
            f.Prompts.Answers.assign(answers.begin(), answers.end());
            QTest::mouseClick(f.Window->BtnBrowseWavesetFile, Qt::LeftButton);
            QVERIFY(f.Prompts.Answers.empty());
        };

        // Inside the Samples folder: the path relative to it, and no question.
        browse(f.Host / "Samples" / "GM" / "gm.sf2", {});
        QVERIFY(f.Prompts.Messages.isEmpty());
        QCOMPARE(f.Window->Waveset().WavesetFile(), std::string("GM\\gm.sf2"));
        QCOMPARE(f.Window->Waveset().Samples().Names(), std::vector<std::string>{"Flute"});

        browse(f.Host / "Downloads" / "strings.sf2", {MessageAnswer::Cancel});
        QCOMPARE(f.Window->Waveset().WavesetFile(), std::string("GM\\gm.sf2"));
        QVERIFY(!fs::exists(f.Host / "Samples" / "strings.sf2"));

        browse(f.Host / "Downloads" / "strings.sf2", {MessageAnswer::Copy});
        QCOMPARE(ReadBytes(f.Host / "Samples" / "strings.sf2"), fresh);
        QCOMPARE(f.Window->Waveset().WavesetFile(), std::string("strings.sf2"));
        QCOMPARE(f.Window->Waveset().Samples().size(), 2u);

        // A different file of that name is never replaced without asking.
        const std::string kept = ReadBytes(f.Host / "Samples" / "bank.sf2");
        browse(f.Host / "Downloads" / "bank.sf2", {MessageAnswer::Copy, MessageAnswer::No});
        QCOMPARE(f.Prompts.Messages.size(), 2);
        QVERIFY(f.Prompts.Messages[1].Text.contains(QStringLiteral("different file")));
        QCOMPARE(ReadBytes(f.Host / "Samples" / "bank.sf2"), kept);
        QCOMPARE(f.Window->Waveset().WavesetFile(), std::string("strings.sf2"));

        // A copy that fails says why and changes nothing.
        browse(f.Host / "Downloads" / "blocked.sf2", {MessageAnswer::Copy, MessageAnswer::Yes});
        QCOMPARE(f.Prompts.Messages.size(), 3);
        QVERIFY(f.Prompts.Messages[2].Text.startsWith(QStringLiteral("Cannot copy file")));
        QVERIFY(fs::is_directory(f.Host / "Samples" / "blocked.sf2" / "in the way"));
        QCOMPARE(f.Window->Waveset().WavesetFile(), std::string("strings.sf2"));
        for (const auto& entry : fs::directory_iterator(f.Host / "Samples")) {
            QVERIFY2(!entry.path().filename().string().starts_with(".quillkit-copy"),
                     "a temporary file was left behind");
        }
    }

    void aWavesetWithoutSamplesSaysWhereItWasLookedFor() {
        Fixture f;
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        const auto detailFor = [&](const QString& file) {
            f.Window->EdtWaveset->setText(file);
            f.Prompts.Messages.clear();
            QTest::mouseClick(StripOf(InstrumentAt(*f.Window, 0, 0)).SampleButton(),
                              Qt::LeftButton);
            return f.Prompts.Messages.value(0).Informative;
        };
        QCOMPARE(detailFor(QStringLiteral("none.sf2")),
                 QStringLiteral("No waveset file was found at \"%1\".")
                     .arg(PathToText(f.Host / "Samples" / "none.sf2")));
        QCOMPARE(f.Window->EdtWaveset->toolTip(),
                 QStringLiteral("Not found: ") + PathToText(f.Host / "Samples" / "none.sf2"));
        WriteBytes(f.Host / "Samples" / "empty.sf2", Bank(InstRecords({"EOI"})));
        QCOMPARE(detailFor(QStringLiteral("empty.sf2")),
                 QStringLiteral("\"%1\" lists no samples.")
                     .arg(PathToText(f.Host / "Samples" / "empty.sf2")));
        QCOMPARE(detailFor(QString()), QStringLiteral("No waveset file has been chosen."));
        QCOMPARE(f.Prompts.MessageTexts(), QStringList({"Selected waveset has no samples."}));
    }

    void addingAndDeletingInstrumentsFromTheMenus() {
        Fixture f;
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        TOscillatorBox* box = f.Window->SbxOsc[2];
        const int heightBefore = box->Strips()->sizeHint().height();
        ContextMenuOn(box->viewport());
        ContextMenuOn(box);
        f.Window->PopupOsc->hide();
        f.Window->ActAddInstrument->trigger();
        const auto& instruments = f.Window->Waveset().Oscillators()[2]->Instruments();
        QCOMPARE(instruments.size(), 2u);
        TInstrumentStripView& added = StripOf(*instruments[1]);
        QCOMPARE(added.NumberLabel()->text(), QStringLiteral("2"));
        QCoreApplication::processEvents(); // the box lays out its strips
        QVERIFY(added.isVisible());
        const TInstrumentStripView& above = StripOf(*instruments[0]);
        QVERIFY(added.mapTo(box->Strips(), QPoint(0, 0)).y() >=
                above.mapTo(box->Strips(), QPoint(0, above.height())).y());
        QVERIFY(box->Strips()->sizeHint().height() > heightBefore);
        QVERIFY(added.isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == added.Container());

        // The wave field offers the strip's menu too, like every other part of the strip.
        ContextMenuOn(StripOf(*f.Window->Waveset().Oscillators()[1]->Instruments()[0]).WaveEdit());
        QVERIFY(f.Window->PopupInst->isVisible());
        f.Window->PopupInst->hide();
        f.Window->ActAddInstrumentInst->trigger();
        QCOMPARE(f.Window->Waveset().Oscillators()[1]->Instruments().size(), 2u);
        QVERIFY(ViewText(*f.Window).contains(
            QStringLiteral("osc = 1\n\ninstrument = \ntranspose = 0\nhold = 0\n"
                           "blend = 0\nvolume = 0\nreserved = 0, 0\n\n"
                           "instrument = ")));

        // Deleting from the strip's own menu: the strip goes once the menu's event is over.
        f.Window->Waveset().SetModified(false);
        TSarvikInstrument& first = *instruments[0];
        QPointer<TInstrumentStripView> doomed = &StripOf(first);
        ContextMenuOn(doomed);
        f.Window->PopupInst->hide();
        f.Window->ActDelInstrument->trigger();
        QVERIFY(doomed);
        QCoreApplication::processEvents();
        QVERIFY(!doomed);
        QCOMPARE(instruments.size(), 1u);
        QCOMPARE(StripOf(*instruments[0]).NumberLabel()->text(), QStringLiteral("1"));
        QVERIFY(f.Window->IsModified());
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));

        // The only instrument makes way for a fresh one.
        instruments[0]->SetWave("old");
        ContextMenuOn(&StripOf(*instruments[0]));
        f.Window->PopupInst->hide();
        f.Window->ActDelInstrument->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(instruments.size(), 1u);
        QCOMPARE(instruments[0]->Wave(), std::string());
    }

    void twoQuickPressesOnAnUnmovedKnobResetIt_data() {
        QTest::addColumn<int>("secondPressAfter");
        QTest::addColumn<bool>("sameKnob");
        QTest::addColumn<int>("position");
        QTest::newRow("300 ms on the same knob") << 300 << true << 0;
        QTest::newRow("400 ms on the same knob") << 400 << true << 4000;
        QTest::newRow("300 ms across two knobs") << 300 << false << 4000;
    }

    void twoQuickPressesOnAnUnmovedKnobResetIt() {
        QFETCH(int, secondPressAfter);
        QFETCH(bool, sameKnob);
        QFETCH(int, position);
        Fixture f;
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        std::uint32_t now = 1000;
        KnobPressReset::Instance().SetTickSource([&now] { return now; });
        KnobPressReset::Instance().Forget();
        TInstrumentStripView& strip = StripOf(InstrumentAt(*f.Window, 0, 0));
        TDIBKnob* hold = strip.Knob(InstrumentKnob::Hold);
        TDIBKnob* blend = strip.Knob(InstrumentKnob::Blend);
        hold->SetPosition(4000);
        blend->SetPosition(4000);
        QTest::mouseClick(sameKnob ? hold : blend, Qt::RightButton);
        now += static_cast<std::uint32_t>(secondPressAfter);
        QTest::mouseClick(hold, Qt::RightButton);
        QCOMPARE(hold->Position(), position);
        QCOMPARE(InstrumentAt(*f.Window, 0, 0).Hold(), position);
    }

    void effectKnobsTakeTheFocusOnAClickAndResetOnTwoPresses() {
        Fixture f;
        std::uint32_t now = 1000;
        KnobPressReset::Instance().SetTickSource([&now] { return now; });
        KnobPressReset::Instance().Forget();
        TDIBKnob* reverb = f.Window->KnbSarvikReverb;
        reverb->SetPosition(256);
        QCOMPARE(reverb->toolTip(), QStringLiteral("Reverb: 50%"));
        QTest::mouseClick(reverb, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), reverb);
        QTest::keyClick(reverb, Qt::Key_Up);
        QCOMPARE(reverb->Position(), 257);
        QCOMPARE(QApplication::focusWidget(), reverb); // a turn keeps it
        QVERIFY(ViewText(*f.Window).contains(QStringLiteral("waveset = , 0, 64, 0")));
        now += 1000;
        QTest::mouseClick(reverb, Qt::LeftButton);
        now += 100;
        QTest::mouseClick(reverb, Qt::LeftButton);
        QCOMPARE(reverb->Position(), 0);
        QVERIFY(f.Window->IsModified());
        QVERIFY(ViewText(*f.Window).contains(QStringLiteral("waveset = , 0, 0, 0")));
        QCOMPARE(reverb->toolTip(), QStringLiteral("Reverb: 0%"));
    }

    void aTypedValueSetsTheKnobInTheUnitOfItsReadout_data() {
        QTest::addColumn<QString>("knob");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("finalKey");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("volume in percent") << "Volume"
                                           << "50" << int{Qt::Key_Return} << 256 << false;
        QTest::newRow("hold in milliseconds") << "Hold"
                                              << "250" << int{Qt::Key_Enter} << 1581 << false;
        QTest::newRow("transpose below zero") << "Transpose"
                                              << "-7" << int{Qt::Key_Return} << -56 << false;
        QTest::newRow("out of range: clamped") << "Transpose"
                                               << "99" << int{Qt::Key_Return} << 192 << false;
        QTest::newRow("not a number: refused") << "Volume"
                                               << "5x" << int{Qt::Key_Return} << 100 << true;
        QTest::newRow("Escape") << "Volume"
                                << "9" << int{Qt::Key_Escape} << 100 << false;
    }

    void aTypedValueSetsTheKnobInTheUnitOfItsReadout() {
        QFETCH(QString, knob);
        QFETCH(QString, keys);
        QFETCH(int, finalKey);
        QFETCH(int, position);
        QFETCH(bool, stillOpen);
        Fixture f;
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikOsc);
        TInstrumentStripView& strip = StripOf(InstrumentAt(*f.Window, 1, 0));
        const InstrumentKnob kind = knob == QLatin1String("Volume") ? InstrumentKnob::Volume
                                    : knob == QLatin1String("Hold") ? InstrumentKnob::Hold
                                                                    : InstrumentKnob::Transpose;
        TDIBKnob* target = strip.Knob(kind);
        target->SetPosition(100);
        QVERIFY(f.Window->SaveToFile(f.Host / "before.txt"));
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), target);
        // A digit opens the field with itself; the rest is typed into the field.
        QTest::keyClicks(target, keys.left(1));
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(field);
        QCOMPARE(field->accessibleName(), knob + QStringLiteral(" value"));
        QTest::keyClicks(field, keys.mid(1));
        const QPointer<QLineEdit> typed = field;
        QTest::keyClick(field, static_cast<Qt::Key>(finalKey));
        QCOMPARE(target->Position(), position);
        QVERIFY(typed);
        QCOMPARE(typed->isVisible(), stillOpen);
        QCOMPARE(QApplication::focusWidget() == field, stillOpen);
        QCOMPARE(f.Window->IsModified(), position != 100);
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        if (!stillOpen) {
            QCOMPARE(QApplication::focusWidget(), target);
        }
    }

    void leavingTheValueFieldCancelsIt() {
        Fixture f;
        TDIBKnob* delay = f.Window->KnbSarvikDelay;
        QTest::mouseClick(delay, Qt::LeftButton);
        QTest::keyClick(delay, Qt::Key_Return);
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(field);
        QTest::keyClicks(field, QStringLiteral("80"));
        const QPointer<QLineEdit> typed = field;
        f.Window->EdtWavesetName->setFocus(Qt::MouseFocusReason);
        QVERIFY(!typed || !typed->isVisible());
        QCOMPARE(delay->Position(), 0);
        QCOMPARE(QApplication::focusWidget(), f.Window->EdtWavesetName);
        QVERIFY(!f.Window->IsModified());
    }

    void enterOrF2OpensTheFieldWithTheReadout() {
        Fixture f;
        TDIBKnob* chorus = f.Window->KnbSarvikChorus;
        chorus->SetPosition(128);
        QTest::mouseClick(chorus, Qt::LeftButton);
        QTest::keyClick(chorus, Qt::Key_F2);
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(field);
        QCOMPARE(field->text(), QStringLiteral("25"));
        QCOMPARE(field->selectedText(), QStringLiteral("25"));
        QTest::keyClicks(field, QStringLiteral("75%"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(chorus->Position(), 384);
        QCOMPARE(f.Window->LblSarvikChorus->text(), QStringLiteral("75%"));
    }

    void newEditSaveAndReopenGiveTheFileTheFormatDefines() {
        TempDir dir;
        ScriptedPrompts prompts;
        FakeRegistry registry;
        fs::create_directories(dir / "Samples");
        WriteBytes(dir / "Samples" / "bank.sf2", Bank(InstRecords({"Piano", "bass", "EOI"})));
        const ScopedSettings restored;
        {
            TFrmMain main(registry, dir / "quillkit");
            Settings.InstallDir = dir.Path() / "";
            main.show();
            main.ActNew->trigger();
            auto* window = qobject_cast<TFrmSarvikFile*>(main.ActiveDocument());
            QVERIFY(window);
            window->EdtWaveset->setText(QStringLiteral("bank.sf2"));
            window->EdtWavesetName->setText(QStringLiteral("Pad"));
            window->MmoSarvikWavesetNotes->SetNotesText(QStringLiteral("Soft."));
            emit window->MmoSarvikWavesetNotes->textChanged();
            window->KnbSarvikChorus->SetPosition(40);
            window->KnbSarvikReverb->SetPosition(80);
            TSarvikInstrument& strings = InstrumentAt(*window, 0, 0);
            StripOf(strings).WaveEdit()->setText(QStringLiteral("Strings"));
            StripOf(strings).Knob(InstrumentKnob::Transpose)->SetPosition(-96);
            StripOf(strings).Knob(InstrumentKnob::Hold)->SetPosition(1581);
            StripOf(strings).Knob(InstrumentKnob::Volume)->SetPosition(400);
            prompts.FileChoices.push_back(QString::fromStdString((dir / "pad").string()));
            main.ActSave->trigger();
            QCOMPARE(window->windowTitle(), QStringLiteral("pad.txt (Sarvik File)"));
        }
        std::string expected =
            "'Pad\r\n'---\r\n'Soft.\r\n\r\nwaveset = bank.sf2, 10, 20, 0\r\n\r\n";
        for (int osc = 0; osc < 4; ++osc) {
            expected += "'------------ OSCILLATOR " + std::to_string(osc + 1) +
                        " ------------\r\nosc = " + std::to_string(osc) + "\r\n\r\n";
            expected += osc == 0 ? "instrument = Strings\r\ntranspose = -12\r\nhold = 250\r\nblend "
                                   "= 0\r\nvolume = 100\r\n"
                                 : "instrument = bass\r\ntranspose = 0\r\nhold = 0\r\nblend = "
                                   "0\r\nvolume = 0\r\n";
            expected += "reserved = 0, 0\r\n\r\n";
        }
        QCOMPARE(ReadBytes(dir / "pad.txt"), expected);

        TFrmMain reopened(registry, dir / "quillkit");
        Settings.InstallDir = dir.Path() / "";
        reopened.OpenFile(dir / "pad.txt");
        auto* window = qobject_cast<TFrmSarvikFile*>(reopened.ActiveDocument());
        QVERIFY(window);
        QVERIFY(!window->IsModified());
        QVERIFY(window->SaveToFile({}));
        QCOMPARE(ReadBytes(dir / "pad.txt"), expected);
        QCOMPARE(prompts.Messages.size(), 0);
    }

  private:
    TDIBImageList* skin_ = nullptr;
};

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
