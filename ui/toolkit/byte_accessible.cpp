#include "byte_accessible.h"

#include "byte_button.h"
#include "byte_label.h"

#include <QAccessibleWidget>
#include <QKeySequence>

namespace kbd::toolkit {

namespace {

// A caption as it reads: "&&" is one ampersand, a single "&" only marks the next letter.
QString WithoutAccessMarks(const QString& caption) {
    QString read;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size()) {
            break;
        }
        read += caption[i];
    }
    return read;
}

class KeyAccessible : public QAccessibleWidget {
public:
    explicit KeyAccessible(ByteButton* key) : QAccessibleWidget(key, QAccessible::Button) {}

    QString text(QAccessible::Text which) const override {
        QString said;
        if (which == QAccessible::Name) {
            said = widget()->accessibleName();
            if (said.isEmpty()) {
                said = WithoutAccessMarks(key()->text());
            }
        } else if (which == QAccessible::Description && key()->isMarked()) {
            said = widget()->accessibleDescription();
            if (said.isEmpty()) {
                said = QStringLiteral("dead key");
            }
        } else if (which == QAccessible::Accelerator) {
            said = QKeySequence::mnemonic(key()->text()).toString(QKeySequence::NativeText);
        }
        return said.isEmpty() ? QAccessibleWidget::text(which) : said;
    }

    QAccessible::State state() const override {
        QAccessible::State now = QAccessibleWidget::state();
        now.pressed = key()->isDown();
        return now;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            key()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ByteButton* key() const { return static_cast<ByteButton*>(widget()); }
};

class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(ByteLabel* cell) : QAccessibleWidget(cell, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<ByteLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* Describe(const QString& className, QObject* object) {
    if (className == QLatin1String(ByteButton::staticMetaObject.className())) {
        return new KeyAccessible(static_cast<ByteButton*>(object));
    }
    if (className == QLatin1String(ByteLabel::staticMetaObject.className())) {
        return new CellAccessible(static_cast<ByteLabel*>(object));
    }
    return nullptr;
}

} // namespace

void InstallByteAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Describe);
        return true;
    }();
    (void)installed;
}

} // namespace kbd::toolkit
