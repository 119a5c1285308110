// make_icons: derives the Windows icon from the 32 x 32 program icon, so the
// drawing lives in one file only. It is written as a classic icon, 24-bit
// colour with a 1-bit mask, by hand: Qt's ico writer would store 32-bit
// colour with alpha.
//
// Usage: make_icons <program_icon.png> <output folder>
// writes <folder>/grotzel.ico.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QtEndian>

#include <cstdio>

namespace {

// A pixel at least half opaque is drawn; the program icon only holds fully
// opaque and fully clear pixels, so the threshold only matters for strays.
bool Drawn(QRgb pixel) { return qAlpha(pixel) >= 128; }

void Put16(QByteArray& out, quint16 value) {
  char bytes[2];
  qToLittleEndian(value, bytes);
  out.append(bytes, 2);
}

void Put32(QByteArray& out, quint32 value) {
  char bytes[4];
  qToLittleEndian(value, bytes);
  out.append(bytes, 4);
}

// Rows of a device-independent bitmap are padded to whole 32-bit words.
int RowBytes(int bitsPerRow) { return (bitsPerRow + 31) / 32 * 4; }

// One icon directory with one entry, then the entry's image: a bitmap info
// header with twice the height (colour rows and mask rows stacked), the
// colour rows bottom-up in blue-green-red order, then the mask rows, where a
// set bit lets the screen show through. Clear pixels are black in the colour
// rows, as Windows expects for a masked icon. Expects a square image of at
// most 256 pixels a side.
QByteArray IconFile(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int side = image.width();
  const int colourRow = RowBytes(side * 24), maskRow = RowBytes(side);
  const quint32 pixelBytes = quint32((colourRow + maskRow) * side);
  const quint32 headerBytes = 40, imageOffset = 6 + 16;

  QByteArray out;
  Put16(out, 0);                                            // reserved
  Put16(out, 1);                                            // an icon, not a cursor
  Put16(out, 1);                                            // one image
  out.append(char(side & 0xFF)).append(char(side & 0xFF));  // 0 means 256
  out.append(char(0)).append(char(0));                      // no palette, reserved
  Put16(out, 1);                                            // planes
  Put16(out, 24);                                           // bits per pixel
  Put32(out, headerBytes + pixelBytes);
  Put32(out, imageOffset);

  Put32(out, headerBytes);
  Put32(out, quint32(side));
  Put32(out, quint32(side * 2));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // uncompressed
  Put32(out, pixelBytes);
  for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution and palette: unused

  for (int y = side - 1; y >= 0; --y) {
    QByteArray row(colourRow, '\0');
    for (int x = 0; x < side; ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (!Drawn(pixel)) continue;
      row[3 * x] = char(qBlue(pixel));
      row[3 * x + 1] = char(qGreen(pixel));
      row[3 * x + 2] = char(qRed(pixel));
    }
    out.append(row);
  }
  for (int y = side - 1; y >= 0; --y) {
    QByteArray row(maskRow, '\0');
    for (int x = 0; x < side; ++x)
      if (!Drawn(image.pixel(x, y))) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    out.append(row);
  }
  return out;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int Fail(const char* what, const QString& path) {
  std::fprintf(stderr, "make_icons: %s %s\n", what, qPrintable(path));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icons <program_icon.png> <folder>\n");
    return 2;
  }
  const QString sourcePath = QString::fromLocal8Bit(argv[1]);
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  const QImage icon(sourcePath);
  if (icon.isNull()) return Fail("cannot read", sourcePath);
  if (icon.size() != QSize(32, 32)) return Fail("needs a picture of 32 x 32 pixels:", sourcePath);
  if (!folder.mkpath(QStringLiteral("."))) return Fail("cannot create", folder.path());

  const QString icoPath = folder.filePath(QStringLiteral("grotzel.ico"));
  if (!WriteFile(icoPath, IconFile(icon))) return Fail("cannot write", icoPath);
  return 0;
}
