// The status bar, and on it the offer of a better script for a layout just opened: a bar
// rather than a message box, so the user may go on without answering.
#include "all_keys_form.h"
#include "layout/script_reading.h"
#include "ui/toolkit/font_chooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace kbd {

namespace {

constexpr int kStatusMilliseconds = 5000;

QString ScriptName(int codePage) {
    const std::string_view name = CodePageName(codePage);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

void TAllKeysForm::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false); // the border does not resize the window

    scriptOffer_ = new QWidget(bar);
    scriptOffer_->setObjectName(QStringLiteral("ScriptOffer"));
    scriptOfferText_ = new QLabel(scriptOffer_);
    scriptOfferText_->setObjectName(QStringLiteral("ScriptOfferText"));
    scriptOfferButton_ = new QPushButton(scriptOffer_);
    scriptOfferButton_->setObjectName(QStringLiteral("ScriptOfferButton"));
    auto* dismiss = new QPushButton(QStringLiteral("Keep"), scriptOffer_);
    dismiss->setObjectName(QStringLiteral("ScriptOfferDismiss"));
    auto* row = new QHBoxLayout(scriptOffer_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(scriptOfferText_, 1);
    row->addWidget(scriptOfferButton_);
    row->addWidget(dismiss);
    bar->addWidget(scriptOffer_, 1);
    scriptOffer_->hide();

    connect(scriptOfferButton_, &QPushButton::clicked, this, [this] {
        const int codePage = offeredCodePage_;
        HideScriptOffer();
        SwitchCodePage(codePage);
    });
    connect(dismiss, &QPushButton::clicked, this, &TAllKeysForm::HideScriptOffer);
    // Another script chosen by hand answers the offer too.
    connect(&document_, &LayoutDocument::codePageChanged, this, [this] {
        if (codePage().number() == offeredCodePage_) {
            HideScriptOffer();
        }
    });
}

void TAllKeysForm::OfferBetterScript() {
    const auto better = BetterCodePage(document_.layout(), codePage().number());
    if (!better) {
        HideScriptOffer();
        return;
    }
    offeredCodePage_ = *better;
    const QString name = ScriptName(*better);
    scriptOfferText_->setText(
        QStringLiteral("This layout looks like %1 (%2). Show it in %1?").arg(name).arg(*better));
    scriptOfferButton_->setText(QStringLiteral("Show in %1").arg(name));
    statusBar()->clearMessage();
    scriptOffer_->show();
}

void TAllKeysForm::HideScriptOffer() {
    offeredCodePage_ = 0;
    if (scriptOffer_ != nullptr) {
        scriptOffer_->hide();
    }
}

void TAllKeysForm::ShowStatus(const QString& text) {
    statusBar()->showMessage(text, kStatusMilliseconds);
}

void TAllKeysForm::SwitchCodePage(int codePage) {
    toolkit::DisplayFont font = FontDialog1->font();
    font.codePage = codePage;
    FontDialog1->setFont(font);
    ApplyChooserFont();
}

} // namespace kbd
