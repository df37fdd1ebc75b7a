// The baseline: a fixed 566 x 356 QMainWindow, the editor's outer size, with a menu bar of
// four menus and one Arial bold label, so that the font system loads as in any program
// that draws text. Argument: the steady-clock reading at which the parent launched it.
#include "shown.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const auto start = bench::Clock::now();
    const long long launchedNs = argc >= 2 ? std::atoll(argv[1]) : 0;
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("baseline"));
    for (const char* title : {"&File", "&Options", "&Tools", "&Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(title));
    }
    auto* label = new QLabel(QStringLiteral("Tavik's Keyboard Generator"), &window);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    label->setFont(font);
    window.setCentralWidget(label);
    window.setFixedSize(566, 356);
    window.show();
    bench::WaitExposed(window);
    const auto shown = bench::Clock::now();
    bench::Settle(bench::kSettleMs);
    std::printf("%s\n", bench::StartFigures(start, shown, launchedNs).c_str());
    return 0;
}
