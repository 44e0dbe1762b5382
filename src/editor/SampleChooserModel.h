#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

// The entries of the sample chooser: every caption in sample order, and those whose
// name holds the filter text (any letter case, anywhere in the name).
class TSampleChooserModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces the entries; each caption is "NNN: name", the name being what the
    // filter looks at. Shows them all.
    void SetCaptions(QStringList captions);
    int EntryCount() const { return static_cast<int>(captions_.size()); }
    // Shows only the entries whose name holds `text`; all of them for an empty text.
    void SetFilter(const QString& text);

    // The entry (its index among all) shown in `row`, and the row showing `entry`
    // (-1 when it is filtered out).
    int EntryAt(int row) const;
    int RowOf(int entry) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    QStringList captions_;
    QStringList names_;
    QString filter_;
    std::vector<int> shown_;
};
