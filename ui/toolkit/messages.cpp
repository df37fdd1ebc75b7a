#include "messages.h"

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

} // namespace kbd::toolkit
