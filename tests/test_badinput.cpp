// Every entry box against a table of awkward inputs: the committed value, the rows of the run
// that follows, any message, and a window that still works afterwards.

#include "formdriver.h"
#include "recordingsink.h"
#include "run.h"

#include <QApplication>

#include <cmath>

class TestBadInput : public QObject {
    Q_OBJECT

private:
    Form1* form = nullptr;
    QStringList messages;

private slots:
    void init() {
        messages.clear();
        form = new Form1;
        form->setMessageHandler([this](QWidget*, const QString& text) { messages << text; });
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->List2->setCurrentRow(2); // y' = 2: rows are y1 + 2 (x - x1)
    }

    void cleanup() {
        delete form;
        form = nullptr;
    }

    void everyBox_data() {
        QTest::addColumn<int>("box"); // 1 initial x, 3 initial y, 2 final x
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("outOfRange");

        struct Input {
            const char* name;
            QString text;
            double value;
            bool outOfRange;
        };
        const QString nul = QStringLiteral("4") + QChar(0) + QStringLiteral("2");
        const Input inputs[] = {
            {"empty", "", 0, false},
            {"blanks only", "    ", 0, false},
            {"minus", "-", 0, false},
            {"dot", ".", 0, false},
            {"minus dot", "-.", 0, false},
            {"plus five", "+5", 5, false},
            {"leading blanks", "  7", 7, false},
            {"trailing dot", "5.", 5, false},
            {"leading dot", ".5", 0.5, false},
            {"exponent", "1e3", 1000, false},
            {"bare exponent", "1e", 1, false},
            {"exponent sign only", "1e+", 1, false},
            {"two dots", "1.2.3", 1.2, false},
            {"decimal comma", "3,5", 3, false},
            {"trailing letters", "12abc", 12, false},
            {"initial text", "x1", 0, false},
            {"inf", "inf", 0, false},
            {"minus inf", "-inf", 0, false},
            {"nan", "nan", 0, false},
            {"hex", "0x10", 0, false},
            {"1e308", "1e308", 1e308, false},
            {"1e309", "1e309", 0, true},
            {"-1e400", "-1e400", 0, true},
            {"1e-400", "1e-400", 0, false},
            {"full-width nine", QStringLiteral("９"), 9, false},
            {"full-width -2.5", QStringLiteral("－２．５"), -2.5, false},
            {"100000 digits", QString(100000, QChar('7')), 0, true},
            {"100000 letters", QString(100000, QChar('q')), 0, false},
            {"NUL inside", nul, 4, false},
            {"emoji inside",
             QStringLiteral("7\U0001F600"
                            "8"),
             7, false},
        };
        for (int box : {1, 3, 2})
            for (const Input& input : inputs)
                QTest::addRow("%s in Text%d", input.name, box)
                    << box << input.text << input.value << input.outOfRange;
    }

    void everyBox() {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, outOfRange);

        readyAndRun(*form, "0", "1", "0.1");
        clickReady(*form);
        QVERIFY(messages.isEmpty());

        QLineEdit* const boxes[] = {nullptr, form->Text1, form->Text2, form->Text3};
        QLineEdit* entry = boxes[box];
        enterText(entry, text);

        solver::FormValues expected{3, 0, 1, 0.1};
        double& committed = box == 1 ? expected.x1 : box == 3 ? expected.y1 : expected.x2;
        const double& actual = box == 1   ? form->formValues().x1
                               : box == 3 ? form->formValues().y1
                                          : form->formValues().x2;
        if (outOfRange) {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains("beyond the range"), qPrintable(messages[0]));
            QCOMPARE(QApplication::focusWidget(), entry);
            QCOMPARE(actual, committed); // unchanged
        } else {
            committed = value;
            QCOMPARE(actual, value);
            QCOMPARE(std::signbit(actual), std::signbit(value));
            QWidget* next = box == 1 ? form->Text3 : form->Text2;
            QCOMPARE(QApplication::focusWidget(), next);
        }

        if (box != 2) {
            form->Text2->setFocus();
            QTest::keyClick(form->Text2, Qt::Key_Return); // the box is empty after Ready
            expected.x2 = 0;
        }
        if (box != 2 || !outOfRange) {
            RecordingSink reference;
            const solver::RunOutcome outcome = solver::run(expected, reference);
            const QStringList rows = listedRows(*form);
            QCOMPARE(rows.size(), qsizetype(reference.rows.size()));
            for (std::size_t i = 0; i < reference.rows.size(); ++i)
                QCOMPARE(rows[qsizetype(i)], QString::fromStdString(reference.rows[i]));
            QCOMPARE(messages.size(), (outOfRange ? 1 : 0) + (outcome.ok() ? 0 : 1));
        } else {
            QCOMPARE(form->results()->rowCount(), 0);
        }

        // And the window goes on working.
        messages.clear();
        readyAndRun(*form, "0", "1", "1");
        QVERIFY(messages.isEmpty());
        const QStringList rows = listedRows(*form);
        QCOMPARE(rows.size(), 21);
        QCOMPARE(rows.last(), QStringLiteral("1.00    3.00000"));
    }
};

QTEST_MAIN(TestBadInput)
#include "test_badinput.moc"
