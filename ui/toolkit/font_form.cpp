#include "font_form.h"

#include "codepage/code_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace kbd::toolkit {

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen colours of a 4-bit display, which every palette of the time offered.
constexpr std::array<NamedColor, 16> kColors{{
    {"Black", 0x000000},
    {"Maroon", 0x800000},
    {"Green", 0x008000},
    {"Olive", 0x808000},
    {"Navy", 0x000080},
    {"Purple", 0x800080},
    {"Teal", 0x008080},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0xFF0000},
    {"Lime", 0x00FF00},
    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0x00FFFF},
    {"White", 0xFFFFFF},
}};

constexpr std::array<int, 16> kSizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kMaxPoints = 9999;
constexpr int kSampleHeight = 64;

QIcon Swatch(const QColor& color) {
    QPixmap pixmap(24, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(color);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

// Latin letters for the shapes, then letters of the upper half, where the code pages part.
QString SampleText(int codePage) {
    QString text = QStringLiteral("AaBbYyZz");
    const std::optional<kbd::CodePage> page = kbd::CodePage::Load(codePage);
    if (!page) {
        return text;
    }
    for (int first : {0xC0, 0xE0}) {
        text += QLatin1Char(' ');
        for (int code = first; code < first + 8; ++code) {
            // Points and undefined bytes would only show as placeholders.
            const QString shown =
                QString::fromStdString(page->shown(static_cast<std::uint8_t>(code)));
            if (shown.size() == 1 && shown.front().isLetter()) {
                text += shown;
            }
        }
    }
    return text;
}

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

FontForm::FontForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Font"));
    setModal(true);
    buildFaces();
    buildEffects();
    buildLayout();
    showSample();
}

void FontForm::buildFaces() {
    faceEdit_ = Named(new QLineEdit(this), "FaceEdit");
    faceEdit_->setPlaceholderText(QStringLiteral("Type to filter"));
    faceEdit_->setClearButtonEnabled(true);
    faceList_ = Named(new QListWidget(this), "FaceList");
    faceList_->addItems(ScreenFamilies());
    styleList_ = Named(new QListWidget(this), "StyleList");
    sizeBox_ = Named(new QComboBox(this), "SizeBox");
    sizeBox_->setEditable(true);
    sizeBox_->setInsertPolicy(QComboBox::NoInsert);
    sizeBox_->setValidator(new QIntValidator(1, kMaxPoints, sizeBox_));
    for (int points : kSizes) {
        sizeBox_->addItem(QString::number(points));
    }

    connect(faceEdit_, &QLineEdit::textEdited, this, &FontForm::filterFaces);
    connect(faceList_, &QListWidget::currentItemChanged, this, [this] {
        const int row = styleList_->currentRow();
        const FontStyle kept = row >= 0 ? styles_[static_cast<std::size_t>(row)] : FontStyle{};
        fillStyles(kept.weight, kept.italic);
    });
    connect(styleList_, &QListWidget::currentRowChanged, this, &FontForm::showSample);
    connect(sizeBox_, &QComboBox::editTextChanged, this, &FontForm::showSample);
}

void FontForm::buildEffects() {
    strikeOut_ = Named(new QCheckBox(QStringLiteral("Stri&keout"), this), "StrikeOut");
    underline_ = Named(new QCheckBox(QStringLiteral("&Underline"), this), "Underline");
    colorBox_ = Named(new QComboBox(this), "ColorBox");
    colorBox_->setIconSize(QSize(24, 14));
    for (const NamedColor& named : kColors) {
        const QColor color = QColor::fromRgb(named.rgb);
        colorBox_->addItem(Swatch(color), QString::fromLatin1(named.name), color);
    }
    scriptBox_ = Named(new QComboBox(this), "ScriptBox");
    for (const Script& script : Scripts()) {
        scriptBox_->addItem(
            QString::fromUtf8(script.name.data(), static_cast<qsizetype>(script.name.size())),
            script.codePage);
    }
    sample_ = Named(new QLabel(this), "Sample");
    sample_->setAlignment(Qt::AlignCenter);
    // A large size is clipped to the box, as a preview; it must not blow the window up.
    sample_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    sample_->setMinimumHeight(kSampleHeight);
    buttons_ = Named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this),
                     "Buttons");

    for (QCheckBox* effect : {strikeOut_, underline_}) {
        connect(effect, &QCheckBox::toggled, this, &FontForm::showSample);
    }
    connect(colorBox_, &QComboBox::currentIndexChanged, this, &FontForm::showSample);
    connect(scriptBox_, &QComboBox::currentIndexChanged, this, &FontForm::showSample);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FontForm::buildLayout() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(Caption("&Font:", faceEdit_, this), 0, 0);
    grid->addWidget(Caption("Font st&yle:", styleList_, this), 0, 1);
    grid->addWidget(Caption("&Size:", sizeBox_, this), 0, 2);
    grid->addWidget(faceEdit_, 1, 0);
    grid->addWidget(faceList_, 2, 0);
    grid->addWidget(styleList_, 1, 1, 2, 1);
    grid->addWidget(sizeBox_, 1, 2, Qt::AlignTop);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);

    auto* effects = Named(new QGroupBox(QStringLiteral("Effects"), this), "Effects");
    auto* effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(strikeOut_);
    effectsLayout->addWidget(underline_);
    effectsLayout->addWidget(Caption("&Colour:", colorBox_, effects));
    effectsLayout->addWidget(colorBox_);
    effectsLayout->addStretch();
    grid->addWidget(effects, 3, 0);

    auto* sampleBox = Named(new QGroupBox(QStringLiteral("Sample"), this), "SampleBox");
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(sample_);
    auto* scriptRow = new QHBoxLayout;
    scriptRow->addWidget(Caption("Sc&ript:", scriptBox_, this));
    scriptRow->addWidget(scriptBox_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(sampleBox, 1);
    right->addLayout(scriptRow);
    grid->addLayout(right, 3, 1, 1, 2);

    grid->addWidget(buttons_, 4, 0, 1, 3);
}

void FontForm::preset(const DisplayFont& font) {
    faceEdit_->clear();
    filterFaces({});
    selectFace(font.font.family());
    fillStyles(font.font.weight(), font.font.italic());
    sizeBox_->setEditText(QString::number(font.points()));
    underline_->setChecked(font.font.underline());
    strikeOut_->setChecked(font.font.strikeOut());
    selectColor(font.color);
    selectScript(font.codePage);
    showSample();
    faceList_->setFocus();
}

DisplayFont FontForm::chosen() const {
    DisplayFont font;
    if (const QListWidgetItem* face = faceList_->currentItem()) {
        font.font = QFont(face->text());
    }
    font.setPoints(samplePoints_);
    const int row = styleList_->currentRow();
    if (row >= 0) {
        const FontStyle& style = styles_[static_cast<std::size_t>(row)];
        font.font.setWeight(static_cast<QFont::Weight>(style.weight));
        font.font.setItalic(style.italic);
    }
    font.font.setUnderline(underline_->isChecked());
    font.font.setStrikeOut(strikeOut_->isChecked());
    font.color = colorBox_->currentData().value<QColor>();
    font.codePage = scriptBox_->currentData().toInt();
    return font;
}

void FontForm::filterFaces(const QString& typed) {
    QListWidgetItem* exact = nullptr;
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < faceList_->count(); ++row) {
        QListWidgetItem* item = faceList_->item(row);
        const bool shown = item->text().contains(typed, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && firstShown == nullptr) {
            firstShown = item;
        }
        if (item->text().compare(typed, Qt::CaseInsensitive) == 0) {
            exact = item;
        }
    }
    QListWidgetItem* current = faceList_->currentItem();
    QListWidgetItem* pick = exact != nullptr                            ? exact
                            : current == nullptr || current->isHidden() ? firstShown
                                                                        : current;
    if (pick != nullptr && pick != current) {
        faceList_->setCurrentItem(pick);
    }
    if (pick != nullptr) {
        faceList_->scrollToItem(pick);
    }
}

void FontForm::selectFace(const QString& family) {
    const QList<QListWidgetItem*> found = faceList_->findItems(family, Qt::MatchFixedString);
    QListWidgetItem* item = nullptr;
    for (QListWidgetItem* candidate : found) {
        if (item == nullptr || candidate->text() == family) {
            item = candidate;
        }
    }
    if (item == nullptr) {
        // A face this system lacks (the start font's Arial, on most Linux desktops) stays
        // the user's choice; the font system draws it in its stand-in.
        int row = 0;
        while (row < faceList_->count() &&
               faceList_->item(row)->text().compare(family, Qt::CaseInsensitive) < 0) {
            ++row;
        }
        faceList_->insertItem(row, family);
        item = faceList_->item(row);
    }
    const QSignalBlocker quiet(faceList_);
    faceList_->setCurrentItem(item);
    faceList_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void FontForm::fillStyles(int weight, bool italic) {
    const QListWidgetItem* face = faceList_->currentItem();
    styles_ = face != nullptr ? FaceStyles(face->text()) : std::vector<FontStyle>{};
    {
        const QSignalBlocker quiet(styleList_);
        styleList_->clear();
        for (const FontStyle& style : styles_) {
            styleList_->addItem(style.name);
        }
        if (!styles_.empty()) {
            styleList_->setCurrentRow(static_cast<int>(NearestStyle(styles_, weight, italic)));
        }
    }
    showSample();
}

void FontForm::selectColor(const QColor& color) {
    // Any colour but the sixteen came from outside; it gets an entry of its own, the
    // latest one replacing the one before.
    if (colorBox_->count() > static_cast<int>(kColors.size())) {
        colorBox_->removeItem(static_cast<int>(kColors.size()));
    }
    for (int row = 0; row < colorBox_->count(); ++row) {
        if (colorBox_->itemData(row).value<QColor>().rgba() == color.rgba()) {
            colorBox_->setCurrentIndex(row);
            return;
        }
    }
    colorBox_->addItem(Swatch(color), QStringLiteral("Custom"), color);
    colorBox_->setCurrentIndex(colorBox_->count() - 1);
}

void FontForm::selectScript(int codePage) {
    if (scriptBox_->count() > static_cast<int>(Scripts().size())) {
        scriptBox_->removeItem(static_cast<int>(Scripts().size()));
    }
    int row = scriptBox_->findData(codePage);
    if (row < 0) {
        scriptBox_->addItem(QStringLiteral("Code page %1").arg(codePage), codePage);
        row = scriptBox_->count() - 1;
    }
    scriptBox_->setCurrentIndex(row);
}

int FontForm::typedPoints() const {
    const QLineEdit* edit = sizeBox_->lineEdit();
    return edit->hasAcceptableInput() ? edit->text().toInt() : 0;
}

void FontForm::showSample() {
    const int points = typedPoints();
    if (points > 0) {
        samplePoints_ = points;
    }
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled(points > 0 && faceList_->currentItem() != nullptr);
    const DisplayFont font = chosen();
    sample_->setFont(font.font);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, font.color);
    sample_->setPalette(palette);
    sample_->setText(SampleText(font.codePage));
}

} // namespace kbd::toolkit
