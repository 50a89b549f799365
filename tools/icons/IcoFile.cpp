#include "tools/icons/IcoFile.h"

#include <QtEndian>

namespace {

void Append16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void Append32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// The picture as an icon's bitmap: a BITMAPINFOHEADER whose height counts the colour
// rows and the mask rows, the colour rows bottom first as blue, green, red, alpha,
// then the mask, one bit per pixel, each row padded to four bytes.
QByteArray IconBitmap(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    QByteArray out;
    Append32(out, 40);
    Append32(out, static_cast<quint32>(size));
    Append32(out, static_cast<quint32>(2 * size));
    Append16(out, 1);   // planes
    Append16(out, 32);  // bits per pixel
    Append32(out, 0);   // no compression
    Append32(out, static_cast<quint32>(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i) {
        Append32(out, 0);  // resolution and palette: unused
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.append(static_cast<char>(qBlue(pixel)));
            out.append(static_cast<char>(qGreen(pixel)));
            out.append(static_cast<char>(qRed(pixel)));
            out.append(static_cast<char>(qAlpha(pixel)));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray IcoFileBytes(const std::vector<QImage>& pictures) {
    QByteArray header;
    Append16(header, 0);
    Append16(header, 1);  // an icon, not a cursor
    Append16(header, static_cast<quint16>(pictures.size()));
    QByteArray data;
    quint32 offset = static_cast<quint32>(6 + 16 * pictures.size());
    for (const QImage& picture : pictures) {
        const QByteArray bitmap = IconBitmap(picture);
        const int size = picture.width();
        header.append(static_cast<char>(size >= 256 ? 0 : size));
        header.append(static_cast<char>(size >= 256 ? 0 : size));
        header.append('\0');  // no palette
        header.append('\0');
        Append16(header, 1);
        Append16(header, 32);
        Append32(header, static_cast<quint32>(bitmap.size()));
        Append32(header, offset);
        offset += static_cast<quint32>(bitmap.size());
        data.append(bitmap);
    }
    return header + data;
}
