#include "messages.h"

#include "files/excerpt.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace kbd::toolkit {

void ShowMessage(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    // Some styles decorate OK with a tick; the message keeps to its text and one plain button.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

QString ErrorText(const Error& error, const QString& heading) {
    if (heading.isEmpty()) {
        return QString::fromStdString(error.message());
    }
    const std::string_view what = describe(error.kind);
    QString text = heading + QLatin1Char('\n') +
                   QString::fromUtf8(what.data(), static_cast<qsizetype>(what.size())) +
                   QLatin1Char('.');
    if (!error.reason.empty()) {
        text += QStringLiteral(" (%1)").arg(QString::fromStdString(Escaped(error.reason)));
    }
    return text;
}

void ShowError(QWidget* parent, const QString& caption, const Error& error,
               const QString& heading) {
    ShowMessage(parent, caption, ErrorText(error, heading));
}

} // namespace kbd::toolkit
