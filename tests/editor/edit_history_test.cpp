#include "editor/EditorFixture.h"

#include "app/Application.h"
#include "controls/DIBContainer.h"
#include "controls/DIBEdit.h"
#include "controls/DIBGlyphButton.h"
#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/SkinImages.h"
#include "editor/EditHistory.h"
#include "editor/EditSteps.h"
#include "editor/KnobPressReset.h"
#include "editor/NameEdit.h"
#include "editor/NotesMemo.h"
#include "editor/SampleChooser.h"
#include "uikit/ByteText.h"
#include "uikit/QdAction.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include <chrono>
#include <string>
#include <vector>

namespace {

// Oscillator 1 holds three instruments, the others one each; every value differs from
// what a new instrument gets.
std::string SongText() {
    std::string text = "'Song\r\n'----\r\n\r\nwaveset = bank.sf2, 10, 20, 30\r\n\r\n";
    const char* waves[] = {"Piano", "Organ", "bass"};
    for (int osc = 0; osc < 4; ++osc) {
        text += "osc = " + std::to_string(osc) + "\r\n";
        for (int i = 0; i < (osc == 0 ? 3 : 1); ++i) {
            text += std::string("instrument = ") + waves[(osc + i) % 3] +
                    "\r\ntranspose = " + std::to_string(i + 2) +
                    "\r\nhold = " + std::to_string(100 * i + 50 * osc + 40) +
                    "\r\nblend = " + std::to_string(30 * i + 20) +
                    "\r\nvolume = " + std::to_string(90 + i) + "\r\nreserved = 0, 0\r\n\r\n";
        }
    }
    return text;
}

// A window with the song loaded, on its Oscillators page.
struct Loaded : Fixture {
    std::string LoadedBytes;

    Loaded() {
        WriteBytes(Host / "song.txt", SongText());
        if (!Window->LoadFromFile(Host / "song.txt")) {
            qFatal("the song did not load");
        }
        LoadedBytes = Window->Waveset().BuildText();
        Window->PagesSarvik->setCurrentWidget(Window->TabSarvikOsc);
    }

    QUndoStack& Stack() const { return *Window->UndoStack(); }
    std::string Bytes() const { return Window->Waveset().BuildText(); }
    TInstrumentStripView& Strip(std::size_t osc, std::size_t index) const {
        return StripOf(InstrumentAt(*Window, osc, index));
    }
};

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A drag of `moves` moves, each one pixel up; the knob puts the cursor back at the press
// point after each.
void Drag(QWidget* knob, int moves) {
    const QPoint press = knob->rect().center();
    SendMouse(knob, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    for (int move = 0; move < moves; ++move) {
        SendMouse(knob, QEvent::MouseMove, press - QPoint(0, 1), Qt::NoButton, Qt::LeftButton);
    }
    SendMouse(knob, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
}

void TypeAtEnd(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// Makes the named edit as a user would.
void MakeEdit(Loaded& f, const QString& edit) {
    TFrmSarvikFile& window = *f.Window;
    KnobPressReset::Instance().Forget(); // no press of an earlier edit counts as the first
    if (edit == "Chorus") {
        window.PagesSarvik->setCurrentWidget(window.TabSarvikWaveset);
        QTest::mouseClick(window.KnbSarvikChorus, Qt::LeftButton);
        QTest::keyClick(window.KnbSarvikChorus, Qt::Key_PageUp);
    } else if (edit == "Volume") {
        Drag(f.Strip(0, 1).Knob(InstrumentKnob::Volume), 12);
    } else if (edit == "Hold") {
        std::uint32_t now = 1000;
        KnobPressReset::Instance().SetTickSource([&now] { return now; });
        KnobPressReset::Instance().Forget();
        TDIBKnob* hold = f.Strip(0, 2).Knob(InstrumentKnob::Hold);
        QTest::mouseClick(hold, Qt::RightButton);
        now += 100;
        QTest::mouseClick(hold, Qt::RightButton);
        KnobPressReset::Instance().SetTickSource({});
    } else if (edit == "Waveset File") {
        window.PagesSarvik->setCurrentWidget(window.TabSarvikWaveset);
        window.EdtWaveset->setFocus();
        window.EdtWaveset->selectAll();
        QTest::keyClicks(window.EdtWaveset, QStringLiteral("other.sf2"));
    } else if (edit == "Waveset File browsed") {
        window.PagesSarvik->setCurrentWidget(window.TabSarvikWaveset);
        f.Prompts.FileChoices.push_back(PathToText(f.Host / "Samples" / "other.sf2"));
        QTest::mouseClick(window.BtnBrowseWavesetFile, Qt::LeftButton);
    } else if (edit == "Waveset Name") {
        window.PagesSarvik->setCurrentWidget(window.TabSarvikWaveset);
        TypeAtEnd(window.EdtWavesetName, QStringLiteral(" two"));
    } else if (edit == "Notes") {
        window.PagesSarvik->setCurrentWidget(window.TabSarvikWaveset);
        TypeAtEnd(window.MmoSarvikWavesetNotes, QStringLiteral("Soft pad"));
    } else if (edit == "Wave") {
        TypeAtEnd(f.Strip(2, 0).WaveEdit(), QStringLiteral("X"));
    } else if (edit == "Sample") {
        QTest::mouseClick(f.Strip(0, 0).SampleButton(), Qt::LeftButton);
        QTest::keyClick(window.SampleChooser->FilterField(), Qt::Key_Up); // Organ
        QTest::keyClick(window.SampleChooser->FilterField(), Qt::Key_Return);
    } else if (edit == "Add Instrument") {
        window.AddInstrumentToOscillator(1);
    } else if (edit == "Delete Instrument") {
        ContextMenuOn(&f.Strip(0, 1));
        window.PopupInst->hide();
        window.ActDelInstrument->trigger();
        QCoreApplication::processEvents();
    } else {
        qFatal("unknown edit");
    }
}

// Every built strip and every effect knob shows what the document holds.
bool ControlsAgree(const TFrmSarvikFile& window) {
    const TSarvikWaveset& document = window.Waveset();
    if (window.KnbSarvikChorus->Position() != document.Chorus() ||
        window.KnbSarvikReverb->Position() != document.Reverb() ||
        window.KnbSarvikDelay->Position() != document.Delay() ||
        TextToBytes(window.EdtWaveset->text()) != document.WavesetFile() ||
        TextToBytes(window.EdtWavesetName->text()) != document.WavesetName()) {
        return false;
    }
    for (const auto& oscillator : document.Oscillators()) {
        for (const auto& instrument : oscillator->Instruments()) {
            const auto* handle = dynamic_cast<const InstrumentStripHandle*>(instrument->Panel());
            TInstrumentStripView* strip = handle ? handle->View() : nullptr;
            if (!strip || TextToBytes(strip->WaveEdit()->text()) != instrument->Wave() ||
                strip->NumberLabel()->text() != QString::number(instrument->Index() + 1) ||
                strip->WaveEdit()->toolTip() !=
                    BytesToText(document.MissingWaveNote(instrument->Wave()))) {
                return false;
            }
            for (const InstrumentKnob knob : AllInstrumentKnobs) {
                if (strip->Knob(knob)->Position() != InstrumentValue(*instrument, knob)) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool Marked(const TFrmSarvikFile& window) {
    return window.windowTitle().contains(QLatin1Char('*'));
}

std::vector<InstrumentSettings> SettingsOfOscillator(const TFrmSarvikFile& window, int box) {
    std::vector<InstrumentSettings> settings;
    for (const auto& instrument :
         window.Waveset().Oscillators()[static_cast<std::size_t>(box)]->Instruments()) {
        settings.push_back(SettingsOf(*instrument));
    }
    return settings;
}

bool SameSettings(const std::vector<InstrumentSettings>& a,
                  const std::vector<InstrumentSettings>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const InstrumentSettings& x, const InstrumentSettings& y) {
                          return x.Wave == y.Wave && x.Knobs == y.Knobs;
                      });
}

} // namespace

class EditHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        InstallFontSubstitutes();
        skin_ = CreateSkinImages(1.0, nullptr);
        SetSkinImages(skin_);
    }
    void cleanupTestCase() { delete skin_; }

    void eachEditIsOneStepThatUndoAndRedoTakeWhole_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("step");
        for (const char* edit :
             {"Chorus", "Volume", "Hold", "Waveset File", "Waveset Name", "Notes", "Wave", "Sample",
              "Add Instrument", "Delete Instrument"}) {
            QTest::newRow(edit) << QString::fromLatin1(edit) << QString::fromLatin1(edit);
        }
        QTest::newRow("Waveset File browsed") << "Waveset File browsed"
                                              << "Waveset File";
    }
    void eachEditIsOneStepThatUndoAndRedoTakeWhole() {
        QFETCH(QString, edit);
        QFETCH(QString, step);
        Loaded f;
        QVERIFY(!f.Stack().canUndo());
        MakeEdit(f, edit);
        const std::string edited = f.Bytes();
        QVERIFY(edited != f.LoadedBytes);
        QCOMPARE(f.Stack().count(), 1);
        QCOMPARE(f.Stack().undoText(), step);
        QVERIFY(f.Window->IsModified());
        QVERIFY(Marked(*f.Window));

        f.Stack().undo();
        QCOMPARE(f.Bytes(), f.LoadedBytes);
        QVERIFY(!f.Window->IsModified());
        QVERIFY(!Marked(*f.Window));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        QVERIFY(ControlsAgree(*f.Window));
        QCOMPARE(f.Stack().redoText(), step);

        f.Stack().redo();
        QCOMPARE(f.Bytes(), edited);
        QVERIFY(f.Window->IsModified());
        QVERIFY(Marked(*f.Window));
        QCOMPARE(ViewText(*f.Window), DocumentText(*f.Window));
        QVERIFY(ControlsAgree(*f.Window));
        QCOMPARE(f.Prompts.Messages.size(), 0);
    }

    void manyEditsUndoToTheLoadedBytesAndRedoToTheEditedOnes() {
        Loaded f;
        for (const char* edit : {"Volume", "Waveset Name", "Add Instrument", "Sample",
                                 "Delete Instrument", "Chorus", "Notes", "Waveset File"}) {
            MakeEdit(f, QString::fromLatin1(edit));
        }
        const std::string edited = f.Bytes();
        QCOMPARE(f.Stack().count(), 8);
        while (f.Stack().canUndo()) {
            f.Stack().undo();
        }
        QCOMPARE(f.Bytes(), f.LoadedBytes);
        QVERIFY(!f.Window->IsModified());
        QVERIFY(ControlsAgree(*f.Window));
        while (f.Stack().canRedo()) {
            f.Stack().redo();
        }
        QCOMPARE(f.Bytes(), edited);
        QVERIFY(ControlsAgree(*f.Window));
    }

    void gesturesAreSteps() {
        Loaded f;
        TDIBKnob* volume = f.Strip(0, 0).Knob(InstrumentKnob::Volume);
        Drag(volume, 30);
        QCOMPARE(f.Stack().count(), 1);

        // A drag that ends where it began changes nothing and leaves no step.
        const QPoint press = volume->rect().center();
        SendMouse(volume, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        SendMouse(volume, QEvent::MouseMove, press - QPoint(0, 5), Qt::NoButton, Qt::LeftButton);
        SendMouse(volume, QEvent::MouseMove, press + QPoint(0, 5), Qt::NoButton, Qt::LeftButton);
        SendMouse(volume, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(f.Stack().count(), 1);

        // Keys: a run until the focus leaves the knob.
        TDIBKnob* blend = f.Strip(1, 0).Knob(InstrumentKnob::Blend);
        QTest::mouseClick(blend, Qt::LeftButton);
        for (int key = 0; key < 5; ++key) {
            QTest::keyClick(blend, Qt::Key_Up);
        }
        QCOMPARE(f.Stack().count(), 2);
        const std::int32_t afterFirstRun = blend->Position();
        f.Strip(1, 0).WaveEdit()->setFocus();
        QTest::mouseClick(blend, Qt::LeftButton);
        for (int key = 0; key < 5; ++key) {
            QTest::keyClick(blend, Qt::Key_Up);
        }
        QCOMPARE(f.Stack().count(), 3);
        f.Stack().undo();
        QCOMPARE(InstrumentAt(*f.Window, 1, 0).Blend(), afterFirstRun);
        QCOMPARE(blend->Position(), afterFirstRun);

        // A second without a change ends a run of keys too.
        auto now = std::chrono::steady_clock::now();
        f.Window->History().SetClock([&now] { return now; });
        KnobPressReset::Instance().Forget(); // the click is no second press of a reset
        QTest::mouseClick(blend, Qt::LeftButton);
        QTest::keyClick(blend, Qt::Key_Up);
        now += std::chrono::milliseconds(900);
        QTest::keyClick(blend, Qt::Key_Up);
        QCOMPARE(f.Stack().count(), 3);
        now += std::chrono::milliseconds(1100);
        QTest::keyClick(blend, Qt::Key_Up);
        QCOMPARE(f.Stack().count(), 4);
        f.Window->History().SetClock({});
        f.Stack().undo();
        f.Stack().undo();
        QCOMPARE(blend->Position(), afterFirstRun);

        // Typing: one step per field until the focus leaves it.
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikWaveset);
        TypeAtEnd(f.Window->EdtWavesetName, QStringLiteral("abc"));
        QTest::keyClick(f.Window->EdtWavesetName, Qt::Key_Backspace);
        TypeAtEnd(f.Window->MmoSarvikWavesetNotes, QStringLiteral("xy"));
        TypeAtEnd(f.Window->EdtWavesetName, QStringLiteral("d"));
        QCOMPARE(f.Stack().count(), 5);
        QCOMPARE(f.Stack().undoText(), QStringLiteral("Waveset Name"));
        QCOMPARE(f.Window->Waveset().WavesetName(), std::string("Songabd"));
        f.Stack().undo();
        QCOMPARE(f.Window->Waveset().WavesetName(), std::string("Songab"));
    }

    void aDeletedInstrumentComesBackAtItsPlace_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("index");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("middle") << 0 << 1;
        QTest::newRow("last") << 0 << 2;
        QTest::newRow("the only one") << 3 << 0;
    }
    void aDeletedInstrumentComesBackAtItsPlace() {
        QFETCH(int, box);
        QFETCH(int, index);
        Loaded f;
        const std::vector<InstrumentSettings> before = SettingsOfOscillator(*f.Window, box);
        ContextMenuOn(&f.Strip(static_cast<std::size_t>(box), static_cast<std::size_t>(index)));
        f.Window->PopupInst->hide();
        f.Window->ActDelInstrument->trigger();
        QCoreApplication::processEvents();
        const std::string deleted = f.Bytes();
        QCOMPARE(f.Stack().undoText(), QStringLiteral("Delete Instrument"));

        f.Stack().undo();
        QVERIFY(SameSettings(SettingsOfOscillator(*f.Window, box), before));
        QCOMPARE(f.Bytes(), f.LoadedBytes);
        QVERIFY(ControlsAgree(*f.Window));
        QVERIFY(!f.Window->IsModified());
        f.Stack().redo();
        QCOMPARE(f.Bytes(), deleted);
        QVERIFY(ControlsAgree(*f.Window));
        f.Stack().undo();
        QCOMPARE(f.Bytes(), f.LoadedBytes);
    }

    void aNewEditAfterAnUndoDropsTheRedo() {
        Loaded f;
        MakeEdit(f, QStringLiteral("Volume"));
        f.Stack().undo();
        QVERIFY(f.Stack().canRedo());
        MakeEdit(f, QStringLiteral("Wave"));
        QVERIFY(!f.Stack().canRedo());
        QCOMPARE(f.Stack().count(), 1);
        QCOMPARE(f.Stack().undoText(), QStringLiteral("Wave"));
    }

    void theModifiedMarkFollowsTheSavedState() {
        Loaded f;
        MakeEdit(f, QStringLiteral("Volume"));
        QVERIFY(f.Window->SaveToFile(f.Host / "song.txt"));
        const std::string saved = f.Bytes();
        QVERIFY(!f.Window->IsModified());
        QCOMPARE(f.Stack().count(), 1); // saving keeps the history
        MakeEdit(f, QStringLiteral("Chorus"));
        QVERIFY(Marked(*f.Window));
        f.Stack().undo();
        QCOMPARE(f.Bytes(), saved);
        QVERIFY(!f.Window->IsModified());
        QVERIFY(!Marked(*f.Window));
        f.Stack().undo();
        QCOMPARE(f.Bytes(), f.LoadedBytes);
        QVERIFY(f.Window->IsModified()); // the file now holds the saved state
        QVERIFY(Marked(*f.Window));
    }

    void newOpenAndAFailedLoadStartAnEmptyHistory() {
        Loaded f;
        MakeEdit(f, QStringLiteral("Chorus"));
        QVERIFY(f.Window->LoadFromFile(f.Host / "song.txt"));
        QCOMPARE(f.Stack().count(), 0);
        QVERIFY(!f.Window->IsModified());

        MakeEdit(f, QStringLiteral("Chorus"));
        f.Window->NewFile();
        QCOMPARE(f.Stack().count(), 0);
        QVERIFY(!f.Window->IsModified());

        // What a damaged file left differs from every file: no undo clears the mark.
        WriteBytes(f.Host / "bad.txt", "waveset = w.sf2\r\nosc = 9\r\ninstrument = X\r\n");
        QVERIFY(f.Window->LoadFromFile(f.Host / "bad.txt"));
        QCOMPARE(f.Stack().count(), 0);
        QVERIFY(f.Window->IsModified());
        MakeEdit(f, QStringLiteral("Chorus"));
        f.Stack().undo();
        QVERIFY(f.Window->IsModified());
        QVERIFY(Marked(*f.Window));

        // A good file after it: undo leads back to what is in that file again.
        QVERIFY(f.Window->LoadFromFile(f.Host / "bad.txt"));
        QVERIFY(f.Window->LoadFromFile(f.Host / "song.txt"));
        MakeEdit(f, QStringLiteral("Chorus"));
        f.Stack().undo();
        QVERIFY(!f.Window->IsModified());
    }

    void deletingAnInstrumentAsFreshAsItsReplacementIsNoStep() {
        Fixture f;
        ContextMenuOn(&StripOf(InstrumentAt(*f.Window, 1, 0)));
        f.Window->PopupInst->hide();
        f.Window->ActDelInstrument->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(f.Window->UndoStack()->count(), 0);
        QVERIFY(!f.Window->IsModified());
        QVERIFY(!Marked(*f.Window));
    }

    void undoPutsBackTheWavesAFileFilledAndRedoNeverFillsAgain() {
        Fixture f;
        f.Window->EdtWaveset->setFocus();
        QTest::keyClicks(f.Window->EdtWaveset, QStringLiteral("bank.sf2"));
        TSarvikWaveset& document = f.Window->Waveset();
        QCOMPARE(InstrumentAt(*f.Window, 0, 0).Wave(), std::string("bass"));
        QCOMPARE(document.WavesetName(), std::string("bank.sf2"));
        QCOMPARE(f.Window->UndoStack()->count(), 1);
        const std::string filled = document.BuildText();

        f.Window->UndoStack()->undo();
        QCOMPARE(InstrumentAt(*f.Window, 0, 0).Wave(), std::string());
        QCOMPARE(document.WavesetFile(), std::string());
        QCOMPARE(document.WavesetName(), std::string());
        QVERIFY(!f.Window->IsModified());

        // The bank lists other names now: redo still gives the waves it gave.
        WriteBytes(f.Host / "Samples" / "bank.sf2", Bank(InstRecords({"Celesta", "EOI"})));
        f.Window->UndoStack()->redo();
        QCOMPARE(document.BuildText(), filled);
        QCOMPARE(StripOf(InstrumentAt(*f.Window, 3, 0)).WaveEdit()->text(), QStringLiteral("bass"));
    }

    void aFieldsMenuUndoesTheDocumentsSteps_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("name") << "name";
        QTest::newRow("notes, clicked on its viewport") << "notes";
    }
    void aFieldsMenuUndoesTheDocumentsSteps() {
        QFETCH(QString, field);
        Loaded f;
        f.Window->PagesSarvik->setCurrentWidget(f.Window->TabSarvikWaveset);
        QWidget* typed = field == "name" ? static_cast<QWidget*>(f.Window->EdtWavesetName)
                                         : f.Window->MmoSarvikWavesetNotes;
        QWidget* clicked = field == "name" ? typed : f.Window->MmoSarvikWavesetNotes->viewport();
        TypeAtEnd(typed, QStringLiteral("abc"));
        QContextMenuEvent asked(QContextMenuEvent::Mouse, QPoint(5, 5),
                                clicked->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(clicked, &asked);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* undo = menu->actions().value(0);
        QAction* redo = menu->actions().value(1);
        QVERIFY(undo && undo->text().startsWith(QStringLiteral("&Undo")) && undo->isEnabled());
        QVERIFY(redo && redo->text().startsWith(QStringLiteral("&Redo")) && !redo->isEnabled());
        undo->trigger();
        menu->close();
        QCOMPARE(f.Bytes(), f.LoadedBytes);
        QVERIFY(f.Stack().canRedo());
    }

    void ctrlZInAFieldUndoesTheDocumentsSteps() {
        Loaded f;
        MakeEdit(f, QStringLiteral("Chorus"));
        TypeAtEnd(f.Window->EdtWavesetName, QStringLiteral("abc"));
        QCOMPARE(f.Stack().count(), 2);
        QTest::keyClick(f.Window->EdtWavesetName, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.Window->EdtWavesetName->text(), QStringLiteral("Song"));
        QCOMPARE(f.Window->Waveset().WavesetName(), std::string("Song"));
        // The field has no history of its own: the next Ctrl+Z undoes the knob.
        QTest::keyClick(f.Window->EdtWavesetName, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.Bytes(), f.LoadedBytes);
        QVERIFY(!f.Window->IsModified());
        QTest::keyClick(f.Window->EdtWavesetName, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(f.Window->EdtWavesetName, Qt::Key_Z,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.Window->EdtWavesetName->text(), QStringLiteral("Songabc"));
        QVERIFY(!f.Stack().canRedo());

        // The same in the notes.
        TypeAtEnd(f.Window->MmoSarvikWavesetNotes, QStringLiteral("pad"));
        QTest::keyClick(f.Window->MmoSarvikWavesetNotes, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.Window->Waveset().Notes(), std::string());
        QCOMPARE(f.Window->MmoSarvikWavesetNotes->toPlainText(), QString());
    }

  private:
    TDIBImageList* skin_ = nullptr;
};

QTEST_MAIN(EditHistoryTest)
#include "edit_history_test.moc"
