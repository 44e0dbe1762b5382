#include "uikit/ErrorHandler.h"

#include "uikit/ApplicationTitle.h"
#include "uikit/Prompts.h"

void ReportUnhandledError(const QString& message) {
    AppPrompts().Message({message, QString::fromLatin1(ApplicationTitle), MessageIcon::Stop,
                          MessageButtons::Ok, MessageAnswer::Ok});
}

void ReportUnhandledError(const std::exception& error) {
    // Our messages carry native file names, which are in the local encoding.
    ReportUnhandledError(QString::fromLocal8Bit(error.what()));
}

QuillkitApplication::QuillkitApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuillkitApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportUnhandledError(error);
    }
    return false;
}
