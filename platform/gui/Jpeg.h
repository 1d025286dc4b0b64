// JPEG pictures of the window layouts, decoded with libjpeg into pixels the controls show.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// 8-bit RGB, 3 bytes a pixel, rows from the top, no padding.
struct TRgbPixels {
  int Width = 0;
  int Height = 0;
  std::vector<unsigned char> Bytes;
};

// False, with pixels left empty, when the data is not a JPEG picture libjpeg can read.
bool DecodeJpeg(const unsigned char* data, std::size_t size, TRgbPixels& pixels);
bool DecodeJpegFile(const std::string& fileName, TRgbPixels& pixels);
