#include "form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Without this check the toolkit aborts with a long message about platform plugins.
bool displayAvailable(int argc, char** argv) {
#ifdef __linux__
    if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return true;
    return false;
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable(argc, argv)) {
        std::fputs("zudozurize: no display to open the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set); to run it on a virtual display, use xvfb-run "
                   "zudozurize\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZudozUrize"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZudozUrize"));
    Form1 window;
    window.show();
    return app.exec();
}
