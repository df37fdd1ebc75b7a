// Build-time tool: renders the program's SVG icon at the sizes that window frames, task
// bars and switchers ask for, and writes the pixels out as C++ data, so that the editor
// has its window icon without drawing SVG or decoding an image at start.
// Usage: kbdgen_icon_pixels SVG OUT.cpp SIDE...
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

// Proportions kept and the picture at the top left of its box, in premultiplied ARGB.
QImage Render(QSvgRenderer& renderer, int side) {
    const QSize size = renderer.defaultSize().scaled(side, side, Qt::KeepAspectRatio);
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SVG OUT.cpp SIDE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not an SVG picture\n", argv[1]);
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(file.errorString()));
        return 1;
    }
    QTextStream out(&file);
    out << "// Made by the build from ui/toolkit/kbdgen.svg with app/icon_pixels.cpp.\n"
           "#include \"app/window_icon_pixels.h\"\n\n"
           "namespace kbd {\n\nnamespace {\n\n";
    QString table;
    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        const QImage picture = Render(renderer, side);
        out << "const std::uint32_t kPixels" << side << "[] = {";
        for (int y = 0; y < picture.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                out << ((y * picture.width() + x) % 8 == 0 ? "\n    " : " ");
                out << "0x" << QString::number(row[x], 16).rightJustified(8, u'0') << "u,";
            }
        }
        out << "\n};\n\n";
        table += QStringLiteral("    {%1, %2, kPixels%3},\n")
                     .arg(picture.width())
                     .arg(picture.height())
                     .arg(side);
    }
    out << "const IconPixels kPictures[] = {\n"
        << table << "};\n\n} // namespace\n\n"
        << "std::span<const IconPixels> WindowIconPixels() {\n    return kPictures;\n}\n\n"
        << "} // namespace kbd\n";
    out.flush();
    if (out.status() != QTextStream::Ok || !file.flush()) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
