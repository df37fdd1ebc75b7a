#include "more_layers_form.h"

#include "compose_from_unicode.h"
#include "layout/dead_keys.h"
#include "layout/key_places.h"
#include "layout/keyboard_layout.h"
#include "ui/Allkeys/form_geometry.h"
#include "ui/Document/layout_document.h"
#include "ui/toolkit/byte_button.h"
#include "ui/toolkit/cell_drag.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>

namespace kbd {
namespace {

constexpr int kTop = 36; // room for the heading above the keys
// Where a row of the dead-key list keeps its dead character, and a composition its base.
constexpr int kDeadRole = Qt::UserRole;
constexpr int kBaseRole = Qt::UserRole + 1;

// The code of the main window's palette cell a drag carries.
std::optional<std::uint8_t> DroppedCode(const QMimeData* data) {
    const auto cell = toolkit::CellNumber(data);
    if (!cell || *cell < 1 || *cell > allkeys::kCellCount) {
        return std::nullopt;
    }
    return allkeys::CellCode(*cell);
}

} // namespace

TMoreLayersForm::TMoreLayersForm(LayoutDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("MoreLayersForm"));
    setWindowTitle(QStringLiteral("More layers"));
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("MoreLayersPages"));
    pages->addTab(MakeKeysPage(), QStringLiteral("Shift+AltGr"));
    pages->addTab(MakeDeadKeysPage(), QStringLiteral("Dead keys"));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(4, 4, 4, 4);
    frame->addWidget(pages);
    // The keys stand where the main window has them, so the window takes the size they
    // need and keeps it.
    frame->setSizeConstraint(QLayout::SetFixedSize);
    connect(&document_, &LayoutDocument::layoutChanged, this, &TMoreLayersForm::ShowAll);
    connect(&document_, &LayoutDocument::keyChanged, this, [this](int index) {
        ShowKey(index);
        ShowDeadKeys(); // the key's character may have become dead or plain
    });
    connect(&document_.codePage(), &toolkit::ShownCodePage::changed, this,
            &TMoreLayersForm::ShowDeadKeys);
    ShowAll();
}

QWidget* TMoreLayersForm::MakeKeysPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ShiftAltGrPage"));
    auto* heading = new QLabel(
        QStringLiteral("Shift+AltGr: drop a character on a key, click a key to pick one, "
                       "right-click to make it dead."),
        page);
    heading->setWordWrap(true);
    heading->setGeometry(8, 2, 462, 32);
    for (int n = 1; n <= kKeyCount; ++n) {
        const KeyPlace& place = kKeyPlaces[static_cast<std::size_t>(n - 1)];
        auto* key = new toolkit::ByteButton(document_.codePage(), QString(), page);
        key->setObjectName(QStringLiteral("ShiftAltGrKey%1").arg(n));
        key->setGeometry(place.left, place.top + kTop, kKeySide, kKeySide);
        key->setAcceptDrops(true);
        key->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(key, &toolkit::ByteButton::dragOver, this, [](QDragMoveEvent* event) {
            if (DroppedCode(event->mimeData())) {
                event->acceptProposedAction();
            }
        });
        connect(key, &toolkit::ByteButton::dropped, this, [this, n](QDropEvent* event) {
            if (const auto code = DroppedCode(event->mimeData())) {
                event->acceptProposedAction();
                SetShiftAltGr(n, *code);
            }
        });
        connect(key, &toolkit::ByteButton::clicked, this, [this, n] { PickCharacter(n); });
        connect(key, &QWidget::customContextMenuRequested, this,
                [this, n, key](const QPoint& at) { OfferMenu(n, key->mapToGlobal(at)); });
        keys_[static_cast<std::size_t>(n - 1)] = key;
    }
    int bottom = 0;
    for (const KeyPlace& place : kKeyPlaces) {
        bottom = std::max(bottom, place.top + kKeySide);
    }
    page->setMinimumSize(478, kTop + bottom + 8);
    return page;
}

QWidget* TMoreLayersForm::MakeDeadKeysPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("DeadKeysPage"));
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
    connect(deadKeys_, &QTreeWidget::itemSelectionChanged, this, &TMoreLayersForm::EnableButtons);
    connect(add_, &QPushButton::clicked, this, &TMoreLayersForm::AskComposition);
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
    return page;
}

void TMoreLayersForm::SetShiftAltGr(int number, std::uint8_t code) {
    KeyboardLayout changed = document_.layout();
    changed.ShiftAltGrChar[static_cast<std::size_t>(number - 1)] = code > kNoAltGr ? code : 0;
    document_.changeKey(
        QStringLiteral("Shift+AltGr %1 on key %2")
            .arg(code > kNoAltGr ? document_.codePage().text(code) : QStringLiteral("none"))
            .arg(number),
        number - 1, changed);
}

void TMoreLayersForm::SetDead(int number, bool dead) {
    KeyboardLayout changed = document_.layout();
    kbd::SetDead(changed, number - 1, CharLayer::ShiftAltGr, dead);
    document_.changeKey(QStringLiteral("%1 Shift+AltGr on key %2")
                            .arg(dead ? QStringLiteral("dead") : QStringLiteral("plain"))
                            .arg(number),
                        number - 1, changed);
}

void TMoreLayersForm::AddComposition(std::uint8_t dead, std::uint8_t base, std::uint8_t result) {
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

void TMoreLayersForm::RemoveComposition(std::uint8_t dead, std::uint8_t base) {
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

void TMoreLayersForm::ComposeFromUnicode(std::uint8_t dead) {
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

void TMoreLayersForm::ShowKey(int index) {
    const auto i = static_cast<std::size_t>(index);
    const std::uint8_t code = document_.layout().ShiftAltGrChar[i];
    keys_[i]->setCode(code > kNoAltGr ? code : kNoAltGr);
    const bool dead = IsDead(document_.layout(), index, CharLayer::ShiftAltGr);
    keys_[i]->setToolTip(dead ? QStringLiteral("Dead key") : QString());
    keys_[i]->setMarked(dead);
}

void TMoreLayersForm::ShowAll() {
    for (int i = 0; i < kKeyCount; ++i) {
        ShowKey(i);
    }
    ShowDeadKeys();
}

QString TMoreLayersForm::Shown(std::uint8_t code) const {
    if (code == ' ') { // a blank would read as a missing base
        return QStringLiteral("Space");
    }
    if (!document_.codePage().page().defined(code)) {
        return QStringLiteral("0x") + QString::number(code, 16).toUpper().rightJustified(2, u'0');
    }
    return document_.codePage().text(code);
}

void TMoreLayersForm::ShowDeadKeys() {
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

void TMoreLayersForm::EnableButtons() {
    add_->setEnabled(SelectedDead().has_value());
    compose_->setEnabled(SelectedDead().has_value());
    remove_->setEnabled(SelectedBase().has_value());
}

std::optional<std::uint8_t> TMoreLayersForm::SelectedDead() const {
    const QTreeWidgetItem* item = deadKeys_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(item->data(0, kDeadRole).toInt());
}

std::optional<std::uint8_t> TMoreLayersForm::SelectedBase() const {
    const QTreeWidgetItem* item = deadKeys_->currentItem();
    if (item == nullptr || !item->isSelected() || !item->data(0, kBaseRole).isValid()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(item->data(0, kBaseRole).toInt());
}

void TMoreLayersForm::AskComposition() {
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

void TMoreLayersForm::PickCharacter(int number) {
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("ShiftAltGrDialog"));
    dialog.setWindowTitle(QStringLiteral("Shift+AltGr of key %1").arg(number));
    dialog.setLabelText(QStringLiteral("Character:"));
    QStringList items{QStringLiteral("(none)")};
    for (int code = kNoAltGr + 1; code <= 255; ++code) {
        items << document_.codePage().text(static_cast<std::uint8_t>(code));
    }
    dialog.setComboBoxItems(items);
    const std::uint8_t now =
        document_.layout().ShiftAltGrChar[static_cast<std::size_t>(number - 1)];
    dialog.setTextValue(items.value(now > kNoAltGr ? now - kNoAltGr : 0));
    if (dialog.exec() == QDialog::Accepted) {
        const int row = static_cast<int>(items.indexOf(dialog.textValue()));
        SetShiftAltGr(number, row > 0 ? static_cast<std::uint8_t>(row + kNoAltGr) : 0);
    }
}

void TMoreLayersForm::OfferMenu(int number, const QPoint& where) {
    const auto i = static_cast<std::size_t>(number - 1);
    QMenu menu(this);
    QAction* dead = menu.addAction(QStringLiteral("&Dead key"));
    dead->setObjectName(QStringLiteral("DeadKey1"));
    dead->setCheckable(true);
    dead->setChecked(IsDead(document_.layout(), number - 1, CharLayer::ShiftAltGr));
    dead->setEnabled(document_.layout().ShiftAltGrChar[i] > kNoAltGr);
    if (menu.exec(where) == dead) {
        SetDead(number, dead->isChecked());
    }
}

} // namespace kbd
