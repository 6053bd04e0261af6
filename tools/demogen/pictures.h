#pragma once
// The pictures of the demo disc, drawn with QPainter from a fixed seed: exhibitor, brand and
// pictogram logos as coloured badges with letters (JPEG), and the header banner (BMP).
#include <QImage>
#include <filesystem>
#include <string>
#include <string_view>

#include "tools/demogen/model.h"

namespace expo::demogen {

QImage drawBadge(const Logo& logo);
// A banner of the given size with `text` (ASCII capitals, digits, "&-." and blanks) on it.
QImage drawBanner(std::string_view text, int width, int height);

// Encoded picture bytes; throws std::runtime_error when Qt cannot encode the format.
std::string encodePicture(const QImage& image, const char* format);

// data/loga/<id>.jpg for every logo of the catalogue.
void writeLogos(const Catalogue& catalogue, const std::filesystem::path& disc);

}  // namespace expo::demogen
