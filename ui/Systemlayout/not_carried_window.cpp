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

void TNotCarriedWindow::list(const QString& layout, const QStringList& lines,
                             const QString& outcome) {
    heading_->setText(QStringLiteral("%1: %2 of its characters are not in the layout. %3")
                          .arg(layout)
                          .arg(lines.size())
                          .arg(outcome));
    lines_->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace kbd
