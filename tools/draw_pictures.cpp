// Draws the program's pictures into resources/pictures/.
// Build and run: cmake --build build/asan --target draw_pictures &&
//                build/asan/draw_pictures resources/pictures
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cstdio>
#include <initializer_list>
#include <vector>

namespace {

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name + QStringLiteral(".bmp"));
  if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// 400 x 300 on black: a loading notice in blue, the credit line in red below.
QImage Splash() {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // A ring of dots, the usual sign of something loading.
  for (int i = 0; i < 12; ++i) {
    p.save();
    p.translate(200, 105);
    p.rotate(i * 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 255, 60 + i * 16));
    p.drawEllipse(QPointF(0, -38), 7, 7);
    p.restore();
  }

  QFont notice(QStringLiteral("DejaVu Sans"));
  notice.setPixelSize(34);
  notice.setBold(true);
  p.setFont(notice);
  p.setPen(QColor(30, 90, 255));
  p.drawText(QRect(0, 160, 400, 50), Qt::AlignCenter, QStringLiteral("Загрузка..."));

  QFont credit(QStringLiteral("DejaVu Sans"));
  credit.setPixelSize(22);
  p.setFont(credit);
  p.setPen(QColor(230, 20, 20));
  p.drawText(QRect(0, 230, 400, 40), Qt::AlignCenter, QStringLiteral("Made by Zelkarin"));
  return image;
}

// ---- The weapon pictures: 205 x 65 on 0x00BFBFBF, each item as the buy menu shows it.

constexpr int kWeaponWidth = 205;
constexpr int kWeaponHeight = 65;
const QColor kBack(0xBF, 0xBF, 0xBF);
const QColor kOutline(20, 20, 22);
const QColor kBlued(52, 54, 60);
const QColor kBlack(30, 30, 32);
const QColor kSteel(95, 98, 105);
const QColor kWood(128, 74, 34);
const QColor kOlive(92, 100, 62);
const QColor kSand(176, 160, 118);

QImage Blank() {
  QImage image(kWeaponWidth, kWeaponHeight, QImage::Format_RGB32);
  image.fill(kBack);
  return image;
}

void Begin(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kOutline, 1.0));
}

void Poly(QPainter& p, std::initializer_list<QPointF> points, const QBrush& brush) {
  p.setBrush(brush);
  p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void Box(QPainter& p, double x, double y, double w, double h, const QBrush& brush, double r = 1) {
  p.setBrush(brush);
  p.drawRoundedRect(QRectF(x, y, w, h), r, r);
}

// Shiny metal: light along the top edge, dark below.
QBrush Chrome(double top, double bottom) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, QColor(245, 245, 250));
  g.setColorAt(0.45, QColor(170, 172, 180));
  g.setColorAt(1, QColor(95, 97, 105));
  return g;
}

void TriggerGuard(QPainter& p, double x, double y, double w, double h) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kOutline, 2.0));
  p.drawArc(QRectF(x, y - h, w, 2 * h), 180 * 16, 180 * 16);
  p.setPen(QPen(kOutline, 1.0));
}

// A silencer lying below the weapon, as a separate part.
void LooseSilencer(QPainter& p, double x, double y, double length) {
  Box(p, x, y, length, 9, QBrush(kBlack), 3);
  p.setPen(QPen(QColor(90, 90, 95), 1));
  p.drawLine(QPointF(x + 3, y + 2.5), QPointF(x + length - 3, y + 2.5));
  p.setPen(QPen(kOutline, 1.0));
  Box(p, x - 5, y + 2.5, 6, 4, QBrush(kSteel), 1);
}

struct PistolLook {
  double x = 55, y = 12;  // top-left of the slide
  double slide = 78;      // slide length
  double height = 11;     // slide height
  QBrush slideBrush = QBrush(kBlued);
  QBrush frameBrush = QBrush(kBlack);
  QBrush gripBrush = QBrush(kBlack);
  double gripSlant = 10;  // how far the grip leans back
  bool square = false;    // blocky slide
  bool serrations = true;
  double barrelOut = 0;  // barrel reaching past the slide
};

void Pistol(QPainter& p, const PistolLook& k) {
  const double x = k.x, y = k.y, L = k.slide, h = k.height;
  // Grip.
  Poly(p,
       {{x + 4, y + h},
        {x + 26, y + h},
        {x + 26 - k.gripSlant + 2, y + h + 34},
        {x + 4 - k.gripSlant, y + h + 34},
        {x + 1 - k.gripSlant, y + h + 28}},
       k.gripBrush);
  p.setPen(QPen(QColor(70, 70, 74), 1));
  for (int i = 0; i < 6; ++i) {
    const double gy = y + h + 8 + i * 4;
    p.drawLine(QPointF(x + 5 - k.gripSlant * (gy - y - h) / 34, gy),
               QPointF(x + 22 - k.gripSlant * (gy - y - h) / 34, gy));
  }
  p.setPen(QPen(kOutline, 1.0));
  // Frame with the trigger guard.
  Poly(p, {{x + 2, y + h - 1}, {x + L - 6, y + h - 1}, {x + L - 6, y + h + 5}, {x + 26, y + h + 6}},
       k.frameBrush);
  TriggerGuard(p, x + 26, y + h + 5, 18, 10);
  p.drawLine(QPointF(x + 33, y + h + 6), QPointF(x + 31, y + h + 12));
  // Barrel and slide.
  if (k.barrelOut > 0) Box(p, x + L - 4, y + 3, k.barrelOut + 4, 5, QBrush(kSteel), 1);
  if (k.square) {
    Box(p, x, y, L, h, k.slideBrush, 1);
  } else {
    Poly(p, {{x, y + 1}, {x + 3, y}, {x + L - 2, y}, {x + L, y + 2}, {x + L, y + h}, {x, y + h}},
         k.slideBrush);
  }
  if (k.serrations) {
    p.setPen(QPen(QColor(20, 20, 20, 150), 1));
    for (int i = 0; i < 6; ++i)
      p.drawLine(QPointF(x + 5 + i * 2.5, y + 2), QPointF(x + 5 + i * 2.5, y + h - 2));
    p.setPen(QPen(kOutline, 1.0));
  }
  // Sights and hammer.
  Box(p, x + L - 6, y - 2.5, 3, 3, QBrush(kBlack), 0.5);
  Box(p, x + 2, y - 2.5, 5, 3, QBrush(kBlack), 0.5);
  Box(p, x - 4, y + 2, 5, 5, QBrush(kBlack), 1);
  // Ejection port.
  Box(p, x + 34, y + 2, 12, 4, QBrush(QColor(18, 18, 18)), 0.5);
}

struct LongLook {
  double butt = 6;       // left end of the stock
  double receiver = 50;  // where the receiver starts
  double receiverLength = 50;
  double muzzle = 196;  // right end of the barrel
  double axis = 24;     // the bore line
  double barrel = 4;    // barrel thickness
  QBrush stock = QBrush(kBlack);
  QBrush body = QBrush(kBlued);
  QBrush guard = QBrush(kBlack);
  double guardLength = 40;  // handguard ahead of the receiver
  enum Stock { Solid, Skeleton, Folded, None, Thumbhole } stockKind = Solid;
  enum Mag { Straight, Curved, BoxMag, Drum } mag = Straight;
  double magLength = 24;
  bool scope = false;
  double scopeLength = 50;
  double scopeSize = 7;
  bool bipod = false;
  bool carryHandle = false;
  double gripAt = -1;  // pistol grip position; -1: just behind the magazine
  bool grip = true;
};

void Scope(QPainter& p, double x, double y, double length, double size) {
  // Mounts.
  Box(p, x + length * 0.25, y + size - 1, 5, 5, QBrush(kBlack), 0.5);
  Box(p, x + length * 0.7, y + size - 1, 5, 5, QBrush(kBlack), 0.5);
  // Tube with its two bells.
  Box(p, x, y + size * 0.25, length, size * 0.8, QBrush(kBlack), 2);
  Poly(p, {{x - 2, y - 1}, {x + 9, y + size * 0.2}, {x + 9, y + size}, {x - 2, y + size + 1}},
       QBrush(kBlack));
  Poly(p,
       {{x + length + 3, y - 2},
        {x + length - 12, y + size * 0.2},
        {x + length - 12, y + size},
        {x + length + 3, y + size + 2}},
       QBrush(kBlack));
  // Lens glint.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 170, 220));
  p.drawEllipse(QRectF(x + length + 1, y + 1, 2.5, size - 1));
  p.setPen(QPen(kOutline, 1.0));
  Box(p, x + length * 0.45, y - 2, 6, 3, QBrush(kBlack), 0.5);
}

void LongGun(QPainter& p, const LongLook& k) {
  const double a = k.axis;
  const double r0 = k.receiver, r1 = k.receiver + k.receiverLength;
  // Barrel first, so the handguard lies over it.
  Box(p, r1 - 2, a - k.barrel / 2, k.muzzle - r1 + 2, k.barrel, QBrush(kSteel), 1);
  Box(p, k.muzzle - 5, a - k.barrel / 2 - 1, 5, k.barrel + 2, QBrush(kBlack), 1);
  // Front sight.
  Poly(p,
       {{k.muzzle - 14, a - k.barrel / 2},
        {k.muzzle - 12, a - k.barrel / 2 - 6},
        {k.muzzle - 10, a - k.barrel / 2 - 6},
        {k.muzzle - 9, a - k.barrel / 2}},
       QBrush(kBlack));
  // Stock.
  switch (k.stockKind) {
    case LongLook::Solid:
      Poly(p,
           {{k.butt, a - 7},
            {r0 + 1, a - 6},
            {r0 + 1, a + 6},
            {k.butt + 22, a + 10},
            {k.butt, a + 17}},
           k.stock);
      Box(p, k.butt - 2, a - 8, 4, 26, QBrush(kBlack), 1);
      break;
    case LongLook::Thumbhole:
      Poly(p,
           {{k.butt, a - 7},
            {r0 + 1, a - 6},
            {r0 + 1, a + 8},
            {r0 - 14, a + 8},
            {k.butt + 18, a + 16},
            {k.butt, a + 17}},
           k.stock);
      p.setBrush(kBack);
      p.drawEllipse(QRectF(r0 - 24, a - 1, 14, 6));
      Box(p, k.butt - 2, a - 8, 4, 26, QBrush(kBlack), 1);
      break;
    case LongLook::Skeleton: {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kOutline, 4.5));
      p.drawLine(QPointF(k.butt, a - 5), QPointF(r0, a - 4));
      p.drawLine(QPointF(k.butt, a + 14), QPointF(r0, a + 4));
      p.drawLine(QPointF(k.butt, a - 6), QPointF(k.butt, a + 15));
      p.setPen(QPen(kOutline, 1.0));
      break;
    }
    case LongLook::Folded:
      // The stock folded along the side: a bar and its hinge.
      Box(p, r0 - 4, a + 4, k.receiverLength * 0.8, 4, QBrush(kBlack), 1);
      Box(p, r0 - 8, a - 6, 9, 16, QBrush(kBlack), 2);
      break;
    case LongLook::None:
      break;
  }
  // Receiver.
  Poly(p, {{r0, a - 6}, {r1, a - 6}, {r1, a + 6}, {r0, a + 7}}, k.body);
  // Handguard.
  if (k.guardLength > 0) {
    Poly(p, {{r1, a - 5}, {r1 + k.guardLength, a - 4}, {r1 + k.guardLength, a + 5}, {r1, a + 7}},
         k.guard);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    for (double v = r1 + 4; v < r1 + k.guardLength - 2; v += 5)
      p.drawLine(QPointF(v, a - 3), QPointF(v, a + 4));
    p.setPen(QPen(kOutline, 1.0));
  }
  // Magazine in front of the grip.
  const double m = r0 + k.receiverLength * 0.55;
  switch (k.mag) {
    case LongLook::Straight:
      Poly(p, {{m, a + 6}, {m + 9, a + 6}, {m + 9, a + 6 + k.magLength}, {m, a + 6 + k.magLength}},
           QBrush(kBlack));
      break;
    case LongLook::Curved:
      Poly(p,
           {{m, a + 6},
            {m + 10, a + 6},
            {m + 17, a + 6 + k.magLength * 0.6},
            {m + 22, a + 6 + k.magLength},
            {m + 12, a + 8 + k.magLength},
            {m + 7, a + 6 + k.magLength * 0.65}},
           QBrush(kBlack));
      break;
    case LongLook::BoxMag:
      Box(p, m - 4, a + 6, 22, k.magLength, QBrush(kOlive), 2);
      p.drawLine(QPointF(m - 1, a + 10), QPointF(m + 15, a + 10));
      break;
    case LongLook::Drum:
      p.setBrush(kBlack);
      p.drawEllipse(QRectF(m - 2, a + 3, 18, 18));
      break;
  }
  // Pistol grip and trigger guard.
  if (k.grip) {
    const double g = k.gripAt >= 0 ? k.gripAt : m - 20;
    Poly(p, {{g, a + 6}, {g + 11, a + 6}, {g + 6, a + 26}, {g - 4, a + 26}}, QBrush(kBlack));
    TriggerGuard(p, g + 10, a + 6, m - g - 10 > 6 ? m - g - 10 : 8, 7);
  }
  if (k.carryHandle) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 3));
    p.drawArc(QRectF(r0 + 14, a - 16, 24, 20), 0, 180 * 16);
    p.setPen(QPen(kOutline, 1.0));
  }
  if (k.bipod) {
    p.setPen(QPen(kOutline, 2.5));
    p.drawLine(QPointF(r1 + k.guardLength + 4, a + 3), QPointF(r1 + k.guardLength - 6, a + 32));
    p.drawLine(QPointF(r1 + k.guardLength + 6, a + 3), QPointF(r1 + k.guardLength + 14, a + 32));
    p.setPen(QPen(kOutline, 1.0));
  }
  if (k.scope) Scope(p, r0 + 4, a - 9 - k.scopeSize - 3, k.scopeLength, k.scopeSize);
}

QImage PistolPicture(const PistolLook& look, bool silencerBeside = false) {
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  Pistol(p, look);
  if (silencerBeside) LooseSilencer(p, look.x + look.slide + 16, 40, 42);
  return image;
}

QImage LongPicture(const LongLook& look, bool silencerBeside = false) {
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  LongGun(p, look);
  if (silencerBeside) LooseSilencer(p, 140, 50, 48);
  return image;
}

QImage PumpShotgun() {
  LongLook k;
  k.butt = 6;
  k.receiver = 58;
  k.receiverLength = 30;
  k.muzzle = 200;
  k.axis = 26;
  k.stock = QBrush(kWood);
  k.guardLength = 0;
  k.mag = LongLook::Straight;
  k.magLength = 0;
  k.gripAt = 50;
  k.grip = false;
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  LongGun(p, k);
  // The tube magazine under the barrel and the ribbed pump on it.
  Box(p, 88, 30, 100, 5, QBrush(kSteel), 2);
  Box(p, 110, 28, 40, 10, QBrush(kWood), 3);
  p.setPen(QPen(QColor(60, 30, 10), 1));
  for (double v = 114; v < 148; v += 4) p.drawLine(QPointF(v, 29), QPointF(v, 37));
  p.setPen(QPen(kOutline, 1.0));
  TriggerGuard(p, 62, 32, 16, 8);
  return image;
}

QImage AutoShotgun() {
  LongLook k;
  k.butt = 8;
  k.receiver = 56;
  k.receiverLength = 40;
  k.muzzle = 198;
  k.axis = 24;
  k.stockKind = LongLook::Thumbhole;
  k.guardLength = 0;
  k.mag = LongLook::Straight;
  k.magLength = 0;
  k.gripAt = 62;
  k.grip = false;
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  LongGun(p, k);
  Box(p, 96, 28, 92, 6, QBrush(kBlack), 2);
  Box(p, 100, 26, 44, 10, QBrush(kBlack), 3);
  TriggerGuard(p, 64, 30, 16, 8);
  return image;
}

QImage BullpupSmg() {
  // A rounded one-piece body, the magazine lying on top of it.
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  QPainterPath body;
  body.moveTo(30, 22);
  body.cubicTo(30, 14, 40, 12, 52, 12);
  body.lineTo(150, 14);
  body.lineTo(160, 20);
  body.lineTo(160, 36);
  body.lineTo(128, 38);
  body.lineTo(118, 50);
  body.lineTo(104, 50);
  body.lineTo(110, 38);
  body.lineTo(84, 38);
  body.cubicTo(80, 50, 70, 52, 60, 50);
  body.lineTo(40, 46);
  body.cubicTo(32, 44, 30, 34, 30, 22);
  p.setBrush(kBlack);
  p.drawPath(body);
  // The thumbhole and the trigger opening.
  p.setBrush(kBack);
  p.drawEllipse(QRectF(62, 34, 16, 10));
  p.drawRoundedRect(QRectF(88, 36, 14, 8), 3, 3);
  // Translucent magazine on top.
  Box(p, 54, 8, 96, 7, QBrush(QColor(150, 120, 70)), 2);
  Box(p, 160, 24, 28, 5, QBrush(kSteel), 1);
  Box(p, 184, 22, 8, 9, QBrush(kBlack), 1);
  return image;
}

QImage MachinePistol() {
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  // Boxy receiver, the magazine inside the grip, a wire stock folded.
  Box(p, 62, 14, 72, 16, QBrush(kBlued), 1);
  Box(p, 134, 18, 18, 6, QBrush(kSteel), 1);
  Box(p, 150, 17, 6, 8, QBrush(kBlack), 1);
  Poly(p, {{72, 30}, {86, 30}, {86, 60}, {72, 60}}, QBrush(kBlack));
  Box(p, 74, 56, 10, 6, QBrush(kBlack), 1);
  TriggerGuard(p, 86, 30, 18, 10);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kOutline, 3));
  p.drawLine(QPointF(58, 17), QPointF(30, 17));
  p.drawLine(QPointF(30, 17), QPointF(30, 28));
  p.setPen(QPen(kOutline, 1.0));
  Box(p, 110, 10, 6, 5, QBrush(kBlack), 0.5);
  return image;
}

QImage CompactSmgSilenced() {
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  // Short body, a fore grip, and the silencer screwed on.
  Box(p, 40, 14, 70, 16, QBrush(kBlack), 3);
  Box(p, 110, 16, 72, 11, QBrush(kBlack), 4);
  p.setPen(QPen(QColor(90, 90, 95), 1));
  p.drawLine(QPointF(114, 19), QPointF(178, 19));
  p.setPen(QPen(kOutline, 1.0));
  Poly(p, {{50, 30}, {62, 30}, {60, 56}, {48, 56}}, QBrush(kBlack));
  Box(p, 70, 30, 9, 22, QBrush(kBlack), 1);
  TriggerGuard(p, 62, 30, 10, 8);
  Poly(p, {{92, 30}, {100, 30}, {99, 48}, {91, 48}}, QBrush(kBlack));
  Box(p, 48, 10, 8, 5, QBrush(kBlack), 0.5);
  return image;
}

QImage ArmourVest(bool helmet) {
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  const double cx = helmet ? 72 : 102;
  QPainterPath vest;
  vest.moveTo(cx - 34, 10);
  vest.lineTo(cx - 18, 6);
  vest.cubicTo(cx - 14, 18, cx + 14, 18, cx + 18, 6);
  vest.lineTo(cx + 34, 10);
  vest.lineTo(cx + 30, 24);
  vest.lineTo(cx + 32, 58);
  vest.lineTo(cx - 32, 58);
  vest.lineTo(cx - 30, 24);
  vest.closeSubpath();
  p.setBrush(QColor(70, 80, 60));
  p.drawPath(vest);
  p.setPen(QPen(QColor(40, 45, 35), 2));
  p.drawLine(QPointF(cx, 16), QPointF(cx, 58));
  p.drawLine(QPointF(cx - 30, 40), QPointF(cx + 30, 40));
  p.setPen(QPen(kOutline, 1.0));
  Box(p, cx - 24, 44, 12, 10, QBrush(QColor(55, 62, 45)), 1);
  Box(p, cx + 12, 44, 12, 10, QBrush(QColor(55, 62, 45)), 1);
  if (helmet) {
    QPainterPath dome;
    dome.moveTo(122, 46);
    dome.cubicTo(122, 14, 176, 14, 178, 46);
    dome.lineTo(184, 50);
    dome.lineTo(118, 50);
    dome.closeSubpath();
    p.setBrush(QColor(70, 80, 60));
    p.drawPath(dome);
    p.setPen(QPen(QColor(40, 45, 35), 2));
    p.drawLine(QPointF(124, 44), QPointF(176, 44));
    p.setPen(QPen(kOutline, 1.0));
  }
  return image;
}

// A hand grenade lying on its side: body left, fuse and lever right.
QImage Grenade(const QColor& body, const QColor& band, int bands) {
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  QLinearGradient shade(0, 12, 0, 56);
  shade.setColorAt(0, body.lighter(140));
  shade.setColorAt(1, body.darker(160));
  Box(p, 62, 14, 70, 40, QBrush(shade), 12);
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  for (int i = 0; i < bands; ++i) {
    const double x = bands == 1 ? 92 : 74 + i * 36.0 / (bands - 1);
    p.drawRect(QRectF(x, 14.5, 8, 39));
  }
  p.setPen(QPen(kOutline, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(62, 14, 70, 40), 12, 12);
  // Fuse head, lever and ring.
  Box(p, 132, 24, 14, 20, QBrush(kSteel), 2);
  Poly(p, {{136, 22}, {146, 22}, {150, 16}, {100, 10}, {100, 13}, {144, 19}}, QBrush(kSteel));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 150, 155), 2));
  p.drawEllipse(QRectF(146, 26, 14, 14));
  p.setPen(QPen(kOutline, 1.0));
  return image;
}

QImage TwoPouches() {
  QImage image = Blank();
  QPainter p(&image);
  Begin(p);
  for (double x : {48.0, 108.0}) {
    Box(p, x, 14, 48, 42, QBrush(QColor(40, 42, 44)), 5);
    Poly(p, {{x - 1, 14}, {x + 49, 14}, {x + 49, 28}, {x + 24, 32}, {x - 1, 28}},
         QBrush(QColor(55, 58, 60)));
    Box(p, x + 20, 26, 8, 6, QBrush(QColor(120, 120, 120)), 1);
  }
  return image;
}

QImage AmmoText(const QString& second) {
  QImage image = Blank();
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont big(QStringLiteral("DejaVu Sans"));
  big.setPixelSize(28);
  big.setBold(true);
  p.setFont(big);
  p.setPen(QColor(120, 20, 20));
  p.drawText(QRect(0, 0, kWeaponWidth, 38), Qt::AlignCenter, QStringLiteral("Ammo"));
  QFont small(QStringLiteral("DejaVu Sans"));
  small.setPixelSize(13);
  small.setBold(true);
  p.setFont(small);
  p.setPen(QColor(20, 20, 20));
  p.drawText(QRect(0, 36, kWeaponWidth, 24), Qt::AlignCenter, second);
  return image;
}

struct Weapon {
  int number;
  QImage image;
};

// clang-format off
std::vector<Weapon> Weapons() {
  std::vector<Weapon> w;
  // Pistols.
  {
    PistolLook k;
    w.push_back({11, PistolPicture(k, true)});
  }
  {
    PistolLook k;
    k.x = 62; k.slide = 74; k.square = true; k.gripSlant = 6;
    k.slideBrush = QBrush(QColor(40, 40, 42));
    w.push_back({12, PistolPicture(k)});
  }
  {
    PistolLook k;
    k.x = 50; k.y = 10; k.slide = 110; k.height = 15; k.gripSlant = 8;
    k.slideBrush = Chrome(10, 25); k.frameBrush = Chrome(24, 32);
    k.gripBrush = QBrush(kBlack); k.serrations = false;
    w.push_back({13, PistolPicture(k)});
  }
  {
    PistolLook k;
    k.x = 60; k.slide = 80; k.gripSlant = 12;
    k.slideBrush = QBrush(QColor(70, 72, 78)); k.gripBrush = QBrush(QColor(50, 40, 35));
    w.push_back({14, PistolPicture(k)});
  }
  {
    PistolLook k;
    k.x = 58; k.slide = 84; k.height = 12; k.gripSlant = 9; k.barrelOut = 6;
    k.slideBrush = QBrush(QColor(110, 112, 118));
    w.push_back({15, PistolPicture(k)});
  }
  {
    PistolLook k;
    k.x = 60; k.slide = 76; k.gripSlant = 10;
    k.slideBrush = QBrush(kSand); k.frameBrush = QBrush(QColor(60, 60, 60));
    w.push_back({16, PistolPicture(k)});
  }
  // Shotguns.
  w.push_back({21, PumpShotgun()});
  w.push_back({22, AutoShotgun()});
  // Sub machine guns.
  {
    LongLook k;
    k.butt = 20; k.receiver = 60; k.receiverLength = 62; k.muzzle = 180; k.axis = 22;
    k.stockKind = LongLook::Solid; k.mag = LongLook::Curved; k.magLength = 26;
    k.guardLength = 28;
    w.push_back({31, LongPicture(k)});
  }
  w.push_back({32, CompactSmgSilenced()});
  w.push_back({33, BullpupSmg()});
  w.push_back({34, MachinePistol()});
  {
    LongLook k;
    k.butt = 24; k.receiver = 62; k.receiverLength = 60; k.muzzle = 176; k.axis = 22;
    k.stockKind = LongLook::Skeleton; k.mag = LongLook::Straight; k.magLength = 24;
    k.guardLength = 26;
    w.push_back({35, LongPicture(k)});
  }
  // Rifles.
  {
    LongLook k;
    k.butt = 6; k.receiver = 56; k.receiverLength = 54; k.muzzle = 198; k.axis = 22;
    k.stock = QBrush(kWood); k.guard = QBrush(kWood); k.guardLength = 36;
    k.mag = LongLook::Curved; k.magLength = 30;
    w.push_back({41, LongPicture(k)});
  }
  {
    LongLook k;
    k.butt = 6; k.receiver = 56; k.receiverLength = 54; k.muzzle = 198; k.axis = 28;
    k.stockKind = LongLook::Skeleton; k.guardLength = 40; k.mag = LongLook::Curved;
    k.magLength = 24; k.scope = true; k.scopeLength = 46;
    w.push_back({42, LongPicture(k)});
  }
  {
    LongLook k;
    k.butt = 8; k.receiver = 54; k.receiverLength = 52; k.muzzle = 176; k.axis = 20;
    k.guardLength = 36; k.mag = LongLook::Straight; k.magLength = 20; k.carryHandle = true;
    w.push_back({43, LongPicture(k, true)});
  }
  {
    // Bullpup: the magazine behind the grip, the scope over the whole body.
    LongLook k;
    k.butt = 10; k.receiver = 10; k.receiverLength = 110; k.muzzle = 196; k.axis = 30;
    k.stockKind = LongLook::None; k.body = QBrush(kOlive); k.guardLength = 0;
    k.mag = LongLook::Straight; k.magLength = 22; k.gripAt = 100;
    k.scope = true; k.scopeLength = 60; k.scopeSize = 9;
    QImage image = Blank();
    QPainter p(&image);
    Begin(p);
    LongGun(p, k);
    Box(p, 6, 22, 6, 16, QBrush(kBlack), 1);
    w.push_back({44, image});
  }
  {
    LongLook k;
    k.butt = 6; k.receiver = 58; k.receiverLength = 42; k.muzzle = 202; k.axis = 30;
    k.barrel = 3; k.guardLength = 36; k.mag = LongLook::Straight; k.magLength = 12;
    k.scope = true; k.scopeLength = 52; k.scopeSize = 6; k.stock = QBrush(QColor(60, 60, 62));
    w.push_back({45, LongPicture(k)});
  }
  {
    LongLook k;
    k.butt = 4; k.receiver = 60; k.receiverLength = 48; k.muzzle = 203; k.axis = 32;
    k.barrel = 6; k.guardLength = 44; k.mag = LongLook::Straight; k.magLength = 14;
    k.stockKind = LongLook::Thumbhole; k.stock = QBrush(QColor(70, 95, 60));
    k.guard = QBrush(QColor(70, 95, 60)); k.scope = true; k.scopeLength = 64; k.scopeSize = 10;
    w.push_back({46, LongPicture(k)});
  }
  {
    LongLook k;
    k.butt = 6; k.receiver = 54; k.receiverLength = 56; k.muzzle = 200; k.axis = 30;
    k.guardLength = 44; k.mag = LongLook::Straight; k.magLength = 20;
    k.stock = QBrush(QColor(45, 50, 45)); k.scope = true; k.scopeLength = 48; k.scopeSize = 8;
    w.push_back({47, LongPicture(k)});
  }
  {
    LongLook k;
    k.butt = 6; k.receiver = 56; k.receiverLength = 54; k.muzzle = 200; k.axis = 30;
    k.stockKind = LongLook::Thumbhole; k.stock = QBrush(QColor(70, 75, 60));
    k.guard = QBrush(QColor(70, 75, 60)); k.guardLength = 40; k.mag = LongLook::Curved;
    k.magLength = 18; k.scope = true; k.scopeLength = 50; k.scopeSize = 8; k.bipod = true;
    w.push_back({48, LongPicture(k)});
  }
  // Machine gun.
  {
    LongLook k;
    k.butt = 6; k.receiver = 50; k.receiverLength = 62; k.muzzle = 200; k.axis = 18;
    k.stockKind = LongLook::Solid; k.mag = LongLook::BoxMag; k.magLength = 20;
    k.guardLength = 30; k.bipod = true; k.carryHandle = true; k.barrel = 5;
    w.push_back({51, LongPicture(k)});
  }
  // Equipment.
  w.push_back({81, ArmourVest(false)});
  w.push_back({82, ArmourVest(true)});
  w.push_back({83, Grenade(QColor(140, 142, 146), QColor(140, 142, 146), 0)});
  w.push_back({84, Grenade(QColor(80, 90, 70), QColor(200, 20, 20), 3)});
  w.push_back({85, Grenade(QColor(90, 92, 96), QColor(30, 160, 40), 1)});
  w.push_back({86, TwoPouches()});
  w.push_back({90, AmmoText(QStringLiteral("for primary weapons"))});
  w.push_back({91, AmmoText(QStringLiteral("for secondary weapons"))});
  return w;
}
// clang-format on

// ---- The two drag pointers: 32 x 32, sixteen colours, magenta where they are
// transparent (the image list takes magenta as its mask colour).

const QColor kMask(255, 0, 255);

QImage Smiley(bool happy) {
  QImage image(32, 32, QImage::Format_RGB32);
  image.fill(kMask);
  QPainter p(&image);  // no antialiasing: the edge stays crisp against the mask
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(255, 255, 0));
  p.drawEllipse(QRect(1, 1, 29, 29));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QRect(10, 8, 4, 7));
  p.drawEllipse(QRect(18, 8, 4, 7));
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::NoBrush);
  if (happy) {
    p.drawArc(QRect(8, 10, 16, 12), 200 * 16, 140 * 16);
  } else {
    p.drawArc(QRect(8, 19, 16, 10), 20 * 16, 140 * 16);
  }
  p.end();
  // Sixteen colours at most: the BMP goes out with four bits a pixel.
  QList<QRgb> table = {kMask.rgb(), qRgb(255, 255, 0), qRgb(0, 0, 0)};
  while (table.size() < 16) table.push_back(qRgb(255, 255, 255));
  return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

bool SaveIndexed(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name + QStringLiteral(".bmp"));
  if (!image.save(path, "BMP")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                             : QStringLiteral("resources/pictures"));
  if (!QDir().mkpath(folder.path())) return 1;
  bool ok = Save(Splash(), folder, QStringLiteral("splash"));
  for (const Weapon& weapon : Weapons())
    ok = Save(weapon.image, folder, QString::number(weapon.number)) && ok;
  ok = SaveIndexed(Smiley(false), folder, QStringLiteral("smiley_sad")) && ok;
  ok = SaveIndexed(Smiley(true), folder, QStringLiteral("smiley_happy")) && ok;
  return ok ? 0 : 1;
}
