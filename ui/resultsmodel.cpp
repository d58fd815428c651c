#include "resultsmodel.h"

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(published_);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= published_)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return text(index.row());
    return {};
}

void ResultsModel::append(const solver::ResultRow& row) {
    if (stored_ == static_cast<qsizetype>(pages_.size()) * kPageRows)
        pages_.push_back(std::make_unique_for_overwrite<solver::ResultRow[]>(kPageRows));
    pages_[static_cast<std::size_t>(stored_ >> kPageBits)][stored_ & (kPageRows - 1)] = row;
    ++stored_;
}

void ResultsModel::publish() {
    if (stored_ == published_)
        return;
    beginInsertRows({}, static_cast<int>(published_), static_cast<int>(stored_ - 1));
    published_ = stored_;
    endInsertRows();
}

void ResultsModel::clear() {
    beginResetModel();
    pages_.clear();
    stored_ = 0;
    published_ = 0;
    endResetModel();
}

QString ResultsModel::text(qsizetype row) const {
    QString line;
    appendText(row, line);
    return line;
}

void ResultsModel::appendText(qsizetype row, QString& out) const {
    char buffer[solver::ResultRow::kMaxChars];
    out += QLatin1String(buffer, static_cast<qsizetype>(at(row).format(buffer)));
}
