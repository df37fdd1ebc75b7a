// A printable picture of a layout: the 49 keys where the editor's main window has them,
// each with its four characters, a legend of the corners and a footer naming the font
// and the code page. The editor's export and `kbdtool picture` both draw it from here.
#pragma once

#include "codepage/code_page.h"
#include "files/result.h"
#include "layout/keyboard_layout.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

class QPainter;

namespace kbd::render {

struct PictureStyle {
    QString face = QStringLiteral("Arial");
    int codePage = kDefaultCodePage;
    QString title; // printed above the keys, e.g. the file name; nothing when empty
};

// The picture's own size in logical pixels (96 per inch); a PNG gets twice as many.
QSizeF PictureSize();

// Draws the picture as large as fits into `target`, centred, keeping its proportions.
// The characters read through `page`; the footer names the face of `style` and
// that code page.
void PaintLayoutPicture(QPainter& painter, const QRectF& target, const KeyboardLayout& layout,
                        const PictureStyle& style, const CodePage& page);

enum class PictureFormat { Svg, Pdf, Png };

// The format that the extension of `path` names (.svg, .pdf, .png, in any case).
std::optional<PictureFormat> PictureFormatOf(const QString& path);

// Writes the picture to `path` in the format of its extension. The whole file is made in
// memory and then replaces the target in one rename, so a failure leaves no file, half
// or whole, and an older file stays as it was.
Status ExportLayoutPicture(const KeyboardLayout& layout, const PictureStyle& style,
                           const QString& path);

} // namespace kbd::render
