#include "editor/SampleChooserModel.h"

#include <algorithm>

void TSampleChooserModel::SetCaptions(QStringList captions) {
    beginResetModel();
    captions_ = std::move(captions);
    names_.clear();
    names_.reserve(captions_.size());
    for (const QString& caption : captions_) {
        const qsizetype colon = caption.indexOf(QStringLiteral(": "));
        names_.push_back(colon < 0 ? caption : caption.mid(colon + 2));
    }
    filter_.clear();
    shown_.resize(static_cast<std::size_t>(captions_.size()));
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        shown_[i] = static_cast<int>(i);
    }
    endResetModel();
}

void TSampleChooserModel::SetFilter(const QString& text) {
    if (text == filter_) {
        return;
    }
    beginResetModel();
    filter_ = text;
    shown_.clear();
    for (int i = 0; i < static_cast<int>(names_.size()); ++i) {
        if (names_[i].contains(text, Qt::CaseInsensitive)) {
            shown_.push_back(i);
        }
    }
    endResetModel();
}

int TSampleChooserModel::EntryAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < shown_.size()
               ? shown_[static_cast<std::size_t>(row)]
               : -1;
}

int TSampleChooserModel::RowOf(int entry) const {
    // The rows keep the sample order, so the entries shown are sorted.
    const auto found = std::lower_bound(shown_.begin(), shown_.end(), entry);
    return found != shown_.end() && *found == entry ? static_cast<int>(found - shown_.begin()) : -1;
}

int TSampleChooserModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant TSampleChooserModel::data(const QModelIndex& index, int role) const {
    const int entry = EntryAt(index.row());
    if (entry < 0 || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return captions_[entry];
}
