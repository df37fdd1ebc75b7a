// The editor starts here. The layout already holds its defaults (static initialisation),
// so the main window shows them from its creation on.
#include "editor_start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto windows = kbd::StartEditor();
    return QApplication::exec();
}
