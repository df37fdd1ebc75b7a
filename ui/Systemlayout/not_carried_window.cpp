#include "not_carried_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kbd {

TNotCarriedWindow::TNotCarriedWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("NotCarriedWindow"));
    setWindowTitle(QStringLiteral("Characters not carried over"));
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("NotCarriedHeading"));
    heading_->setWordWrap(true);
    lines_ = new QPlainTextEdit(this);
    lines_->setObjectName(QStringLiteral("NotCarriedList"));
    lines_->setReadOnly(true);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(lines_);
    resize(520, 300);
}

void TNotCarriedWindow::list(const QString& layout, const QStringList& lines) {
    heading_->setText(
        QStringLiteral("%1: %2 of its characters are not in the layout. Each key kept its "
                       "default character where the code page has none for the new one.")
            .arg(layout)
            .arg(lines.size()));
    lines_->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace kbd
