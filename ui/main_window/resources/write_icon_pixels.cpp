// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// Run at build time: writes the pixels of the icon's PNG as a C++ header, so that the program
// shows its icon without decoding an image when it starts.
// Usage: write_icon_pixels PNG HEADER

#include <QImage>
#include <QString>
#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

constexpr int kPixelsPerLine = 6;

void writeHeader(const QImage& image, std::FILE* out) {
    std::fprintf(out,
                 "// Written at build time by write_icon_pixels from the icon's PNG.\n"
                 "#pragma once\n\n#include <cstdint>\n\nnamespace ui::icon_pixels {\n\n"
                 "inline constexpr int kWidth = %d;\ninline constexpr int kHeight = %d;\n"
                 "// Premultiplied 0xAARRGGBB, row by row from the top.\n"
                 "inline constexpr std::uint32_t kPixels[] = {",
                 image.width(), image.height());
    int written = 0;
    for (int y = 0; y < image.height(); ++y) {
        // The stored values: QImage::pixel would not say whether they are premultiplied.
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            std::fprintf(out, written % kPixelsPerLine == 0 ? "\n    0x%08x," : " 0x%08x,", row[x]);
            ++written;
        }
    }
    std::fprintf(out, "\n};\n\n}  // namespace ui::icon_pixels\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_icon_pixels PNG HEADER\n");
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]), "png")
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "write_icon_pixels: cannot read %s as PNG\n", argv[1]);
        return 1;
    }
    const std::unique_ptr<std::FILE, FileCloser> out(std::fopen(argv[2], "w"));
    if (!out) {
        std::fprintf(stderr, "write_icon_pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    writeHeader(image, out.get());
    return std::ferror(out.get()) != 0 ? 1 : 0;
}
