#include "memo.h"

#include <QPlainTextEdit>

namespace kbd::toolkit {

QPlainTextEdit* NewMemo(QWidget* parent, const char* name, QRect rect, const QFont& font,
                        bool readOnly, const QStringList& lines) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setGeometry(rect);
    memo->setFont(font);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Text, Qt::black);
    memo->setPalette(palette);
    // The lines of the texts were broken by hand for this width; Qt's default margin of
    // four pixels a side would wrap the longest of them a word before its end.
    memo->document()->setDocumentMargin(0);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    memo->moveCursor(QTextCursor::Start);
    // Read-only boxes keep a text cursor and keyboard scrolling, as the user reads them
    // through the keys as well as the mouse.
    memo->setReadOnly(readOnly);
    if (readOnly) {
        memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    return memo;
}

} // namespace kbd::toolkit
