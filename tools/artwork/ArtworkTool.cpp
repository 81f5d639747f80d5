// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build step that turns the window icon's readable pixel maps (XPM) into the files the program
// needs:
//   about-bmp IN.xpm OUT.bmp        the About picture: 24-bit Windows bitmap, white ground
//   ico OUT.ico IN.xpm...           the Windows icon: one 16-colour image per input
// Writes nothing and fails on anything unexpected, so a broken pixel map stops the build.

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

// The sixteen standard VGA colours: the palette of a 16-colour icon.
constexpr std::array<QRgb, 16> kVgaPalette{
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

int fail(const QString& message)
{
    std::fprintf(stderr, "tallisk-artwork: %s\n", qPrintable(message));
    return 1;
}

std::optional<QImage> loadPixelMap(const QString& path, QString* error)
{
    QImage image(path, "XPM");
    if (image.isNull()) {
        *error = QStringLiteral("cannot read pixel map %1").arg(path);
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Little-endian writers for the Windows file headers.
void put16(QByteArray& out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void put32(QByteArray& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xffff));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

// A BITMAPINFOHEADER without compression; 3780 pixels per metre is 96 dots per inch.
void putInfoHeader(QByteArray& out, int width, int height, int bitCount, int imageSize, int colours)
{
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bitCount));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(imageSize));
    put32(out, 3780);
    put32(out, 3780);
    put32(out, static_cast<std::uint32_t>(colours));
    put32(out, 0);
}

// Bitmap rows are padded to whole 32-bit words.
int rowBytes(int width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

bool save(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

int aboutBitmap(const QString& in, const QString& out)
{
    QString error;
    const std::optional<QImage> image = loadPixelMap(in, &error);
    if (!image)
        return fail(error);
    const int width = image->width();
    const int height = image->height();
    const int stride = rowBytes(width, 24);

    QByteArray pixels;
    for (int y = height - 1; y >= 0; --y) { // bottom-up, as Windows bitmaps are stored
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            const QRgb rgb =
                qAlpha(image->pixel(x, y)) == 0 ? qRgb(255, 255, 255) : image->pixel(x, y);
            row.append(static_cast<char>(qBlue(rgb)));
            row.append(static_cast<char>(qGreen(rgb)));
            row.append(static_cast<char>(qRed(rgb)));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        pixels.append(row);
    }

    constexpr int kHeaders = 14 + 40;
    QByteArray bytes("BM");
    put32(bytes, static_cast<std::uint32_t>(kHeaders + pixels.size()));
    put32(bytes, 0);
    put32(bytes, kHeaders);
    putInfoHeader(bytes, width, height, 24, static_cast<int>(pixels.size()), 0);
    bytes.append(pixels);
    return save(out, bytes, &error) ? 0 : fail(error);
}

// One icon image: 4-bit colour bitmap (twice the height, as icons record it), palette, colour
// rows, then the 1-bit transparency mask.
std::optional<QByteArray> iconImage(const QImage& image, const QString& source, QString* error)
{
    const int width = image.width();
    const int height = image.height();
    const int colourStride = rowBytes(width, 4);
    const int maskStride = rowBytes(width, 1);

    QByteArray colour;
    QByteArray mask;
    for (int y = height - 1; y >= 0; --y) {
        QByteArray colourRow(colourStride, '\0');
        QByteArray maskRow(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            int index = 0;
            if (qAlpha(pixel) == 0) {
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
            } else {
                const auto* found =
                    std::find(kVgaPalette.begin(), kVgaPalette.end(), pixel | 0xff000000u);
                if (qAlpha(pixel) != 255 || found == kVgaPalette.end()) {
                    *error = QStringLiteral("%1: pixel %2,%3 is not one of the sixteen colours")
                                 .arg(source)
                                 .arg(x)
                                 .arg(y);
                    return std::nullopt;
                }
                index = static_cast<int>(found - kVgaPalette.begin());
            }
            const int shift = x % 2 == 0 ? 4 : 0;
            colourRow[x / 2] = static_cast<char>(colourRow[x / 2] | (index << shift));
        }
        colour.append(colourRow);
        mask.append(maskRow);
    }

    QByteArray bytes;
    putInfoHeader(bytes, width, 2 * height, 4, static_cast<int>(colour.size() + mask.size()),
                  static_cast<int>(kVgaPalette.size()));
    for (const QRgb entry : kVgaPalette) {
        bytes.append(static_cast<char>(qBlue(entry)));
        bytes.append(static_cast<char>(qGreen(entry)));
        bytes.append(static_cast<char>(qRed(entry)));
        bytes.append('\0');
    }
    bytes.append(colour);
    bytes.append(mask);
    return bytes;
}

int windowsIcon(const QString& out, const QStringList& inputs)
{
    QString error;
    QList<QByteArray> images;
    QList<QSize> sizes;
    for (const QString& in : inputs) {
        const std::optional<QImage> image = loadPixelMap(in, &error);
        if (!image)
            return fail(error);
        if (image->width() > 255 || image->height() > 255)
            return fail(QStringLiteral("%1 is too large for a 16-colour icon").arg(in));
        const std::optional<QByteArray> bytes = iconImage(*image, in, &error);
        if (!bytes)
            return fail(error);
        images.append(*bytes);
        sizes.append(image->size());
    }

    constexpr int kDirectory = 6;
    constexpr int kEntry = 16;
    QByteArray bytes;
    put16(bytes, 0);
    put16(bytes, 1); // an icon, not a cursor
    put16(bytes, static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = kDirectory + kEntry * static_cast<std::uint32_t>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        bytes.append(static_cast<char>(sizes[i].width()));
        bytes.append(static_cast<char>(sizes[i].height()));
        bytes.append(static_cast<char>(kVgaPalette.size()));
        bytes.append('\0');
        put16(bytes, 1);
        put16(bytes, 4);
        put32(bytes, static_cast<std::uint32_t>(images[i].size()));
        put32(bytes, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const QByteArray& image : images)
        bytes.append(image);
    return save(out, bytes, &error) ? 0 : fail(error);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.value(0);
    if (command == u"about-bmp" && args.size() == 3)
        return aboutBitmap(args[1], args[2]);
    if (command == u"ico" && args.size() >= 3)
        return windowsIcon(args[1], args.mid(2));
    return fail(QStringLiteral("usage: about-bmp IN OUT | ico OUT IN..."));
}
