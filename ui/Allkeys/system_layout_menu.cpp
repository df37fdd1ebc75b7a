// File, New from system layout: starts the layout over from one the desktop knows, in the
// code page chosen with it, as one undo step.
#include "all_keys_form.h"
#include "codepage/locales.h"
#include "file_menu.h"
#include "system_layouts/not_carried.h"
#include "ui/Document/layout_document.h"
#include "ui/Systemlayout/not_carried_window.h"
#include "ui/Systemlayout/system_layout_form.h"
#include "ui/toolkit/font_chooser.h"
#include "ui/toolkit/show_modeless.h"

namespace kbd {

void FileMenu::NewFromSystemLayout() {
    if (SystemLayoutForm_ == nullptr) {
        SystemLayoutForm_ = new TSystemLayoutForm(&form_);
    }
    const auto choice = SystemLayoutForm_->choose(form_.codePage().number());
    if (!choice) {
        return;
    }
    const QString id = QString::fromStdString(LayoutId(choice->which));
    document_.change(QStringLiteral("new layout from %1").arg(id), choice->built.layout);
    const WindowsLocale* locale = LayoutLocale(choice->which, choice->codePage);
    document_.setLocale(locale ? std::string(locale->name) : std::string());
    form_.HideScriptOffer();

    // The display takes the chosen code page as the font command's script would give it.
    form_.SwitchCodePage(choice->codePage);

    ShowNotCarried(id, choice->built.notCarried, choice->codePage);
}

void FileMenu::ShowNotCarried(const QString& source, const std::vector<NotCarried>& items,
                              int codePage) {
    if (items.empty()) {
        return;
    }
    const CodePage page = CodePage::LoadOrLatin1(codePage);
    QStringList lines;
    for (const NotCarried& item : items) {
        lines << QString::fromStdString(NotCarriedText(item, page));
    }
    if (NotCarried_ == nullptr) {
        NotCarried_ = new TNotCarriedWindow(&form_);
    }
    NotCarried_->list(source, lines, QString::fromStdString(NotCarriedSummary(items)));
    toolkit::ShowModeless(NotCarried_);
}

} // namespace kbd
