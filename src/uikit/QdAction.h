#pragma once

#include <QAction>

// A menu command with the numeric identifier the menus are organised by.
class TQdAction : public QAction {
    Q_OBJECT
  public:
    TQdAction(const QString& text, int id, QObject* parent) : QAction(text, parent), id_(id) {}

    int ID() const { return id_; }
    bool DisableIfNoHandler() const { return false; }

  private:
    int id_;
};
