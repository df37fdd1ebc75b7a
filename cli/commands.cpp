#include "commands.h"

#include "formats/import_layout.h"
#include "formats/json_layout.h"
#include "key_table.h"
#include "layout/reader.h"
#include "layout/writer.h"
#include "layout_input.h"
#include "refuse.h"
#include "render/layout_picture.h"
#include "text_file.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <iostream>

namespace cli {
namespace {

ExitStatus Save(const kbd::KeyboardLayout& layout, const std::string& out) {
    const kbd::Status saved = kbd::SaveKbdFile(layout, out);
    return saved.ok() ? ExitOk : Refuse(saved.error().message());
}

// A full disk or a closed pipe would otherwise end a script's pipeline with status 0
// and half a layout.
ExitStatus PrintAll(const std::string& text) {
    std::cout << text << std::flush;
    return std::cout ? ExitOk : Refuse("cannot write to standard output");
}

} // namespace

ExitStatus WriteDefault(const std::string& out) {
    return Save(kbd::DefaultLayout(), out);
}

ExitStatus ExportJson(const std::string& kbdFile, const std::optional<std::string>& out,
                      const kbd::CodePage& page) {
    const auto layout = ReadLayout(kbdFile, page);
    if (!layout) {
        return ExitRefused;
    }
    const std::string text = formats::LayoutToJson(*layout);
    if (!out) {
        return PrintAll(text);
    }
    const kbd::Status written = WriteTextFile(*out, text);
    return written.ok() ? ExitOk : Refuse(written.error().message());
}

ExitStatus ImportToKbd(const std::string& file, const std::string& out, const kbd::CodePage& page) {
    const auto layout = ReadLayout(file, page);
    return layout ? Save(*layout, out) : ExitRefused;
}

ExitStatus ShowTable(const std::string& kbdFile, const kbd::CodePage& page) {
    const auto layout = ReadLayout(kbdFile, page);
    return layout ? PrintAll(KeyTable(*layout, page)) : ExitRefused;
}

ExitStatus CheckFile(const std::string& kbdFile, const kbd::CodePage& page) {
    const auto imported = ReadImport(kbdFile, page);
    if (!imported) {
        return ExitRefused;
    }
    kbd::KeyboardLayout opened = kbd::DefaultLayout();
    const std::string says = IsJsonPath(kbdFile) ? ": kbdtool import would take this file\n"
                             : kbd::LoadKbdFile(kbdFile, opened).ok()
                                 ? ": the editor would open this file\n"
                                 : ": File, Import would take this file (" +
                                       std::string(formats::ImportKindName(imported->kind)) + ")\n";
    return PrintAll(kbdFile + says);
}

ExitStatus WritePicture(const std::string& kbdFile, const std::string& out,
                        const kbd::CodePage& page) {
    const QString target = QString::fromStdString(out);
    if (!kbd::render::PictureFormatOf(target)) {
        return Refuse(out + ": not a picture format kbdtool writes (use .svg, .pdf or .png)");
    }
    const auto layout = ReadLayout(kbdFile, page);
    if (!layout) {
        return ExitRefused;
    }
    // Fonts need a GUI application, though nothing is shown: the offscreen platform lets
    // this run over ssh and in scripts, and QT_QPA_PLATFORM still wins when set.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char name[] = "kbdtool";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    kbd::render::PictureStyle style;
    style.codePage = page.number();
    style.title = QFileInfo(QString::fromStdString(kbdFile)).fileName();
    const kbd::Status written = kbd::render::ExportLayoutPicture(*layout, style, target);
    return written.ok() ? ExitOk : Refuse(written.error().message());
}

ExitStatus LintFile(const std::string& kbdFile, const kbd::CodePage& page) {
    const auto layout = ReadLayout(kbdFile, page);
    if (!layout) {
        return ExitRefused;
    }
    const std::vector<kbd::Finding> findings = kbd::CheckLayout(*layout, page);
    // "key 27 AltGr: loses data: ..." or "key 14: warning: ...", so that grep can pick
    // out a key, a layer or a severity.
    std::string text = findings.empty() ? "no findings\n" : "";
    for (const kbd::Finding& finding : findings) {
        text += "key " + std::to_string(finding.key);
        if (finding.layer != 0) {
            text += ' ';
            text += kbd::LayerName(finding.layer);
        }
        text += ": ";
        text += kbd::SeverityName(finding.severity);
        text += ": " + finding.text + "\n";
    }
    const ExitStatus printed = PrintAll(text);
    return printed == ExitOk && kbd::LosesData(findings) ? ExitRefused : printed;
}

} // namespace cli
