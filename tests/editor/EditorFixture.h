#pragma once

// What the tests of the document window share: a window with a host folder and two
// banks, and the ways to reach its strips and texts.
#include "support/RiffBytes.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include "document/SarvikFile.h"
#include "editor/InstrumentStripView.h"
#include "editor/SarvikFileFrm.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QPlainTextEdit>

#include <filesystem>
#include <memory>

inline TInstrumentStripView& StripOf(const TSarvikInstrument& instrument) {
    const auto* handle = dynamic_cast<const InstrumentStripHandle*>(instrument.Panel());
    if (!handle || !handle->View()) {
        qFatal("instrument without a strip");
    }
    return *handle->View();
}

inline TSarvikInstrument& InstrumentAt(TFrmSarvikFile& window, std::size_t osc, std::size_t index) {
    return *window.Waveset().Oscillators().at(osc)->Instruments().at(index);
}

inline QString ViewText(const TFrmSarvikFile& window) {
    return window.MmoSarvikTxt->toPlainText();
}

inline QString DocumentText(const TFrmSarvikFile& window) {
    return QString::fromLatin1(window.Waveset().BuildText())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline void ContextMenuOn(QWidget* widget) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            widget->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(widget, &event);
}

// A window shown in a frame of its own, with scripted prompts and a host folder.
struct Fixture {
    TempDir Host;
    ScriptedPrompts Prompts;
    std::unique_ptr<TFrmSarvikFile> Window;

    Fixture() {
        std::filesystem::create_directories(Host / "Samples");
        WriteBytes(Host / "Samples" / "bank.sf2",
                   Bank(InstRecords({"Piano", "bass", "Organ", "EOI"})));
        WriteBytes(Host / "Samples" / "other.sf2", Bank(InstRecords({"Zither", "Harp", "EOI"})));
        Window = std::make_unique<TFrmSarvikFile>(SarvikFileServices{Host.Path() / ""});
        Window->NewFile();
        Window->show();
        QApplication::setActiveWindow(Window.get());
    }
};
