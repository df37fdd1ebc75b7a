// The font chooser's window: face, style, size, effects, colour and script, and a sample
// of them that follows every change.
#pragma once

#include "display_font.h"
#include "font_faces.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace kbd::toolkit {

class FontForm : public QDialog {
    Q_OBJECT
public:
    explicit FontForm(QWidget* parent);

    // Shows `font` in the controls, adding its face, colour or code page when the lists
    // lack it, so that confirming without a change gives `font` back.
    void preset(const DisplayFont& font);

    // The font the controls show; meaningful while the size holds a number.
    DisplayFont chosen() const;

private:
    void buildFaces();
    void buildEffects();
    void buildLayout();

    void filterFaces(const QString& typed);
    void selectFace(const QString& family);
    void fillStyles(int weight, bool italic);
    void selectColor(const QColor& color);
    void selectScript(int codePage);
    int typedPoints() const;
    void showSample();

    QLineEdit* faceEdit_;
    QListWidget* faceList_;
    QListWidget* styleList_;
    QComboBox* sizeBox_;
    QCheckBox* underline_;
    QCheckBox* strikeOut_;
    QComboBox* colorBox_;
    QComboBox* scriptBox_;
    QLabel* sample_;
    QDialogButtonBox* buttons_;
    std::vector<FontStyle> styles_;
    int samplePoints_ = 10;
};

} // namespace kbd::toolkit
