// Starts the editor and a bare QMainWindow of the same client size in turn, each in a
// process of its own from this same binary, and reports the editor's figures as ratios of
// the bare window's, measured in the same run.
#include "child_run.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Figures {
    double startupMs = 0; // main() entry to the window shown, inside the process
    double launchMs = 0;  // the parent starting the process to the window shown
    double peakKb = 0;    // peak resident memory
    double showLayerUs = 0;
    double editKeyUs = 0;
    double fontMs = 0;
};

bool RunOnce(const QString& self, const char* which, Figures& out) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    const auto launched = std::chrono::steady_clock::now().time_since_epoch();
    child.start(self, {QStringLiteral("--child"), QString::fromLatin1(which),
                       QString::number(std::chrono::nanoseconds(launched).count())});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) {
        return false;
    }
    static const QRegularExpression line(QStringLiteral(
        R"(startup_ms=([\d.]+) launch_ms=([\d.]+) peak_kb=(\d+) showlayer_us=([\d.]+) )"
        R"(editkey_us=([\d.]+) font_ms=([\d.]+))"));
    const auto match = line.match(QString::fromLatin1(child.readAllStandardOutput()));
    if (!match.hasMatch()) {
        return false;
    }
    out.startupMs = match.captured(1).toDouble();
    out.launchMs = match.captured(2).toDouble();
    out.peakKb = match.captured(3).toDouble();
    out.showLayerUs = match.captured(4).toDouble();
    out.editKeyUs = match.captured(5).toDouble();
    out.fontMs = match.captured(6).toDouble();
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Figures Medians(const std::vector<Figures>& runs) {
    const auto pick = [&](double Figures::*field) {
        std::vector<double> values;
        for (const Figures& run : runs) {
            values.push_back(run.*field);
        }
        return Median(values);
    };
    return {pick(&Figures::startupMs),   pick(&Figures::launchMs),  pick(&Figures::peakKb),
            pick(&Figures::showLayerUs), pick(&Figures::editKeyUs), pick(&Figures::fontMs)};
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        return bench::RunChild(argv[2], argc >= 4 ? std::atoll(argv[3]) : 0, argc, argv);
    }
    QCoreApplication app(argc, argv);
    const int rounds = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 9;
    const QString self = QCoreApplication::applicationFilePath();

    std::vector<Figures> editor;
    std::vector<Figures> bare;
    std::vector<Figures> text;
    for (int i = 0; i < rounds; ++i) {
        // In turn, so that a machine growing busier weighs on all alike.
        Figures e;
        Figures b;
        Figures t;
        if (!RunOnce(self, "bare", b) || !RunOnce(self, "editor", e) || !RunOnce(self, "text", t)) {
            std::fprintf(stderr, "a measured start failed\n");
            return 1;
        }
        bare.push_back(b);
        editor.push_back(e);
        text.push_back(t);
    }
    const Figures e = Medians(editor);
    const Figures b = Medians(bare);
    const Figures t = Medians(text);
    std::printf("median of %d starts each, offscreen\n", rounds);
    std::printf("%-26s %8s %8s %6s %8s %6s %7s\n", "", "editor", "bare", "ratio", "text", "ratio",
                "target");
    const auto row = [](const char* name, double editorValue, double bareValue, double textValue,
                        const char* target) {
        std::printf("%-26s %8.1f %8.1f %6.2f %8.1f %6.2f %7s\n", name, editorValue, bareValue,
                    editorValue / bareValue, textValue, editorValue / textValue, target);
    };
    row("start-up to shown (ms)", e.startupMs, b.startupMs, t.startupMs, "<= 1.5");
    row("launch to shown (ms)", e.launchMs, b.launchMs, t.launchMs, "");
    row("peak resident memory (kB)", e.peakKb, b.peakKb, t.peakKb, "<= 1.3");
    std::printf("%-26s %8.1f %45s\n", "ShowLayer (us)", e.showLayerUs, "< 1000");
    std::printf("%-26s %8.1f %45s\n", "EditKey, no wait (us)", e.editKeyUs, "< 1000");
    std::printf("%-26s %8.1f %45s\n", "Font2Click apply (ms)", e.fontMs, "< 30");
    return 0;
}
