// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>

// The drawn files against the pixel maps they are drawn from. TALLISK_ARTWORK_DIR holds the
// generated files, TALLISK_ICON_DIR the pixel maps; TALLISK_THEME_ICON_DIR the desktop's icon
// rendered from its SVG, one folder per size.
class tst_Artwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pixelMapsUseTheSixteenColours_data();
    void pixelMapsUseTheSixteenColours();
    void aboutPictureIsA24BitBitmap();
    void aboutPictureIsTheLargeIconOnWhite();
    void windowsIconHoldsBothSixteenColourImages();
    void themeIconsReadOnLightAndDarkPanels_data();
    void themeIconsReadOnLightAndDarkPanels();
};

using tallisk::test::addColumns;
using tallisk::test::readFile;

namespace {

constexpr std::array<QRgb, 16> kVgaPalette{
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

QString artwork(const char* name)
{
    return QStringLiteral(TALLISK_ARTWORK_DIR "/") + QString::fromLatin1(name);
}

QImage pixelMap(int size)
{
    return QImage(QStringLiteral(TALLISK_ICON_DIR "/tallisk-%1.xpm").arg(size), "XPM")
        .convertToFormat(QImage::Format_ARGB32);
}

quint32 le32(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 le16(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

bool hasColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

} // namespace

void tst_Artwork::pixelMapsUseTheSixteenColours_data()
{
    addColumns<int, bool>({"size", "lettered"});
    QTest::newRow("16 x 16, the arrow alone") << 16 << false;
    QTest::newRow("32 x 32, arrow and name") << 32 << true;
}

void tst_Artwork::pixelMapsUseTheSixteenColours()
{
    QFETCH(int, size);
    QFETCH(bool, lettered);
    const QImage image = pixelMap(size);
    QCOMPARE(image.size(), QSize(size, size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            QVERIFY2(qAlpha(pixel) == 0 ||
                         std::count(kVgaPalette.begin(), kVgaPalette.end(), pixel) == 1,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
    // Transparent ground, a bright green arrow, black letters only on the large one.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    QVERIFY(hasColour(image, 0xff00ff00));
    QCOMPARE(hasColour(image, 0xff000000), lettered);
}

void tst_Artwork::aboutPictureIsA24BitBitmap()
{
    const QByteArray bmp = readFile(artwork("about.bmp"));
    QCOMPARE(bmp.size(), 3126);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(le32(bmp, 2), 3126u); // file size
    QCOMPARE(le32(bmp, 10), 54u);  // pixels right after the two headers
    QCOMPARE(le32(bmp, 14), 40u);  // BITMAPINFOHEADER
    QCOMPARE(le32(bmp, 18), 32u);  // width
    QCOMPARE(le32(bmp, 22), 32u);  // height, positive: stored bottom-up
    QCOMPARE(le16(bmp, 26), 1);    // planes
    QCOMPARE(le16(bmp, 28), 24);   // bits per pixel
    QCOMPARE(le32(bmp, 30), 0u);   // uncompressed
    QCOMPARE(le32(bmp, 34), 3072u);

    // The same bytes are what the About window shows.
    QFile resource(QStringLiteral(":/tallisk/about.bmp"));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QCOMPARE(resource.readAll(), bmp);
}

void tst_Artwork::aboutPictureIsTheLargeIconOnWhite()
{
    const QImage picture(artwork("about.bmp"), "BMP");
    const QImage icon = pixelMap(32);
    QCOMPARE(picture.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb expected =
                qAlpha(icon.pixel(x, y)) == 0 ? qRgb(255, 255, 255) : icon.pixel(x, y);
            QVERIFY2(picture.pixel(x, y) == (expected | 0xff000000u),
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void tst_Artwork::windowsIconHoldsBothSixteenColourImages()
{
    const QByteArray ico = readFile(artwork("tallisk.ico"));
    QVERIFY(ico.size() > 6 + 2 * 16);
    QCOMPARE(le16(ico, 0), 0);
    QCOMPARE(le16(ico, 2), 1); // an icon
    QCOMPARE(le16(ico, 4), 2); // two images
    quint32 end = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const int entry = 6 + 16 * i;
        const int size = i == 0 ? 16 : 32;
        QCOMPARE(static_cast<uchar>(ico[entry]), size);
        QCOMPARE(static_cast<uchar>(ico[entry + 1]), size);
        QCOMPARE(static_cast<uchar>(ico[entry + 2]), 16); // colours
        QCOMPARE(le16(ico, entry + 6), 4);                // bits per pixel
        const quint32 bytes = le32(ico, entry + 8);
        const quint32 offset = le32(ico, entry + 12);
        QCOMPARE(offset, end); // images follow one another without gaps
        end += bytes;
        QCOMPARE(le32(ico, static_cast<int>(offset) + 8), quint32(2 * size)); // colour + mask
    }
    QCOMPARE(quint32(ico.size()), end);

    // Read back, each image is its pixel map, transparent ground included.
    QImageReader reader(artwork("tallisk.ico"), "ICO");
    QCOMPARE(reader.imageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QImage expected = pixelMap(image.width());
        QCOMPARE(image.size(), expected.size());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb got = image.pixel(x, y);
                const QRgb want = expected.pixel(x, y);
                QVERIFY2(qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want,
                         qPrintable(QStringLiteral("image %1 pixel %2,%3").arg(i).arg(x).arg(y)));
            }
    }
}

void tst_Artwork::themeIconsReadOnLightAndDarkPanels_data()
{
    QTest::addColumn<int>("size");
#ifdef TALLISK_THEME_ICON_DIR
    for (int size : {TALLISK_THEME_ICON_SIZES})
        QTest::addRow("%dx%d", size, size) << size;
#endif
}

// Each rendered size is whole and keeps both a dark part (standing out on a light panel) and a
// light one (on a dark panel), each a fair share of what is drawn.
void tst_Artwork::themeIconsReadOnLightAndDarkPanels()
{
#ifdef TALLISK_THEME_ICON_DIR
    QFETCH(int, size);
    const QImage icon =
        QImage(QStringLiteral(TALLISK_THEME_ICON_DIR "/%1x%1/org.tallisk.tallisk.png").arg(size),
               "PNG")
            .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0); // a rounded tile, no ground of its own
    int drawn = 0, light = 0, dark = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            if (qAlpha(pixel) < 192)
                continue;
            ++drawn;
            light += qGray(pixel) >= 192;
            dark += qGray(pixel) <= 64;
        }
    QVERIFY2(
        light * 10 >= drawn && dark * 10 >= drawn,
        qPrintable(QStringLiteral("%1 drawn, %2 light, %3 dark").arg(drawn).arg(light).arg(dark)));
#else
    QSKIP("the theme icons are the freedesktop platforms'");
#endif
}

QTEST_GUILESS_MAIN(tst_Artwork)
#include "tst_Artwork.moc"
