#pragma once

// The program's one window. The user picks an equation in List2, clicks Ready (Command1) to draw
// the axes and empty the results, then commits x1, y1 and x2 with Enter in Text1, Text3 and
// Text2; Enter in Text2 also starts a run, whose dots go to the plot area Picture1 and whose rows
// go to the end of List1. The committed values live in form_ and only change through those
// handlers; the numerical work is the solver's.

#include "formvalues.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class PlotArea;
class ResultsModel;
class ResultsView;

class Form1 : public QWidget {
    Q_OBJECT

public:
    static const QString kHelpText;

    // Where messages for the user go. The default shows a dialog; tests put their own here so
    // that no modal loop blocks them.
    using MessageHandler = std::function<void(QWidget* parent, const QString& text)>;

    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    void setMessageHandler(MessageHandler handler) { showMessage_ = std::move(handler); }
    const solver::FormValues& formValues() const { return form_; }
    ResultsModel* results() const { return results_; }

    QPushButton* Command1 = nullptr; // Ready
    QPushButton* Command2 = nullptr; // End
    QPushButton* Command3 = nullptr; // Help
    QLineEdit* Text1 = nullptr;      // initial x
    QLineEdit* Text2 = nullptr;      // final x
    QLineEdit* Text3 = nullptr;      // initial y
    QPlainTextEdit* Text4 = nullptr; // help
    ResultsView* List1 = nullptr;    // results
    QListWidget* List2 = nullptr;    // equations
    PlotArea* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr; // legend "y"
    QLabel* Label5 = nullptr; // legend "y'"
    QLabel* Label6 = nullptr; // title

private:
    void createControls();
    void Form1_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void List2_Click();
    void Text1_KeyPress();
    void Text2_KeyPress();
    void Text3_KeyPress();

    // The number in a box, or false after telling the user why it cannot be committed.
    bool readBox(QLineEdit* box, const QString& what, double& value);
    void startRun();

    solver::FormValues form_;
    ResultsModel* results_ = nullptr;
    MessageHandler showMessage_;
};
