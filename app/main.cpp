// The editor starts here. The layout already holds its defaults (static initialisation),
// so the main window shows them from its creation on.
#include "ui/program_windows.h"
#include "ui/toolkit/app_icon.h"
#include "ui/toolkit/fonts.h"
#include "version/version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kbdgen"));
    QApplication::setApplicationVersion(QString::fromLatin1(kbd::kVersion));
    // The application id: the installed .desktop entry's name, so a desktop groups the
    // windows under its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kbd::kAppId));
    QApplication::setWindowIcon(kbd::toolkit::AppIcon());
    kbd::toolkit::InstallFontSubstitutes();

    kbd::ProgramWindows windows;
    windows.AllKeysForm.show();
    return QApplication::exec();
}
