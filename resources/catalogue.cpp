#include "catalogue.h"

#include <QBitmap>
#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QResource>
#include <QtEndian>

#include "LittleEndian.h"

namespace Catalogue {
namespace {

using LittleEndian::U16;
using LittleEndian::U32;

// A resource stored as it is comes as the stored bytes themselves, not a
// copy; a compressed one is unpacked.
QByteArray load(const QString &path)
{
    const QResource resource(path);
    const QByteArray bytes = resource.uncompressedData();
    if (!resource.isValid() || bytes.isNull())
        qFatal("Lumidex: embedded resource %s is missing", qPrintable(path));
    return bytes;
}

// The format is always known: named, and with guessing turned off, the image
// reader loads no image plugin to sniff the data (a bare QImage::fromData
// loads every one installed, SVG and JPEG among them, for good).
QImage decode(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// A picture's twin for high-density screens, drawn at twice its size and
// stored beside it under its name with "@2x".
QImage twin(const QString &path)
{
    QImage image = decode(load(path + QStringLiteral("@2x")), "png");
    if (image.isNull())
        qFatal("Lumidex: embedded resource %s@2x cannot be decoded", qPrintable(path));
    image.setDevicePixelRatio(2);
    return image;
}

// A stored picture (":/BITMAP/255"), or its twin above a ratio of 1, decoded
// once for all the controls that show it: the sixteen card backs are one
// image, not sixteen. Images no control holds any more are let go.
QImage shared(const QString &path, qreal devicePixelRatio)
{
    static QHash<QString, QImage> shown;
    erase_if(shown, [](QHash<QString, QImage>::iterator entry) { return entry.value().isDetached(); });
    const bool sharp = devicePixelRatio > 1;
    QImage &image = shown[sharp ? path + QStringLiteral("@2x") : path];
    if (image.isNull())
        image = sharp ? twin(path) : DecodeDib(load(path));
    return image;
}

} // namespace

QByteArray LoadResData(int id, const QString &type)
{
    return load(QStringLiteral(":/%1/%2").arg(type).arg(id));
}

QImage DecodeDib(const QByteArray &dib)
{
    // The image reader wants a BMP file: put the 14-byte file header back.
    const quint32 headerSize = U32(dib, 0);
    const quint32 paletteBytes = U16(dib, 14) <= 8 ? 4u << U16(dib, 14) : 0;
    QByteArray file("BM");
    file.resize(14);
    qToLittleEndian<quint32>(14 + dib.size(), file.data() + 2);
    qToLittleEndian<quint32>(0, file.data() + 6);
    qToLittleEndian<quint32>(14 + headerSize + paletteBytes, file.data() + 10);
    QImage image = decode(file + dib, "bmp");
    if (image.isNull())
        qFatal("Lumidex: embedded bitmap cannot be decoded");
    return image;
}

QImage LoadResPicture(int id, qreal devicePixelRatio)
{
    return shared(QStringLiteral(":/BITMAP/%1").arg(id), devicePixelRatio);
}

QImage LoadLayoutPicture(const QString &name, qreal devicePixelRatio)
{
    return shared(QStringLiteral(":/LAYOUT/") + name, devicePixelRatio);
}

QCursor LoadResCursor(int id, qreal devicePixelRatio)
{
    // A cursor image: hot spot (x, y), then a 1-bit bitmap of twice the height
    // holding the XOR mask above the AND mask.
    const QByteArray res = LoadResData(id, QStringLiteral("CURSOR"));
    const int hotX = U16(res, 0), hotY = U16(res, 2);
    if (devicePixelRatio > 1) {
        QImage hand = twin(QStringLiteral(":/CURSOR/%1").arg(id));
        hand = hand.scaled(hand.size() * devicePixelRatio / 2, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
        hand.setDevicePixelRatio(devicePixelRatio);
        // QCursor takes the hot spot in device-independent pixels, and so
        // does Wayland; X11 (Qt 6.4) takes it in the picture's own pixels.
        const qreal spot = QGuiApplication::platformName() == QLatin1String("xcb") ? devicePixelRatio : 1;
        return QCursor(QPixmap::fromImage(hand), qRound(hotX * spot), qRound(hotY * spot));
    }
    const QByteArray dib = res.mid(4);
    const int width = int(U32(dib, 4)), height = int(U32(dib, 8)) / 2;
    const int stride = ((width + 31) / 32) * 4;
    const int xorAt = 40 + 8, andAt = xorAt + stride * height;
    QImage shape(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y; // bottom-up
        for (int x = 0; x < width; ++x) {
            const int byte = row * stride + x / 8, bit = 0x80 >> (x % 8);
            const bool white = dib[xorAt + byte] & bit;
            const bool transparent = dib[andAt + byte] & bit;
            shape.setPixel(x, y, transparent ? 0u : white ? 0xffffffffu : 0xff000000u);
        }
    }
    return QCursor(QPixmap::fromImage(shape), hotX, hotY);
}

QIcon LoadResIcon(int id, qreal devicePixelRatio)
{
    // An icon image is a bitmap of twice the height (colours, then the AND
    // mask); wrap it in a one-entry icon file for the image reader.
    const QByteArray image = LoadResData(id, QStringLiteral("ICON"));
    QByteArray file(6 + 16, '\0');
    qToLittleEndian<quint16>(1, file.data() + 2); // type: icon
    qToLittleEndian<quint16>(1, file.data() + 4); // one image
    file[6] = char(U32(image, 4));
    file[7] = char(U32(image, 8) / 2);
    qToLittleEndian<quint16>(1, file.data() + 10);
    qToLittleEndian<quint16>(U16(image, 14), file.data() + 12);
    qToLittleEndian<quint32>(image.size(), file.data() + 14);
    qToLittleEndian<quint32>(22, file.data() + 18);
    QImage decoded = decode(file + image, "ico");
    QIcon icon(QPixmap::fromImage(decoded));
    if (devicePixelRatio > 1)
        icon.addPixmap(QPixmap::fromImage(twin(QStringLiteral(":/ICON/%1").arg(id))));
    return icon;
}

} // namespace Catalogue
