#pragma once

#include <QListView>

class ResultsModel;

// The results list: rows can be selected with mouse or keyboard and copied as text, one per
// line, exactly as shown, for pasting into a spreadsheet.
class ResultsView : public QListView {
    Q_OBJECT

public:
    explicit ResultsView(ResultsModel* model, QWidget* parent = nullptr);

    // The selected rows as text, in list order, each followed by a newline.
    QString selectedText() const;
    void copySelection() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ResultsModel* model_;
};
