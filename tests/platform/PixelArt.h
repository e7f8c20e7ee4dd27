#pragma once

#include <QImage>

#include <string>
#include <vector>

// An image as rows of characters, one per pixel, so a test can state the picture it expects:
// '.' white, '#' black, 'R' red, 'G' green, 'B' blue, 'C' cyan, '?' any other colour.
std::vector<std::string> PixelArt(const QImage& image);

// A white 10 x 10 image, the canvas of most pixel tests.
QImage BlankCanvas(int nWidth = 10, int nHeight = 10);
