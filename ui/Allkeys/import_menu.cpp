// File, Import: a layout from a keyboard file of any kind the imports read (a Windows
// keyboard file of any origin, an MSKLC source, an XKB symbols file, our JSON), read by
// the same code as kbdtool's, as one undo step.
#include "all_keys_form.h"
#include "file_menu.h"
#include "formats/import_layout.h"
#include "system_layouts/not_carried.h"
#include "ui/Document/layout_document.h"
#include "ui/toolkit/file_chooser.h"
#include "ui/toolkit/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QInputDialog>

namespace kbd {
namespace {

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The code page the characters of a .klc or XKB file become bytes of, preset from what the
// file says or else the one shown; nothing when the user cancels.
std::optional<int> AskCodePage(QWidget* parent, const QString& file, int preset) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ImportScriptDialog"));
    dialog.setWindowTitle(QStringLiteral("Import"));
    dialog.setLabelText(QStringLiteral("Script for the characters of %1:").arg(file));
    QStringList names;
    QString current;
    for (const Script& script : Scripts()) {
        names << QString::fromUtf8(script.name.data(), static_cast<qsizetype>(script.name.size()));
        if (script.codePage == preset) {
            current = names.back();
        }
    }
    dialog.setComboBoxItems(names);
    dialog.setTextValue(current.isEmpty() ? names.front() : current);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return Scripts()[static_cast<std::size_t>(names.indexOf(dialog.textValue()))].codePage;
}

void Refuse(QWidget* parent, const Error& error) {
    toolkit::ShowError(parent, QStringLiteral("Error in Importing"), error);
}

} // namespace

void FileMenu::Import() {
    if (ImportDialog_ == nullptr) {
        ImportDialog_ = new toolkit::FileChooser(&form_, [](QFileDialog& chooser) {
            chooser.setWindowTitle(QStringLiteral("Import a keyboard file"));
            chooser.setNameFilters(
                {QStringLiteral("Keyboard files (*.kbd *.KBD *.klc *.KLC *.json)"),
                 QStringLiteral("All files, XKB symbols files too (*)")});
            chooser.setAcceptMode(QFileDialog::AcceptOpen);
            chooser.setFileMode(QFileDialog::ExistingFile);
        });
        ImportDialog_->setObjectName(QStringLiteral("ImportDialog1"));
    }
    const auto chosen = ImportDialog_->choose();
    if (!chosen) {
        return;
    }
    const std::string path = LocalPath(*chosen);
    const QString name = QFileInfo(*chosen).fileName();
    const auto probe = formats::ProbeImport(path);
    if (!probe.ok()) {
        Refuse(&form_, probe.error());
        return;
    }
    // KBD and JSON layouts are bytes already; .klc and XKB characters need a code page.
    const formats::ImportKind kind = probe.value().kind;
    const bool characters =
        kind == formats::ImportKind::Klc || kind == formats::ImportKind::XkbSymbols;
    std::optional<int> page = probe.value().codePage;
    if (characters) {
        page = AskCodePage(&form_, name, page.value_or(form_.codePage().number()));
        if (!page) {
            return;
        }
    }
    const auto imported = formats::ImportLayout(
        path, CodePage::LoadOrLatin1(page.value_or(form_.codePage().number())));
    if (!imported.ok()) {
        Refuse(&form_, imported.error());
        return;
    }
    document_.change(QStringLiteral("import of %1").arg(name), imported.value().layout);
    document_.setLocale({});
    form_.HideScriptOffer();
    if (page) {
        form_.SwitchCodePage(*page);
    } else {
        form_.OfferBetterScript();
    }
    ShowNotCarried(name, imported.value().notCarried, page.value_or(form_.codePage().number()));
}

} // namespace kbd
