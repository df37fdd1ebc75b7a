// What a layout made from a system layout could not carry over, one line a character,
// in a window of its own that stays open beside the editor.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace kbd {

class TNotCarriedWindow : public QWidget {
    Q_OBJECT
public:
    explicit TNotCarriedWindow(QWidget* parent = nullptr);

    // Replaces what the window lists: `layout` names the system layout, `lines` the
    // characters left out, `outcome` what the keys type instead (NotCarriedSummary).
    void list(const QString& layout, const QStringList& lines, const QString& outcome);

private:
    QLabel* heading_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
};

} // namespace kbd
