// Draws the program's artwork: the application icon at the sizes the desktop wants and the banner
// of the main window. Run once by the `artwork` target; the PNG files it writes are committed.
//
//   draw_artwork OUTPUT_DIR
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kBody(0x37, 0x41, 0x4d);
const QColor kBodyLight(0x5a, 0x66, 0x74);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kInk(0x8a, 0x94, 0x9e);
const QColor kLamp(0x3c, 0xc8, 0x6e);

// A receipt printer seen from the front, a receipt coming out of its slot; drawn in a 32-unit
// square.
void drawPrinter(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  // Receipt.
  QPainterPath receipt;
  receipt.moveTo(9, 14);
  receipt.lineTo(9, 2.5);
  for (int i = 0; i < 7; ++i) {  // torn edge
    receipt.lineTo(9 + i * 2 + 1, 1);
    receipt.lineTo(9 + i * 2 + 2, 2.5);
  }
  receipt.lineTo(23, 14);
  receipt.closeSubpath();
  p.setBrush(kPaper);
  p.drawPath(receipt);
  p.setPen(QPen(kInk, 1.0));
  for (qreal y : {5.5, 8.0, 10.5}) p.drawLine(QPointF(11, y), QPointF(y < 10 ? 21 : 17, y));
  p.setPen(Qt::NoPen);
  // Body.
  QLinearGradient shade(0, 12, 0, 30);
  shade.setColorAt(0, kBodyLight);
  shade.setColorAt(1, kBody);
  p.setBrush(shade);
  p.drawRoundedRect(QRectF(3, 12, 26, 18), 3.5, 3.5);
  // Paper slot.
  p.setBrush(QColor(0x1e, 0x24, 0x2b));
  p.drawRoundedRect(QRectF(7, 13.5, 18, 2.2), 1, 1);
  // Status lamp and a feed button.
  p.setBrush(kLamp);
  p.drawEllipse(QPointF(8, 25), 1.7, 1.7);
  p.setBrush(QColor(0xc9, 0xcf, 0xd6));
  p.drawRoundedRect(QRectF(17, 23.5, 8, 3), 1.5, 1.5);
}

QImage icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(size / 32.0, size / 32.0);
  drawPrinter(p);
  return image;
}

// 800 × 71, 24-bit: a quiet band that carries the icon and the program's name on its left. The
// window is narrower than the banner, so nothing that matters sits on the right.
QImage banner() {
  QImage image(800, 71, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient band(0, 0, 800, 0);
  band.setColorAt(0, QColor(0x2f, 0x4a, 0x5f));
  band.setColorAt(0.55, QColor(0x3f, 0x6f, 0x86));
  band.setColorAt(1, QColor(0x86, 0xa9, 0xb9));
  p.fillRect(image.rect(), band);
  // A thin paper-coloured rule along the bottom edge.
  p.fillRect(QRect(0, 67, 800, 4), QColor(0xe8, 0xee, 0xf1));
  p.save();
  p.translate(14, 10);
  p.scale(1.5, 1.5);
  drawPrinter(p);
  p.restore();
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(24);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QPoint(76, 35), QStringLiteral("Z3M / Q470 Setting Tool"));
  QFont subtitle(QStringLiteral("DejaVu Sans"));
  subtitle.setPixelSize(13);
  p.setFont(subtitle);
  p.setPen(QColor(0xd5, 0xe3, 0xea));
  p.drawText(QPoint(78, 55), QStringLiteral("Receipt printer settings over USB"));
  return image;
}

bool save(const QImage& image, const QString& path) {
  if (image.save(path)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_artwork OUTPUT_DIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  bool ok = save(banner(), out.filePath(QStringLiteral("banner.png")));
  for (int size : {32, 48, 128, 256}) {
    ok = save(icon(size), out.filePath(QStringLiteral("icon-%1.png").arg(size))) && ok;
  }
  return ok ? 0 : 1;
}
