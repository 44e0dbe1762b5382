#pragma once

#include <QApplication>
#include <QString>

#include <exception>

// Shows the message of an error that ended a command in a box titled with the
// application title; the program goes on.
void ReportUnhandledError(const QString& message);
void ReportUnhandledError(const std::exception& error);

// Runs `action`; an error escaping it is shown, so that it never crosses the event loop.
template <typename Action>
void RunGuarded(Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        ReportUnhandledError(error);
    }
}

// The application, with the one handler for errors that escape an event handler.
class QuillkitApplication : public QApplication {
    Q_OBJECT
  public:
    QuillkitApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
