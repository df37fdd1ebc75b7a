// The editor starts here. The layout already holds its defaults (static initialisation),
// so the main window shows them from its creation on.
#include "editor_start.h"
#include "start_file.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QString file;
    if (!kbd::AcceptStartArguments(QApplication::arguments(), file)) {
        return 2;
    }
    const auto windows = kbd::StartEditor();
    if (!file.isEmpty()) {
        kbd::OpenWhenStarted(windows->AllKeysForm, file);
    }
    return QApplication::exec();
}
