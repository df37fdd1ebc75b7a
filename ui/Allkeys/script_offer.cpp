// The status bar, and on it the offer of a better script.
#include "script_offer.h"

#include "all_keys_form.h"
#include "layout/script_reading.h"
#include "ui/Document/layout_document.h"
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

ScriptOffer::ScriptOffer(LayoutDocument& document, QStatusBar* bar)
    : QWidget(bar), document_(document), bar_(bar) {
    setObjectName(QStringLiteral("ScriptOffer"));
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("ScriptOfferText"));
    button_ = new QPushButton(this);
    button_->setObjectName(QStringLiteral("ScriptOfferButton"));
    auto* dismiss = new QPushButton(QStringLiteral("Keep"), this);
    dismiss->setObjectName(QStringLiteral("ScriptOfferDismiss"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text_, 1);
    row->addWidget(button_);
    row->addWidget(dismiss);
    bar->addWidget(this, 1);
    hide();

    connect(button_, &QPushButton::clicked, this, [this] {
        const int codePage = offered_;
        Withdraw();
        emit taken(codePage);
    });
    connect(dismiss, &QPushButton::clicked, this, &ScriptOffer::Withdraw);
    // Another script chosen by hand answers the offer too.
    connect(&document_, &LayoutDocument::codePageChanged, this, [this] {
        if (document_.codePage().number() == offered_) {
            Withdraw();
        }
    });
}

void ScriptOffer::Offer() {
    const auto better = BetterCodePage(document_.layout(), document_.codePage().number());
    if (!better) {
        Withdraw();
        return;
    }
    offered_ = *better;
    const QString name = ScriptName(*better);
    text_->setText(
        QStringLiteral("This layout looks like %1 (%2). Show it in %1?").arg(name).arg(*better));
    button_->setText(QStringLiteral("Show in %1").arg(name));
    bar_->clearMessage();
    show();
}

void ScriptOffer::Withdraw() {
    offered_ = 0;
    hide();
}

void TAllKeysForm::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false); // the border does not resize the window
    scriptOffer_ = new ScriptOffer(document_, bar);
    connect(scriptOffer_, &ScriptOffer::taken, this, &TAllKeysForm::SwitchCodePage);
}

void TAllKeysForm::OfferBetterScript() {
    scriptOffer_->Offer();
}

void TAllKeysForm::HideScriptOffer() {
    if (scriptOffer_ != nullptr) {
        scriptOffer_->Withdraw();
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
