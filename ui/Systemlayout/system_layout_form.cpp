#include "system_layout_form.h"

#include "key_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kbd {

namespace {

enum Column { DescriptionColumn, NameColumn };
constexpr int kIndexRole = Qt::UserRole;

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TSystemLayoutForm::TSystemLayoutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SystemLayoutForm"));
    setWindowTitle(QStringLiteral("New from system layout"));

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("LayoutFilter"));
    filter_->setPlaceholderText(QStringLiteral("Filter by name or description"));
    filter_->setClearButtonEnabled(true);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("LayoutList"));
    list_->setHeaderLabels({QStringLiteral("Layout"), QStringLiteral("Name")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setSectionResizeMode(DescriptionColumn, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(NameColumn, QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(false);

    scripts_ = new QComboBox(this);
    scripts_->setObjectName(QStringLiteral("ScriptBox"));
    for (const Script& script : Scripts()) {
        scripts_->addItem(FromStd(script.name), script.codePage);
    }

    // Off: a dead accent becomes the accent itself, as a file without dead keys types it.
    deadKeys_ = new QCheckBox(QStringLiteral("Keep &dead keys"), this);
    deadKeys_->setObjectName(QStringLiteral("KeepDeadKeys"));
    deadKeys_->setChecked(true);

    preview_ = new TKeyPreview(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("PreviewStatus"));
    status_->setWordWrap(true);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Filter:"), filter_);
    form->addRow(QStringLiteral("&Script:"), scripts_);
    form->addRow(QString(), deadKeys_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(list_, 1);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);
    layout->addWidget(status_);
    layout->addWidget(buttons_);
    resize(620, 560);

    connect(filter_, &QLineEdit::textChanged, this, &TSystemLayoutForm::applyFilter);
    connect(list_, &QTreeWidget::currentItemChanged, this, &TSystemLayoutForm::followSelection);
    connect(scripts_, &QComboBox::currentIndexChanged, this, &TSystemLayoutForm::rebuild);
    connect(deadKeys_, &QCheckBox::toggled, this, &TSystemLayoutForm::rebuild);
    // activated: the user's pick only, not the script set by following the selection.
    connect(scripts_, &QComboBox::activated, this, [this] { scriptPicked_ = true; });
    connect(list_, &QTreeWidget::itemActivated, this, [this] {
        if (choice_) {
            accept();
        }
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<TSystemLayoutForm::Choice> TSystemLayoutForm::choose(int codePage) {
    if (layouts_.empty()) {
        fillList();
    }
    {
        const QSignalBlocker quiet(scripts_);
        const int row = scripts_->findData(codePage);
        scripts_->setCurrentIndex(row >= 0 ? row : scripts_->findData(kDefaultCodePage));
    }
    scriptPicked_ = false;
    followSelection();
    filter_->setFocus();
    if (exec() != QDialog::Accepted || !choice_) {
        return std::nullopt;
    }
    return choice_;
}

void TSystemLayoutForm::fillList() {
    const Result<std::vector<SystemLayout>> listed = ListSystemLayouts();
    layouts_ = listed.ok() ? listed.value() : std::vector<SystemLayout>{};
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (std::size_t i = 0; i < layouts_.size(); ++i) {
        // The tree owns its rows.
        auto* row = new QTreeWidgetItem(
            list_, QStringList{FromStd(layouts_[i].description), FromStd(LayoutId(layouts_[i]))});
        row->setData(DescriptionColumn, kIndexRole, static_cast<int>(i));
    }
    if (!listed.ok()) {
        // A registry file that cannot be opened may not be installed; one that opens but
        // does not parse is not helped by installing it.
        const QString why = FromStd(listed.error().message());
        status_->setText(
            listed.error().kind == ErrorKind::CannotOpen
                ? QStringLiteral("The system's keyboard layouts cannot be read: %1. Is the "
                                 "package xkb-data installed?")
                      .arg(why)
                : QStringLiteral("The system's keyboard layouts cannot be read: %1.").arg(why));
    } else if (layouts_.empty()) {
        status_->setText(QStringLiteral("The system's keyboard layouts cannot be read "
                                        "(is the package xkb-data installed?)."));
    } else {
        list_->setCurrentItem(list_->topLevelItem(0)); // something to preview from the start
    }
}

void TSystemLayoutForm::applyFilter() {
    const std::string text = filter_->text().trimmed().toStdString();
    QTreeWidgetItem* firstShown = nullptr;
    QTreeWidgetItem* named = nullptr; // the layout whose name is the text typed, if any
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        const auto index =
            static_cast<std::size_t>(item->data(DescriptionColumn, kIndexRole).toInt());
        const bool shown = LayoutMatches(layouts_[index], text);
        item->setHidden(!shown);
        if (shown && firstShown == nullptr) {
            firstShown = item;
        }
        if (named == nullptr && LayoutId(layouts_[index]) == text) {
            named = item;
        }
    }
    QTreeWidgetItem* current = list_->currentItem();
    if (named != nullptr) {
        list_->setCurrentItem(named);
    } else if (current == nullptr || current->isHidden()) {
        list_->setCurrentItem(firstShown);
    }
    if (list_->currentItem() != nullptr) {
        list_->scrollToItem(list_->currentItem());
    }
}

void TSystemLayoutForm::followSelection() {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!scriptPicked_ && item != nullptr) {
        const SystemLayout& which =
            layouts_[static_cast<std::size_t>(item->data(DescriptionColumn, kIndexRole).toInt())];
        if (const auto implied = ImpliedCodePage(which)) {
            const QSignalBlocker quiet(scripts_);
            scripts_->setCurrentIndex(scripts_->findData(*implied));
        }
    }
    rebuild();
}

void TSystemLayoutForm::rebuild() {
    choice_.reset();
    const int codePage = scripts_->currentData().toInt();
    const auto page = CodePage::Load(codePage);
    const QTreeWidgetItem* item = list_->currentItem();
    if (item != nullptr && page) {
        const SystemLayout& which =
            layouts_[static_cast<std::size_t>(item->data(DescriptionColumn, kIndexRole).toInt())];
        if (auto built = BuildSystemLayout(which, *page, deadKeys_->isChecked())) {
            choice_ = Choice{which, codePage, std::move(*built)};
        }
    }
    preview_->showLayout(choice_ ? std::optional(choice_->built.layout) : std::nullopt,
                         page.value_or(CodePage::Latin1()));
    if (choice_) {
        const std::size_t lost = choice_->built.notCarried.size();
        status_->setText(lost == 0 ? QStringLiteral("Every character fits the code page.")
                         : lost == 1
                             ? QStringLiteral("1 character does not fit the code page.")
                             : QStringLiteral("%1 characters do not fit the code page.").arg(lost));
    } else if (item != nullptr) {
        status_->setText(QStringLiteral("This layout cannot be read."));
    } else if (!layouts_.empty()) {
        status_->setText(QStringLiteral("Choose a layout."));
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(choice_.has_value());
}

} // namespace kbd
