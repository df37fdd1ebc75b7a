#include "try_pad.h"

#include "ui/toolkit/fonts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kbd {

namespace {

constexpr QSize kStartSize{420, 220};
constexpr int kTextPixels = 21; // 16 points

} // namespace

TTryPad::TTryPad(const LayoutDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("TryPad"));
    setWindowTitle(QStringLiteral("Try layout"));
    resize(kStartSize);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("PadText"));
    text_->setFont(toolkit::PixelFont(QStringLiteral("Arial"), kTextPixels, false));
    text_->installEventFilter(this);

    lastKey_ = new QLabel(QStringLiteral("Press a key"), this);
    lastKey_->setObjectName(QStringLiteral("LastKey"));

    // Caps Lock is the pad's own: the host's state cannot be read reliably. The box never
    // takes the focus, so the Caps Lock key always reaches the text area.
    capsLock_ = new QCheckBox(QStringLiteral("Caps Lock"), this);
    capsLock_->setObjectName(QStringLiteral("CapsLock"));
    capsLock_->setFocusPolicy(Qt::NoFocus);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(lastKey_, 1);
    statusRow->addWidget(capsLock_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(text_, 1);
    column->addLayout(statusRow);
    text_->setFocus();
}

} // namespace kbd
