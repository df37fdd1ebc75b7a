#include "export_menu.h"

#include "all_keys_form.h"
#include "exports/floppy.h"
#include "exports/klc.h"
#include "exports/xkb_symbols.h"
#include "layout/keyboard_layout.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/messages.h"

#include <QAction>
#include <QFile>
#include <QMenu>

namespace kbd {
namespace {

// An export of the document's layout, characters read in `page`, to `path`; the layout
// is named after the file.
using Exporter = Status (*)(const LayoutDocument& document, const CodePage& page,
                            std::string_view name, const std::string& path);

struct ExportItem {
    const char* name;
    const char* caption;
    const char* chooser;
    const char* title;
    QStringList filters;
    const char* suffix; // added to a name typed without one; empty for none
    const char* proposed;
    Exporter run;
    // What the user should know of a finished export, or nothing: a name it changed.
    std::string (*notice)(std::string_view name, const std::string& path) = nullptr;
};

void RunExport(TAllKeysForm& form, toolkit::FileChooser& chooser, const ExportItem& item) {
    const auto chosen = chooser.choose();
    if (!chosen) {
        return;
    }
    const std::string path = QFile::encodeName(*chosen).toStdString();
    // The layout being edited, characters read in the code page its keys show now.
    const std::string name = exports::FileStem(path);
    const Status written = item.run(form.document(), form.codePage().page(), name, path);
    if (!written.ok()) {
        toolkit::ShowError(&form, QStringLiteral("Error in Exporting"), written.error());
        return;
    }
    if (const std::string notice = item.notice ? item.notice(name, path) : ""; !notice.empty()) {
        QString text = QString::fromStdString(notice) + QLatin1Char('.');
        text[0] = text[0].toUpper();
        toolkit::ShowMessage(&form, QString::fromLatin1(item.title), text);
    }
}

void AddItem(TAllKeysForm* form, QMenu* tools, const ExportItem& item) {
    auto* chooser = new toolkit::FileChooser(form, [item](QFileDialog& dialog) {
        dialog.setWindowTitle(QString::fromLatin1(item.title));
        dialog.setNameFilters(item.filters);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QString::fromLatin1(item.suffix));
    });
    chooser->setObjectName(QString::fromLatin1(item.chooser));
    chooser->setFileName(QString::fromLatin1(item.proposed));
    QAction* action = tools->addAction(QString::fromLatin1(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    QObject::connect(action, &QAction::triggered, form,
                     [form, chooser, item] { RunExport(*form, *chooser, item); });
}

} // namespace

void AddExportItems(TAllKeysForm* form, QMenu* tools) {
    tools->addSeparator();
    AddItem(
        form, tools,
        {"ExportXkb1",
         "Export for &Linux (XKB)...",
         "XkbDialog",
         "Export for Linux (XKB)",
         // A symbols file a desktop loads by its name has no extension.
         {QStringLiteral("XKB symbols, no extension (*)"), QStringLiteral("XKB symbols (*.xkb)")},
         "",
         "kbd_qz",
         [](const LayoutDocument& document, const CodePage& page, std::string_view name,
            const std::string& path) {
             return exports::ExportXkbSymbols(document.layout(), page, name, path);
         }});
    AddItem(form, tools,
            {"ExportKlc1",
             "Export for &Windows NT (.klc)...",
             "KlcDialog",
             "Export for Windows NT (.klc)",
             {QStringLiteral("MSKLC source (*.klc)")},
             "klc",
             "kbd_qz.klc",
             [](const LayoutDocument& document, const CodePage& page, std::string_view name,
                const std::string& path) {
                 // The language the layout came from, in the script shown where it has
                 // one (the built-in Serbian shown in Cyrillic); else the code page's.
                 const WindowsLocale* locale = FindLocale(document.locale());
                 if (locale != nullptr && locale->codePage != page.number()) {
                     locale = LocaleOfLanguage(locale->iso639, page.number());
                 }
                 return exports::ExportKlc(document.layout(), page, name, path,
                                           locale ? *locale : MainLocale(page.number()));
             }});
    AddItem(form, tools,
            {"MakeFloppy1",
             "Make install &floppy...",
             "FloppyDialog",
             "Make install floppy",
             {QStringLiteral("Floppy image (*.img)")},
             "img",
             "kbd_qz.img",
             [](const LayoutDocument& document, const CodePage&, std::string_view name,
                const std::string& path) {
                 return exports::MakeInstallFloppy(document.layout(), name, path);
             },
             [](std::string_view name, const std::string& path) {
                 const auto chosen = exports::ChooseFloppyName(name, path);
                 return chosen.ok() ? chosen.value().note : std::string();
             }});
}

} // namespace kbd
