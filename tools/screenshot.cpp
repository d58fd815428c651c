// zudozurize-screenshot OUT.png: the window after the typical run ("y' = x - y" from 0, 0 to 5)
// with the help text shown, drawn by the program itself so the picture in the README stays true as
// the program changes.

#include "form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>

namespace {

void typeAndEnter(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->setText(text);
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(box, &key);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: zudozurize-screenshot OUT.png\n", stderr);
        return 2;
    }
    Form1 window;
    window.setMessageHandler([](QWidget*, const QString& text) {
        std::fprintf(stderr, "zudozurize-screenshot: %s\n", qPrintable(text));
    });
    window.show();
    QApplication::processEvents();
    window.List2->setCurrentRow(1);
    window.Command1->click();
    typeAndEnter(window.Text1, QStringLiteral("0"));
    typeAndEnter(window.Text3, QStringLiteral("0"));
    typeAndEnter(window.Text2, QStringLiteral("5"));
    window.Command3->click();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "zudozurize-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
