#pragma once

#include "rowtext.h"

#include <QAbstractListModel>

#include <memory>
#include <vector>

// The rows of the results list. A row keeps the two numbers of its line (16 bytes) and is turned
// into text only when the view shows or copies it, so millions of rows stay cheap. Rows live in
// fixed-size pages: growing never copies what is there and never reserves more than one page.
class ResultsModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr qsizetype kCapacity = 10'000'000;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Rows appended are shown together at the next publish(), so a run costs one view update.
    void append(const solver::ResultRow& row);
    void publish();
    void clear();

    qsizetype size() const { return stored_; }
    QString text(qsizetype row) const;
    void appendText(qsizetype row, QString& out) const;

private:
    static constexpr int kPageBits = 16;
    static constexpr qsizetype kPageRows = qsizetype(1) << kPageBits;

    const solver::ResultRow& at(qsizetype row) const {
        return pages_[static_cast<std::size_t>(row >> kPageBits)][row & (kPageRows - 1)];
    }

    std::vector<std::unique_ptr<solver::ResultRow[]>> pages_;
    qsizetype stored_ = 0;
    qsizetype published_ = 0;
};
