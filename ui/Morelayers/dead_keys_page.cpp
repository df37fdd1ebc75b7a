#include "dead_keys_page.h"

#include "compose_from_unicode.h"
#include "layout/dead_keys.h"
#include "layout/key_places.h"
#include "ui/Document/layout_document.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace kbd {
namespace {

// Where a row of the dead-key list keeps its dead character, and a composition its base.
constexpr int kDeadRole = Qt::UserRole;
constexpr int kBaseRole = Qt::UserRole + 1;

} // namespace

DeadKeysPage::DeadKeysPage(LayoutDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("DeadKeysPage"));
    auto* page = this;
    auto* heading = new QLabel(
        QStringLiteral("Each dead character, and under it what it types with the key after it."),
        page);
    heading->setWordWrap(true);
    deadKeys_ = new QTreeWidget(page);
    deadKeys_->setObjectName(QStringLiteral("DeadKeyList"));
    deadKeys_->setHeaderHidden(true);
    deadKeys_->setColumnCount(1);
    add_ = new QPushButton(QStringLiteral("&Add..."), page);
    add_->setObjectName(QStringLiteral("AddComposition"));
    remove_ = new QPushButton(QStringLiteral("&Remove"), page);
    remove_->setObjectName(QStringLiteral("RemoveComposition"));
    compose_ = new QPushButton(QStringLiteral("Compose from &Unicode"), page);
    compose_->setObjectName(QStringLiteral("ComposeFromUnicode"));
    status_ = new QLabel(page);
    status_->setObjectName(QStringLiteral("DeadKeysStatus"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addWidget(compose_);
    buttons->addStretch();
    auto* column = new QVBoxLayout(page);
    column->addWidget(heading);
    column->addWidget(deadKeys_, 1);
    column->addLayout(buttons);
    column->addWidget(status_);
    connect(deadKeys_, &QTreeWidget::itemSelectionChanged, this, &DeadKeysPage::EnableButtons);
    connect(add_, &QPushButton::clicked, this, &DeadKeysPage::AskComposition);
    connect(remove_, &QPushButton::clicked, this, [this] {
        if (const auto dead = SelectedDead(), base = SelectedBase(); dead && base) {
            RemoveComposition(*dead, *base);
        }
    });
    connect(compose_, &QPushButton::clicked, this, [this] {
        if (const auto dead = SelectedDead()) {
            ComposeFromUnicode(*dead);
        }
    });
    connect(&document_, &LayoutDocument::layoutChanged, this, &DeadKeysPage::ShowDeadKeys);
    // A key's character may have become dead or plain.
    connect(&document_, &LayoutDocument::keyChanged, this, &DeadKeysPage::ShowDeadKeys);
    connect(&document_.codePage(), &toolkit::ShownCodePage::changed, this,
            &DeadKeysPage::ShowDeadKeys);
    ShowDeadKeys();
}

void DeadKeysPage::AddComposition(std::uint8_t dead, std::uint8_t base, std::uint8_t result) {
    KeyboardLayout changed = document_.layout();
    SetComposition(changed, {dead, base, result});
    if (changed == document_.layout()) {
        status_->setText(QStringLiteral("Dead %1 already composes %2 into %3")
                             .arg(Shown(dead), Shown(base), Shown(result)));
        return;
    }
    document_.change(QStringLiteral("composition %1 \u2192 %2 of dead %3")
                         .arg(Shown(base), Shown(result), Shown(dead)),
                     changed);
}

void DeadKeysPage::RemoveComposition(std::uint8_t dead, std::uint8_t base) {
    const auto result = Composed(document_.layout(), dead, base);
    if (!result) {
        return;
    }
    KeyboardLayout changed = document_.layout();
    kbd::RemoveComposition(changed, dead, base);
    document_.change(QStringLiteral("removal of %1 \u2192 %2 from dead %3")
                         .arg(Shown(base), Shown(*result), Shown(dead)),
                     changed);
}

void DeadKeysPage::ComposeFromUnicode(std::uint8_t dead) {
    KeyboardLayout changed = document_.layout();
    const auto unicode = kbd::ComposeFromUnicode(document_.codePage().page(), dead);
    int added = 0;
    for (const Composition& made : unicode) {
        // What the user composed stays, even where Unicode would say otherwise.
        if (!Composed(changed, dead, made.base)) {
            SetComposition(changed, made);
            ++added;
        }
    }
    if (unicode.empty()) {
        status_->setText(QStringLiteral("Unicode composes nothing with dead %1 in code page %2")
                             .arg(Shown(dead))
                             .arg(document_.codePage().number()));
        return;
    }
    if (added == 0) {
        status_->setText(QStringLiteral("Dead %1 already composes every base Unicode composes")
                             .arg(Shown(dead)));
        return;
    }
    document_.change(QStringLiteral("compositions of dead %1 from Unicode").arg(Shown(dead)),
                     changed);
    status_->setText(added == 1 ? QStringLiteral("1 composition added")
                                : QStringLiteral("%1 compositions added").arg(added));
}

QString DeadKeysPage::Shown(std::uint8_t code) const {
    if (code == ' ') { // a blank would read as a missing base
        return QStringLiteral("Space");
    }
    if (!document_.codePage().page().defined(code)) {
        return QStringLiteral("0x") + QString::number(code, 16).toUpper().rightJustified(2, u'0');
    }
    return document_.codePage().text(code);
}

void DeadKeysPage::ShowDeadKeys() {
    // Rebuilt whole, which a few hundred rows at most make cheap; the selected row stays.
    const auto dead = SelectedDead();
    const auto base = SelectedBase();
    const QSignalBlocker quiet(deadKeys_);
    deadKeys_->clear();
    status_->clear(); // it spoke of the layout before this change
    QTreeWidgetItem* selected = nullptr;
    for (const std::uint8_t character : DeadCharacters(document_.layout())) {
        const auto compositions = CompositionsOf(document_.layout(), character);
        auto* item = new QTreeWidgetItem(deadKeys_);
        item->setText(0, compositions.empty()
                             ? QStringLiteral("%1 (no compositions)").arg(Shown(character))
                             : Shown(character));
        item->setData(0, kDeadRole, character);
        if (dead == character && !base) {
            selected = item;
        }
        for (const Composition& c : compositions) {
            auto* row = new QTreeWidgetItem(item);
            row->setText(0, QStringLiteral("%1 \u2192 %2").arg(Shown(c.base), Shown(c.result)));
            row->setData(0, kDeadRole, character);
            row->setData(0, kBaseRole, c.base);
            if (dead == character && base == c.base) {
                selected = row;
            }
        }
    }
    deadKeys_->expandAll();
    if (selected == nullptr && dead) {
        // The selected composition went: its dead character is the nearest row left.
        for (int i = 0; i < deadKeys_->topLevelItemCount(); ++i) {
            if (deadKeys_->topLevelItem(i)->data(0, kDeadRole).toInt() == *dead) {
                selected = deadKeys_->topLevelItem(i);
            }
        }
    }
    if (selected != nullptr) {
        deadKeys_->setCurrentItem(selected);
    }
    EnableButtons();
}

void DeadKeysPage::EnableButtons() {
    add_->setEnabled(SelectedDead().has_value());
    compose_->setEnabled(SelectedDead().has_value());
    remove_->setEnabled(SelectedBase().has_value());
}

std::optional<std::uint8_t> DeadKeysPage::SelectedDead() const {
    const QTreeWidgetItem* item = deadKeys_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(item->data(0, kDeadRole).toInt());
}

std::optional<std::uint8_t> DeadKeysPage::SelectedBase() const {
    const QTreeWidgetItem* item = deadKeys_->currentItem();
    if (item == nullptr || !item->isSelected() || !item->data(0, kBaseRole).isValid()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(item->data(0, kBaseRole).toInt());
}

void DeadKeysPage::AskComposition() {
    const auto dead = SelectedDead();
    if (!dead) {
        return;
    }
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("CompositionDialog"));
    dialog.setWindowTitle(QStringLiteral("Composition of dead %1").arg(Shown(*dead)));
    auto* base = new QComboBox(&dialog);
    base->setObjectName(QStringLiteral("CompositionBase"));
    auto* result = new QComboBox(&dialog);
    result->setObjectName(QStringLiteral("CompositionResult"));
    for (int code = kNoAltGr + 1; code <= 255; ++code) {
        const auto byte = static_cast<std::uint8_t>(code);
        if (document_.codePage().page().defined(byte)) {
            base->addItem(Shown(byte), code);
            result->addItem(Shown(byte), code);
        }
    }
    auto* answer = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(answer, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(answer, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* fields = new QFormLayout(&dialog);
    fields->addRow(QStringLiteral("&Base:"), base);
    fields->addRow(QStringLiteral("&Result:"), result);
    fields->addRow(answer);
    if (dialog.exec() == QDialog::Accepted) {
        AddComposition(*dead, static_cast<std::uint8_t>(base->currentData().toInt()),
                       static_cast<std::uint8_t>(result->currentData().toInt()));
    }
}

} // namespace kbd
