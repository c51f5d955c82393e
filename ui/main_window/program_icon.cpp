// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/main_window/program_icon.hpp"

#include <QImage>
#include <QPixmap>

#include "ui/main_window/icon_pixels.hpp"

namespace ui {

QIcon programIcon() {
    // The pixels were taken from the PNG at build time. Decoding it here would cost the start
    // more than the picture: QImageReader first asks every image plugin it can find whether it
    // reads the file, and a QIcon made from the file name loads them all, the SVG and JPEG
    // libraries with them.
    const QImage image(reinterpret_cast<const uchar*>(icon_pixels::kPixels), icon_pixels::kWidth,
                       icon_pixels::kHeight, QImage::Format_ARGB32_Premultiplied);
    return {QPixmap::fromImage(image)};
}

}  // namespace ui
