// startup_probe form|bare|text: starts the toolkit, shows the real window, one empty window of the
// same size, or that window with one line of text in the default font (so the font stack is
// loaded), and exits as soon as the window is exposed. The benchmark times whole processes.

#include "form1.h"

#include <QApplication>
#include <QLabel>
#include <QWindow>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* mode = argc > 1 ? argv[1] : "form";
    std::unique_ptr<QWidget> window;
    if (std::strcmp(mode, "form") == 0) {
        window = std::make_unique<Form1>();
    } else {
        window = std::make_unique<QWidget>();
        window->resize(708, 573);
        if (std::strcmp(mode, "text") == 0)
            (new QLabel(QStringLiteral("Runge Kutta Method"), window.get()))->move(20, 20);
    }
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    return 0;
}
