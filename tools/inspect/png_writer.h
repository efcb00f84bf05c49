// Writes an RGB image as a PNG file.
#pragma once

#include <string>
#include <vector>

#include "bitmap.h"

namespace torvik::inspect {

// pixels: width * height colours, top row first. Throws std::runtime_error on failure.
void write_png(const std::string& path, unsigned width, unsigned height, const std::vector<pe::Rgb>& pixels);

// The image enlarged by an integer factor, each pixel a scale x scale square.
std::vector<pe::Rgb> enlarge(const pe::Dib& dib, unsigned scale);

}  // namespace torvik::inspect
