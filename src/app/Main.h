#pragma once

#include <QMainWindow>

// The application title; also the caption of the main window and of error boxes.
inline constexpr const char* ApplicationTitle = "Norvex Quillkit";

// The program's one main window.
class TFrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFrmMain(QWidget* parent = nullptr);
};
