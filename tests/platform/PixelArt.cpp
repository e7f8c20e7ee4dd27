#include "PixelArt.h"

#include "platform/CRasterDC.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<QRgb, char>, 6> g_aPalette{{
    {0xFFFFFFFF, '.'},
    {0xFF000000, '#'},
    {0xFFFF0000, 'R'},
    {0xFF00FF00, 'G'},
    {0xFF0000FF, 'B'},
    {0xFF00FFFF, 'C'},
}};

char CharOf(QRgb nPixel) {
    for (const auto& [nColor, ch] : g_aPalette) {
        if (nPixel == nColor) {
            return ch;
        }
    }
    return '?';
}

} // namespace

std::vector<std::string> PixelArt(const QImage& image) {
    std::vector<std::string> aRows;
    for (int y = 0; y < image.height(); ++y) {
        std::string strRow;
        for (int x = 0; x < image.width(); ++x) {
            strRow += CharOf(image.pixel(x, y));
        }
        aRows.push_back(strRow);
    }
    return aRows;
}

QImage BlankCanvas(int nWidth, int nHeight) {
    return CRasterDC::CreateImage({nWidth, nHeight}, RGB(255, 255, 255));
}
