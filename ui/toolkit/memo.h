// A multi-line text box of the information windows: black text in its own font, a
// vertical scroll bar that is always there, long lines wrapped at the box's edge.
#pragma once

#include <QRect>
#include <QStringList>

class QFont;
class QPlainTextEdit;
class QWidget;

namespace kbd::toolkit {

// `lines` become one paragraph each, blanks kept. The cursor starts on the first line, so
// the box shows the text from its top.
QPlainTextEdit* NewMemo(QWidget* parent, const char* name, QRect rect, const QFont& font,
                        bool readOnly, const QStringList& lines);

} // namespace kbd::toolkit
