// The offer of a better script for a layout just opened, on the status bar: a bar rather
// than a message box, so the user may go on without answering.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QStatusBar;

namespace kbd {

class LayoutDocument;

class ScriptOffer : public QWidget {
    Q_OBJECT
public:
    // Hidden on `bar` until offered.
    ScriptOffer(LayoutDocument& document, QStatusBar* bar);

    // When another of the ten code pages reads the layout clearly better (BetterCodePage),
    // offers it; otherwise takes any offer back.
    void Offer();
    void Withdraw();

signals:
    // The offered code page, taken by its button; the offer is gone by then.
    void taken(int codePage);

private:
    LayoutDocument& document_;
    QStatusBar* bar_;
    QLabel* text_ = nullptr;
    QPushButton* button_ = nullptr;
    int offered_ = 0;
};

} // namespace kbd
