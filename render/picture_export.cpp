// Turning the picture into the bytes of a file, and the file onto disk.
#include "files/atomic_file.h"
#include "layout_picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <span>

namespace kbd::render {
namespace {

// Screen pixels at 96 per inch; the PNG is drawn at twice that for print.
constexpr double kPngScale = 2;
// Qt's 60 is zlib level 3: a fifth larger than the default level, and a third of the
// export's time less, on pictures that are mostly flat colour.
constexpr int kPngQuality = 60;
constexpr double kPngDotsPerMeter = 96 * kPngScale / 0.0254;

struct Drawing {
    const KeyboardLayout& layout;
    const PictureStyle& style;
    const CodePage& page;

    QString title() const {
        return style.title.isEmpty() ? QStringLiteral("Keyboard layout") : style.title;
    }

    bool paint(QPaintDevice& device, const QRectF& target) const {
        QPainter painter;
        if (!painter.begin(&device)) {
            return false;
        }
        PaintLayoutPicture(painter, target, layout, style, page);
        return painter.end();
    }
};

std::optional<QByteArray> Svg(const Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(96);
    svg.setSize(PictureSize().toSize());
    svg.setViewBox(QRectF(QPointF(), PictureSize()));
    svg.setTitle(drawing.title());
    svg.setDescription(drawing.style.face + QStringLiteral(", ") +
                       QString::fromStdString(CodePageCaption(drawing.page.number())));
    if (!drawing.paint(svg, QRectF(QPointF(), PictureSize()))) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> Pdf(const Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return std::nullopt;
    }
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    pdf.setTitle(drawing.title());
    pdf.setCreator(QStringLiteral("Tavik's Keyboard Generator"));
    if (!drawing.paint(pdf, QRectF(0, 0, pdf.width(), pdf.height()))) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> Png(const Drawing& drawing) {
    QImage image((PictureSize() * kPngScale).toSize(), QImage::Format_RGB32);
    if (image.isNull()) {
        return std::nullopt;
    }
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(kPngDotsPerMeter));
    image.setDotsPerMeterY(static_cast<int>(kPngDotsPerMeter));
    if (!drawing.paint(image, QRectF(image.rect()))) {
        return std::nullopt;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG", kPngQuality)) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::optional<PictureFormat> PictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) {
        return PictureFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return PictureFormat::Pdf;
    }
    if (suffix == QLatin1String("png")) {
        return PictureFormat::Png;
    }
    return std::nullopt;
}

Status ExportLayoutPicture(const KeyboardLayout& layout, const PictureStyle& style,
                           const QString& path) {
    const auto format = PictureFormatOf(path);
    if (!format) {
        return Refusal(QStringLiteral("Not a picture format this program writes: %1 (the name "
                                      "must end in .svg, .pdf or .png)")
                           .arg(path)
                           .toStdString());
    }
    const auto page = CodePage::Load(style.codePage);
    if (!page) {
        return Refusal(QStringLiteral("Code page %1 is not known to this system")
                           .arg(style.codePage)
                           .toStdString());
    }
    const Drawing drawing{layout, style, *page};
    const auto bytes = *format == PictureFormat::Svg   ? Svg(drawing)
                       : *format == PictureFormat::Pdf ? Pdf(drawing)
                                                       : Png(drawing);
    if (!bytes) {
        return Refusal(QStringLiteral("Cannot draw the picture: %1").arg(path).toStdString());
    }
    return ReplaceFileContents(QFile::encodeName(path).toStdString(),
                               std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                                         static_cast<std::size_t>(bytes->size())));
}

} // namespace kbd::render
