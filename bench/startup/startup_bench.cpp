// Starts the editor and the baseline window in turn, each as a program of its own under the
// offscreen platform (or the one QT_QPA_PLATFORM names, e.g. xcb on a real or virtual X
// display, where the first shown window is a mapped one), and reports the editor's figures
// as ratios of the baseline's, measured in the same run. "Shown" is the first frame on
// screen; the peak memory is taken a moment later, once work put off until then is done.
// Both children lie beside this program in the build folder.
#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Figures = QMap<QString, double>;

// Runs `program` once and reads the "name=value" pairs of its line; empty when it failed.
Figures RunOnce(const QString& program) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    child.setProcessEnvironment(env);
    const auto launched = std::chrono::steady_clock::now().time_since_epoch();
    child.start(program, {QString::number(std::chrono::nanoseconds(launched).count())});
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        return {};
    }
    static const QRegularExpression pair(QStringLiteral(R"((\w+)=([\d.]+))"));
    Figures figures;
    const QString line = QString::fromLatin1(child.readAllStandardOutput());
    for (const auto& match : pair.globalMatch(line)) {
        figures.insert(match.captured(1), match.captured(2).toDouble());
    }
    return figures;
}

double Median(const std::vector<Figures>& runs, const QString& name) {
    std::vector<double> values;
    for (const Figures& run : runs) {
        values.push_back(run.value(name));
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    const QDir here(QCoreApplication::applicationDirPath());
    const QString editorProgram = here.filePath(QStringLiteral("bench_startup_editor"));
    const QString windowProgram = here.filePath(QStringLiteral("bench_startup_window"));

    std::vector<Figures> editor;
    std::vector<Figures> window;
    for (int i = 0; i < rounds; ++i) {
        // In turn, so that a machine growing busier weighs on both alike.
        const Figures w = RunOnce(windowProgram);
        const Figures e = RunOnce(editorProgram);
        if (w.isEmpty() || e.isEmpty()) {
            std::fprintf(stderr, "a measured start failed\n");
            return 1;
        }
        window.push_back(w);
        editor.push_back(e);
    }
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"));
    std::printf("median of %d starts each, %s; baseline: a 566 x 356 QMainWindow with four "
                "menus and an Arial bold label\n",
                rounds, qPrintable(platform));
    std::printf("%-28s %9s %9s %6s %7s\n", "", "editor", "baseline", "ratio", "target");
    const auto row = [&](const char* caption, const char* name, const char* target) {
        const double e = Median(editor, QString::fromLatin1(name));
        const double w = Median(window, QString::fromLatin1(name));
        std::printf("%-28s %9.1f %9.1f %6.2f %7s\n", caption, e, w, e / w, target);
    };
    row("launch to shown (ms)", "launch_ms", "<= 1.30");
    row("main() to shown (ms)", "startup_ms", "");
    row("peak resident, settled (kB)", "peak_kb", "<= 1.15");
    const auto single = [&](const char* caption, const char* name, const char* target) {
        std::printf("%-28s %9.1f %32s\n", caption, Median(editor, QString::fromLatin1(name)),
                    target);
    };
    single("ShowLayer (us)", "showlayer_us", "< 1000");
    single("EditKey, no wait (us)", "editkey_us", "< 1000");
    single("Font2Click apply (ms)", "font_ms", "< 30");
    return 0;
}
