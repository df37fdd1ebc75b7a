#include "check_form.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kbd {
namespace {

enum Column { KeyColumn, LayerColumn, SeverityColumn, TextColumn };

constexpr int kKeyRole = Qt::UserRole;
constexpr int kLayerRole = Qt::UserRole + 1;

QString Sentence(const std::string& text) {
    QString sentence = QString::fromStdString(text);
    if (!sentence.isEmpty()) {
        sentence[0] = sentence[0].toUpper();
    }
    return sentence + QLatin1Char('.');
}

QString Summary(const std::vector<Finding>& findings) {
    if (findings.empty()) {
        return QStringLiteral("No findings");
    }
    const auto losing = std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.severity == Severity::LosesData;
    });
    const QString count = findings.size() == 1 ? QStringLiteral("1 finding")
                                               : QStringLiteral("%1 findings").arg(findings.size());
    return losing == 0 ? count : QStringLiteral("%1, %2 losing data").arg(count).arg(losing);
}

} // namespace

TCheckForm::TCheckForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("CheckForm"));
    setWindowTitle(QStringLiteral("Check layout"));
    resize(640, 320);

    findings_ = new QTreeWidget(this);
    findings_->setObjectName(QStringLiteral("Findings"));
    findings_->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Layer"),
                                QStringLiteral("Severity"), QStringLiteral("What happens")});
    findings_->setRootIsDecorated(false);
    // A long finding wraps in its column instead of being cut off at the window's edge.
    findings_->setWordWrap(true);
    findings_->header()->setStretchLastSection(true);
    findings_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    findings_->header()->setSectionResizeMode(TextColumn, QHeaderView::Stretch);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Summary"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(findings_);
    layout->addWidget(summary_);

    connect(findings_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { announce(current); });
    connect(findings_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { announce(item); });
}

void TCheckForm::refresh(const KeyboardLayout& layout, int codePage) {
    const std::vector<Finding> found = CheckLayout(layout, CodePage::LoadOrLatin1(codePage));
    const QIcon losesIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warnIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);

    const QSignalBlocker quiet(findings_);
    findings_->clear();
    for (const Finding& finding : found) {
        const bool loses = finding.severity == Severity::LosesData;
        const std::string_view layer = LayerName(finding.layer);
        // The tree owns its rows.
        auto* row = new QTreeWidgetItem(
            findings_,
            QStringList{QString::number(finding.key),
                        finding.layer == 0 ? QStringLiteral("whole key")
                                           : QString::fromLatin1(layer.data(), layer.size()),
                        loses ? QStringLiteral("Loses data") : QStringLiteral("Warning"),
                        Sentence(finding.text)});
        row->setIcon(SeverityColumn, loses ? losesIcon : warnIcon);
        row->setData(KeyColumn, kKeyRole, finding.key);
        row->setData(KeyColumn, kLayerRole, finding.layer);
        row->setToolTip(TextColumn, row->text(TextColumn));
    }
    findings_->setCurrentItem(nullptr);
    summary_->setText(Summary(found));
}

void TCheckForm::announce(const QTreeWidgetItem* item) {
    if (item != nullptr) {
        emit findingSelected(item->data(KeyColumn, kKeyRole).toInt(),
                             item->data(KeyColumn, kLayerRole).toInt());
    }
}

} // namespace kbd
