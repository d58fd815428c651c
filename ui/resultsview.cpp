#include "resultsview.h"

#include "resultsmodel.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <utility>
#include <vector>

ResultsView::ResultsView(ResultsModel* model, QWidget* parent)
    : QListView(parent)
    , model_(model) {
    setModel(model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QString ResultsView::selectedText() const {
    // Walk the selection as ranges: a select-all over millions of rows is one range.
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        ranges.emplace_back(range.top(), range.bottom());
    std::sort(ranges.begin(), ranges.end());
    QString text;
    int next = 0;
    for (const auto& [top, bottom] : ranges) {
        for (int row = std::max(top, next); row <= bottom; ++row) {
            model_->appendText(row, text);
            text += QLatin1Char('\n');
        }
        next = std::max(next, bottom + 1);
    }
    return text;
}

void ResultsView::copySelection() const {
    const QString text = selectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void ResultsView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void ResultsView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("&Copy"), this, &ResultsView::copySelection);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(selectionModel()->hasSelection());
    QAction* all = menu.addAction(tr("Select &All"), this, &QAbstractItemView::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(model_->rowCount() > 0);
    menu.exec(event->globalPos());
}
