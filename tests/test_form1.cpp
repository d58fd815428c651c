// Drives the real window headless: keys and clicks in, the list's model, the focus and the plot's
// pixels out.

#include "form1.h"
#include "formdriver.h"
#include "plotarea.h"
#include "recordingsink.h"
#include "resultsmodel.h"
#include "resultsview.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <map>

class TestForm1 : public QObject {
    Q_OBJECT

private:
    Form1* form = nullptr;
    QStringList messages;

    QStringList rows() const { return listedRows(*form); }

    void selectEquation(int row) {
        const QRect place = form->List2->visualItemRect(form->List2->item(row));
        if (place.isValid() && form->List2->viewport()->rect().contains(place.center())) {
            QTest::mouseClick(form->List2->viewport(), Qt::LeftButton, {}, place.center());
        } else {
            form->List2->setFocus();
            form->List2->setCurrentRow(row);
        }
        QVERIFY(form->List2->item(row)->isSelected());
    }

    void type(QLineEdit* box, const QString& text) { enterText(box, text); }

    void readyAndRun(const QString& x1, const QString& y1, const QString& x2) {
        ::readyAndRun(*form, x1, y1, x2);
    }

    QRgb logicalPixel(int column, int row) {
        const QImage& image = form->Picture1->image();
        const qreal ratio = image.devicePixelRatio();
        return image.pixel(int(column * ratio), int(row * ratio));
    }

private slots:
    void init() {
        messages.clear();
        form = new Form1;
        form->setMessageHandler([this](QWidget*, const QString& text) { messages << text; });
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }

    void cleanup() {
        delete form;
        form = nullptr;
    }

    void startState() {
        QCOMPARE(form->windowTitle(), QStringLiteral("ZudozUrize"));
        QVERIFY(form->windowIcon().availableSizes().contains(QSize(256, 256)));
        QVERIFY(!form->windowIcon().pixmap(48).isNull());
        QCOMPARE(form->size(), QSize(708, 573));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->Text1->text(), QStringLiteral("x1"));
        QCOMPARE(form->Text3->text(), QStringLiteral("y1"));
        QCOMPARE(form->Text2->text(), QStringLiteral("x2"));
        QVERIFY(!form->Text4->isVisible());
        QVERIFY(!form->Label4->isVisible());
        QVERIFY(!form->Label5->isVisible());
        QCOMPARE(QApplication::focusWidget(), form->Command1);

        const QStringList equations{"y' = - y",     "y' = x - y",       "y' = 2",
                                    "y' = sin(4x)", "y' = xcos(4x) -y", "y' = x/2 -sin(x+y)"};
        QCOMPARE(form->List2->count(), equations.size());
        for (int i = 0; i < equations.size(); ++i)
            QCOMPARE(form->List2->item(i)->text(), equations[i]);
        QVERIFY(form->List2->selectedItems().isEmpty());
        QCOMPARE(form->formValues().fnum, 0);
        QCOMPARE(form->results()->rowCount(), 0);

        const QImage& image = form->Picture1->image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixel(x, y), PlotArea::kBackground);

        QCOMPARE(form->Picture1->geometry(), QRect(24, 32, 505, 505));
        QCOMPARE(form->Command1->geometry(), QRect(560, 144, 89, 33));
        QCOMPARE(form->List1->geometry(), QRect(552, 312, 137, 94));
        QCOMPARE(form->Label3->text(), QStringLiteral(" x      y"));
        QCOMPARE(form->Label1->text(), QStringLiteral("Initial ="));
        QCOMPARE(form->Label2->text(), QStringLiteral("final ="));
        QCOMPARE(form->Label6->text(), QStringLiteral("Runge Kutta Method"));

        // The set-up installs the IPA fonts, so every control shows a Japanese face.
        const QStringList gothic{"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "Noto Sans CJK JP"};
        for (QWidget* w :
             {static_cast<QWidget*>(form->Command1), static_cast<QWidget*>(form->List1),
              static_cast<QWidget*>(form->Label6), static_cast<QWidget*>(form->Text2)})
            QVERIFY2(gothic.contains(QFontInfo(w->font()).family()),
                     qPrintable(QFontInfo(w->font()).family()));
        QCOMPARE(form->Command1->font().pointSizeF(), 11.25);
        QVERIFY(form->Label6->font().italic() && form->Label6->font().bold());
    }

    void accessibleNames() {
        const std::map<QWidget*, QString> names{
            {form->Command1, "Ready"},  {form->Command2, "End"},    {form->Command3, "Help"},
            {form->Text1, "Initial x"}, {form->Text3, "Initial y"}, {form->Text2, "Final x"},
            {form->List2, "Equations"}, {form->List1, "Results"},   {form->Picture1, "Plot area"},
            {form->Text4, "Help text"},
        };
        for (const auto& [widget, name] : names) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), name);
        }
        selectEquation(0);
        readyAndRun("0", "1", "0.1");
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form->List1);
        QVERIFY(list && list->childCount() >= 3);
        QStringList spoken;
        for (int i = 0; i < list->childCount(); ++i)
            spoken << list->child(i)->text(QAccessible::Name);
        QVERIFY2(spoken.contains("0.05    0.95123"), qPrintable(spoken.join('|')));
        QAccessibleInterface* equations = QAccessible::queryAccessibleInterface(form->List2);
        QVERIFY(equations);
        QStringList entries;
        for (int i = 0; i < equations->childCount(); ++i)
            entries << equations->child(i)->text(QAccessible::Name);
        QVERIFY2(entries.contains("y' = x/2 -sin(x+y)"), qPrintable(entries.join('|')));
    }

    void typicalUseEndToEnd() {
        selectEquation(1);
        QCOMPARE(form->formValues().fnum, 2);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QVERIFY(form->Label4->isVisible() && form->Label5->isVisible());
        QCOMPARE(QApplication::focusWidget(), form->Text1);
        QVERIFY(form->Text1->text().isEmpty() && form->Text2->text().isEmpty() &&
                form->Text3->text().isEmpty());

        QTest::keyClicks(form->Text1, "0");
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form->Text3);
        QTest::keyClicks(form->Text3, "0");
        QTest::keyClick(form->Text3, Qt::Key_Enter); // the keypad's Enter
        QCOMPARE(QApplication::focusWidget(), form->Text2);
        QTest::keyClicks(form->Text2, "5");
        QTest::keyClick(form->Text2, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form->Text2);

        const QStringList listed = rows();
        QCOMPARE(listed.size(), 101);
        QCOMPARE(listed.first(), QStringLiteral("0.00    0.00000"));
        QCOMPARE(listed.last(), QStringLiteral("5.00    4.00674"));
        QVERIFY(messages.isEmpty());
        QVERIFY(!form->List1->selectionModel()->hasSelection());
        QCOMPARE(form->List1->indexAt(QPoint(2, 2)).row(), 0); // not scrolled

        // Every dot the run hands over is in the plot, the later one winning where two meet.
        RecordingSink dots;
        solver::run(form->formValues(), dots);
        QCOMPARE(dots.dots.size(), std::size_t(204));
        const QSize area = form->Picture1->drawingSize();
        std::map<std::pair<int, int>, QRgb> expected;
        for (const auto& dot : dots.dots) {
            const double column = (double(float(dot.x)) + 2) * area.width() / 20;
            const double row = (10 - double(float(dot.y))) * area.height() / 20;
            if (column >= 0 && column <= area.width() && row >= 0 && row <= area.height())
                expected[{std::min(int(column), area.width() - 1),
                          std::min(int(row), area.height() - 1)}] = 0xFF000000 | dot.colour.rgb;
        }
        int red = 0;
        for (const auto& [pixel, colour] : expected) {
            QCOMPARE(logicalPixel(pixel.first, pixel.second), colour);
            red += colour == 0xFFFF0000;
        }
        QVERIFY(red > 50);
    }

    void readyKeepsFormValues() {
        selectEquation(0);
        readyAndRun("0", "1", "0.5");
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->results()->rowCount(), 0);
        QVERIFY(form->List2->item(0)->isSelected());
        type(form->Text2, "1");
        const QStringList listed = rows();
        QCOMPARE(listed.size(), 21);
        QCOMPARE(listed.first(), QStringLiteral("0.00    1.00000"));
        QCOMPARE(listed.last(), QStringLiteral("1.00    0.36788"));
    }

    void runBeforeAnySelectionOrCommit() {
        type(form->Text2, "1");
        const QStringList listed = rows();
        QCOMPARE(listed.size(), 21);
        for (const QString& row : listed)
            QVERIFY2(row.endsWith("    0.00000"), qPrintable(row));
        QCOMPARE(listed.last(), QStringLiteral("1.00    0.00000"));
        // All dots on the x-axis, over the plain background.
        const QSize area = form->Picture1->drawingSize();
        const int axisRow = area.height() / 2;
        for (int row = 0; row < area.height(); ++row)
            for (int column = 0; column < area.width(); ++column)
                if (row != axisRow)
                    QCOMPARE(logicalPixel(column, row), PlotArea::kBackground);
        QCOMPARE(logicalPixel(2 * area.width() / 20, axisRow), QRgb(0xFF0000FF));
    }

    void enterWithInitialTextCommitsZero() {
        form->Text1->setFocus();
        QTest::keyClick(form->Text1, Qt::Key_Return);
        QCOMPARE(form->formValues().x1, 0.0);
        QCOMPARE(QApplication::focusWidget(), form->Text3);
    }

    void typingWithoutEnterCommitsNothing() {
        type(form->Text3, "4");
        QCOMPARE(form->formValues().y1, 4.0);
        form->Text3->setFocus();
        form->Text3->selectAll();
        QTest::keyClicks(form->Text3, "9");
        form->Command1->setFocus();
        QCOMPARE(form->formValues().y1, 4.0);
    }

    void twoRunsAccumulate() {
        selectEquation(2);
        readyAndRun("0", "0", "2");
        type(form->Text2, "0.5");
        const QStringList listed = rows();
        QCOMPARE(listed.size(), 41 + 11);
        QCOMPARE(listed[40], QStringLiteral("2.00    4.00000"));
        QCOMPARE(listed[41], QStringLiteral("0.00    0.00000"));
        QCOMPARE(listed.last(), QStringLiteral("0.50    1.00000"));
    }

    void helpTwice() {
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QVERIFY(form->Text4->isVisible());
        QCOMPARE(form->Text4->toPlainText(), Form1::kHelpText);
        QCOMPARE(Form1::kHelpText.size(), 92);
        const QStringList mincho{"ＭＳ Ｐ明朝", "MS PMincho", "IPAPMincho", "Noto Serif CJK JP"};
        QVERIFY2(mincho.contains(QFontInfo(form->Text4->font()).family()),
                 qPrintable(QFontInfo(form->Text4->font()).family()));
        QCOMPARE(form->Text4->font().pointSizeF(), 12.0);
        QVERIFY(Form1::kHelpText.startsWith(QStringLiteral("関数を選ぶ         Ready をクリック")));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QVERIFY(form->Text4->isVisible());
        QCOMPARE(form->Text4->toPlainText(), Form1::kHelpText);
    }

    void tabOrder() {
        const QList<QWidget*> before{form->Picture1, form->Text1,    form->Text2,
                                     form->Text3,    form->List1,    form->List2,
                                     form->Command2, form->Command3, form->Command1};
        form->Command1->setFocus();
        for (QWidget* next : before) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        form->Command2->setFocus();
        QTest::keyClick(form->Command2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Text4);
        QTest::keyClick(form->Text4, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Command3);
    }

    void refusedAndOverflowingRunsLeaveTheWindowWorking() {
        selectEquation(1);
        readyAndRun("0", "0", "1e12");
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("20,000,000,000,001") && messages[0].contains("1,000,000"),
                 qPrintable(messages[0]));
        QCOMPARE(form->results()->rowCount(), 0);

        readyAndRun("0", "1e308", "1");
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages[1].contains("x = 0.05") && messages[1].contains("y' = x - y"),
                 qPrintable(messages[1]));
        QCOMPARE(form->results()->rowCount(), 1);

        type(form->Text3, "0");
        type(form->Text2, "5");
        QCOMPARE(messages.size(), 2);
        QCOMPARE(form->results()->rowCount(), 1 + 101);
        QCOMPARE(rows().last(), QStringLiteral("5.00    4.00674"));
    }

    void widestRangeIsRefused() {
        selectEquation(0);
        readyAndRun("-1e308", "1", "1e308");
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("more than can be counted"), qPrintable(messages[0]));
        QCOMPARE(form->results()->rowCount(), 0);
        const QImage& image = form->Picture1->image();
        QCOMPARE(image.pixel(0, 0), PlotArea::kBackground);
    }

    void yBeyondFloatRangeIsListedButNotVisible() {
        selectEquation(2);
        readyAndRun("0", "1e39", "1");
        QVERIFY(messages.isEmpty());
        const QStringList listed = rows();
        QCOMPARE(listed.size(), 21);
        // the double nearest 1e39, in full
        QCOMPARE(listed.first(),
                 QStringLiteral("0.00    999999999999999939709166371603178586112.00000"));
        const QImage& image = form->Picture1->image();
        int blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QVERIFY(image.pixel(x, y) != 0xFFFF0000);
                blue += image.pixel(x, y) == 0xFF0000FF;
            }
        QVERIFY(blue > 0); // the slopes, y' = 2, are in range
    }

    void fullListRefusesMoreUntilReady() {
        selectEquation(0);
        readyAndRun("0", "1", "49999.96"); // 1,000,000 passes
        for (int run = 1; run < 10; ++run)
            type(form->Text2, "49999.96");
        QVERIFY(messages.isEmpty());
        QCOMPARE(form->results()->size(), ResultsModel::kCapacity);

        type(form->Text2, "0");
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("Ready") && messages[0].contains("10,000,000"),
                 qPrintable(messages[0]));
        QCOMPARE(form->results()->size(), ResultsModel::kCapacity);
        QCOMPARE(form->results()->index(int(ResultsModel::kCapacity) - 1).data().toString(),
                 QStringLiteral("49999.95    0.00000"));
        form->List1->scrollToBottom();

        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->results()->rowCount(), 0);
        type(form->Text2, "1");
        QCOMPARE(rows().last(), QStringLiteral("1.00    0.36788"));
    }

    void outOfRangeNumberIsNotCommitted() {
        type(form->Text1, "2");
        type(form->Text1, "1e999");
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("1e999"), qPrintable(messages[0]));
        QCOMPARE(form->formValues().x1, 2.0);
        QCOMPARE(QApplication::focusWidget(), form->Text1);
        type(form->Text2, "-1e400");
        QCOMPARE(messages.size(), 2);
        QCOMPARE(form->results()->rowCount(), 0);
    }

    void copyRows() {
        selectEquation(0);
        readyAndRun("0", "1", "1");
        form->List1->setFocus();
        QTest::keyClick(form->List1, Qt::Key_Home);
        QTest::keyClick(form->List1, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(form->List1, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(form->List1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("0.00    1.00000\n0.05    0.95123\n0.10    0.90484\n"));
        QTest::keyClick(form->List1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(form->List1, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied =
            QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied, rows());
    }

    // Last: these leave the event loop of the whole test program.
    void endAndClosingTheWindowQuit() {
        const auto quitsWithin = [](auto action) {
            QTimer::singleShot(0, action);
            QTimer::singleShot(5000, [] { QApplication::exit(1); }); // a safety net, not a timing
            return QApplication::exec() == 0;
        };
        QVERIFY(quitsWithin([this] { QTest::mouseClick(form->Command2, Qt::LeftButton); }));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(quitsWithin([this] { form->close(); }));
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
