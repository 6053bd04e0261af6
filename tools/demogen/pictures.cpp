#include "tools/demogen/pictures.h"

#include <QBuffer>
#include <QColor>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

#include "tools/demogen/discfiles.h"

namespace expo::demogen {
namespace {

// A 5 × 7 block font, one byte per row, bit 4 the leftmost column. Drawing letters as blocks
// keeps the pictures identical on every machine, whatever fonts it has.
struct Glyph {
    char c;
    std::array<uint8_t, 7> rows;
};
constexpr std::array<Glyph, 40> kGlyphs = {{
    {'A', {0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}},
    {'B', {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110}},
    {'C', {0b01110, 0b10001, 0b10000, 0b10000, 0b10000, 0b10001, 0b01110}},
    {'D', {0b11100, 0b10010, 0b10001, 0b10001, 0b10001, 0b10010, 0b11100}},
    {'E', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b11111}},
    {'F', {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'G', {0b01110, 0b10001, 0b10000, 0b10111, 0b10001, 0b10001, 0b01111}},
    {'H', {0b10001, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001}},
    {'I', {0b01110, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'J', {0b00111, 0b00010, 0b00010, 0b00010, 0b00010, 0b10010, 0b01100}},
    {'K', {0b10001, 0b10010, 0b10100, 0b11000, 0b10100, 0b10010, 0b10001}},
    {'L', {0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b11111}},
    {'M', {0b10001, 0b11011, 0b10101, 0b10101, 0b10001, 0b10001, 0b10001}},
    {'N', {0b10001, 0b10001, 0b11001, 0b10101, 0b10011, 0b10001, 0b10001}},
    {'O', {0b01110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}},
    {'P', {0b11110, 0b10001, 0b10001, 0b11110, 0b10000, 0b10000, 0b10000}},
    {'Q', {0b01110, 0b10001, 0b10001, 0b10001, 0b10101, 0b10010, 0b01101}},
    {'R', {0b11110, 0b10001, 0b10001, 0b11110, 0b10100, 0b10010, 0b10001}},
    {'S', {0b01111, 0b10000, 0b10000, 0b01110, 0b00001, 0b00001, 0b11110}},
    {'T', {0b11111, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100}},
    {'U', {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110}},
    {'V', {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01010, 0b00100}},
    {'W', {0b10001, 0b10001, 0b10001, 0b10101, 0b10101, 0b10101, 0b01010}},
    {'X', {0b10001, 0b10001, 0b01010, 0b00100, 0b01010, 0b10001, 0b10001}},
    {'Y', {0b10001, 0b10001, 0b10001, 0b01010, 0b00100, 0b00100, 0b00100}},
    {'Z', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b11111}},
    {'0', {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110}},
    {'1', {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'2', {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111}},
    {'3', {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110}},
    {'4', {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010}},
    {'5', {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110}},
    {'6', {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110}},
    {'7', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000}},
    {'8', {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110}},
    {'9', {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100}},
    {'&', {0b01100, 0b10010, 0b10100, 0b01000, 0b10101, 0b10010, 0b01101}},
    {'-', {0b00000, 0b00000, 0b00000, 0b11111, 0b00000, 0b00000, 0b00000}},
    {'.', {0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b01100, 0b01100}},
    {' ', {0, 0, 0, 0, 0, 0, 0}},
}};

const Glyph& glyph(char c) {
    for (const Glyph& g : kGlyphs) {
        if (g.c == c) {
            return g;
        }
    }
    return kGlyphs.back();  // a blank for anything the font lacks
}

// Draws `text` in blocks of `scale` pixels, centred in `area`.
void drawBlocks(QPainter& p, std::string_view text, const QRect& area, int scale,
                const QColor& colour) {
    const int n = static_cast<int>(text.size());
    const int width = (n * 6 - 1) * scale;
    const int left = area.left() + (area.width() - width) / 2;
    const int top = area.top() + (area.height() - 7 * scale) / 2;
    for (int i = 0; i < n; ++i) {
        const Glyph& g = glyph(text[static_cast<size_t>(i)]);
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if ((g.rows[static_cast<size_t>(row)] >> (4 - col)) & 1) {
                    p.fillRect(left + (i * 6 + col) * scale, top + row * scale, scale, scale,
                               colour);
                }
            }
        }
    }
}

// The largest block size at which `text` fits `area` with a margin.
int fittingScale(std::string_view text, const QRect& area, double widthShare, double heightShare) {
    const int n = std::max<int>(1, static_cast<int>(text.size()));
    const int byWidth = static_cast<int>(area.width() * widthShare) / (n * 6 - 1);
    const int byHeight = static_cast<int>(area.height() * heightShare) / 7;
    return std::max(1, std::min(byWidth, byHeight));
}

constexpr std::array<QRgb, 12> kPalette = {
    qRgb(0x1F, 0x4E, 0x8C), qRgb(0xB0, 0x3A, 0x2E), qRgb(0x2E, 0x7D, 0x32), qRgb(0x6A, 0x1B, 0x9A),
    qRgb(0xE6, 0x7E, 0x22), qRgb(0x00, 0x83, 0x8F), qRgb(0x5D, 0x40, 0x37), qRgb(0xC2, 0x18, 0x5B),
    qRgb(0x37, 0x47, 0x4F), qRgb(0x82, 0x77, 0x17), qRgb(0x28, 0x35, 0x93), qRgb(0xAD, 0x14, 0x57),
};

}  // namespace

QImage drawBadge(const Logo& logo) {
    QImage image(logo.width, logo.height, QImage::Format_RGB32);
    const QColor main(kPalette[static_cast<size_t>(logo.colour) % kPalette.size()]);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int margin = std::max(2, std::min(logo.width, logo.height) / 16);
    const QRect inner(margin, margin, logo.width - 2 * margin, logo.height - 2 * margin);
    p.setPen(Qt::NoPen);
    p.setBrush(main);
    const double radius = std::min(inner.width(), inner.height()) / 6.0;
    p.drawRoundedRect(inner, radius, radius);
    // A lighter band along the bottom edge gives the badge a little depth.
    p.setBrush(main.lighter(130));
    p.drawRect(QRect(inner.left(), inner.bottom() - inner.height() / 6, inner.width(),
                     inner.height() / 10));
    p.setRenderHint(QPainter::Antialiasing, false);
    drawBlocks(p, logo.label, inner, fittingScale(logo.label, inner, 0.75, 0.55), Qt::white);
    return image;
}

QImage drawBanner(std::string_view text, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x1F, 0x4E, 0x8C));
    QPainter p(&image);
    p.fillRect(0, height - height / 8, width, height / 8, QColor(0xE6, 0x7E, 0x22));
    const QRect area(0, 0, width, height - height / 8);
    drawBlocks(p, text, area, fittingScale(text, area, 0.9, 0.5), Qt::white);
    return image;
}

std::string encodePicture(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, 90)) {
        throw std::runtime_error(std::string("cannot encode a picture as ") + format);
    }
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void writeLogos(const Catalogue& catalogue, const std::filesystem::path& disc) {
    for (const Logo& logo : catalogue.logos) {
        writeFile(disc / "data" / "loga" / (std::to_string(logo.id) + ".jpg"),
                  encodePicture(drawBadge(logo), "JPG"));
    }
}

}  // namespace expo::demogen
