// Renders the program's built-in artwork into a folder:
//   background.jpg  450 x 450, a green grassy hill under a blue sky with clouds
//   badge-cd.jpg, badge-dvd.jpg  63 x 19 media badges
//   icons/morvane-<N>.png  the program icon rendered from icons/morvane.svg
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>

namespace {

// Renders at 3x and scales down, so edges and texture come out smooth.
constexpr int kOver = 3;

void cloud(QPainter& p, QRandomGenerator& rng, QPointF centre, double size)
{
    // A cloud is a cluster of soft white puffs with a light grey underside.
    for (int i = 0; i < 26; ++i) {
        const double dx = (rng.generateDouble() - 0.5) * size * 2.2;
        const double dy = (rng.generateDouble() - 0.7) * size * 0.55;
        const double r = size * (0.35 + rng.generateDouble() * 0.45) * (1.0 - std::abs(dx) / (size * 2.4));
        const QPointF c = centre + QPointF(dx, dy);
        QRadialGradient g(c, r);
        g.setColorAt(0.0, QColor(255, 255, 255, 235));
        g.setColorAt(0.55, QColor(250, 252, 255, 190));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    QRadialGradient shade(centre + QPointF(0, size * 0.35), size * 1.6);
    shade.setColorAt(0.0, QColor(170, 185, 205, 70));
    shade.setColorAt(1.0, QColor(170, 185, 205, 0));
    p.setBrush(shade);
    p.drawEllipse(centre + QPointF(0, size * 0.3), size * 1.9, size * 0.35);
}

QImage background()
{
    const int n = 450 * kOver;
    QImage img(n, n, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRandomGenerator rng(20110313);

    QLinearGradient sky(0, 0, 0, n * 0.7);
    sky.setColorAt(0.0, QColor(28, 92, 178));
    sky.setColorAt(0.5, QColor(74, 146, 220));
    sky.setColorAt(1.0, QColor(178, 214, 240));
    p.fillRect(img.rect(), sky);

    // Sun glow, upper right.
    QRadialGradient sun(QPointF(n * 0.82, n * 0.12), n * 0.45);
    sun.setColorAt(0.0, QColor(255, 250, 225, 150));
    sun.setColorAt(1.0, QColor(255, 250, 225, 0));
    p.setBrush(sun);
    p.drawRect(img.rect());

    cloud(p, rng, QPointF(n * 0.22, n * 0.16), n * 0.09);
    cloud(p, rng, QPointF(n * 0.68, n * 0.27), n * 0.11);
    cloud(p, rng, QPointF(n * 0.40, n * 0.40), n * 0.06);
    cloud(p, rng, QPointF(n * 0.93, n * 0.08), n * 0.05);

    // Far hill, bluish green.
    QPainterPath far;
    far.moveTo(0, n * 0.62);
    far.cubicTo(n * 0.25, n * 0.50, n * 0.45, n * 0.56, n * 0.62, n * 0.60);
    far.cubicTo(n * 0.80, n * 0.64, n * 0.92, n * 0.55, n, n * 0.57);
    far.lineTo(n, n);
    far.lineTo(0, n);
    QLinearGradient farFill(0, n * 0.5, 0, n * 0.75);
    farFill.setColorAt(0.0, QColor(96, 150, 96));
    farFill.setColorAt(1.0, QColor(70, 125, 70));
    p.setBrush(farFill);
    p.drawPath(far);

    // The main hill, lit from the upper right.
    QPainterPath hill;
    hill.moveTo(0, n * 0.80);
    hill.cubicTo(n * 0.20, n * 0.62, n * 0.48, n * 0.55, n * 0.70, n * 0.60);
    hill.cubicTo(n * 0.85, n * 0.63, n * 0.95, n * 0.70, n, n * 0.74);
    hill.lineTo(n, n);
    hill.lineTo(0, n);
    QLinearGradient grass(n * 0.7, n * 0.55, n * 0.3, n);
    grass.setColorAt(0.0, QColor(150, 205, 70));
    grass.setColorAt(0.45, QColor(88, 165, 48));
    grass.setColorAt(1.0, QColor(38, 105, 30));
    p.setBrush(grass);
    p.drawPath(hill);

    // Grass texture: short blades inside the hill, denser and darker below.
    p.setClipPath(hill);
    for (int i = 0; i < 26000; ++i) {
        const double x = rng.generateDouble() * n;
        const double y = n * 0.55 + rng.generateDouble() * n * 0.45;
        const double depth = (y - n * 0.55) / (n * 0.45);
        const double len = (2.0 + 6.0 * depth) * kOver * (0.5 + rng.generateDouble());
        const double lean = (rng.generateDouble() - 0.5) * len * 0.6;
        const int g = 90 + rng.bounded(110) - int(60 * depth);
        p.setPen(QPen(QColor(40 + rng.bounded(50), std::clamp(g, 60, 220), 30 + rng.bounded(30), 120),
                      0.8 * kOver));
        p.drawLine(QPointF(x, y), QPointF(x + lean, y - len));
    }
    p.setClipping(false);
    p.end();
    return img.scaled(450, 450, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage badge(const QString& letters)
{
    const int w = 63 * kOver, h = 19 * kOver;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(252, 253, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF oval(1.5 * kOver, 1.0 * kOver, w - 3.0 * kOver, h - 2.0 * kOver);
    QLinearGradient fill(0, oval.top(), 0, oval.bottom());
    fill.setColorAt(0.0, QColor(190, 225, 250));
    fill.setColorAt(0.5, QColor(140, 195, 238));
    fill.setColorAt(1.0, QColor(110, 170, 225));
    p.setBrush(fill);
    p.setPen(QPen(QColor(18, 32, 92), 1.0 * kOver));
    p.drawEllipse(oval);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13 * kOver);
    font.setItalic(true);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(245, 250, 255));
    p.drawText(oval.adjusted(0, -0.5 * kOver, 0, 0), Qt::AlignCenter, letters);
    p.end();
    return img.scaled(63, 19, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool saveJpeg(const QImage& img, const QString& path)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(92);
    if (!writer.write(img)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-artwork RESOURCES_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = saveJpeg(background(), out.filePath(QStringLiteral("background.jpg")));
    ok = saveJpeg(badge(QStringLiteral("CD")), out.filePath(QStringLiteral("badge-cd.jpg"))) && ok;
    ok = saveJpeg(badge(QStringLiteral("DVD")), out.filePath(QStringLiteral("badge-dvd.jpg"))) && ok;

    QSvgRenderer svg(out.filePath(QStringLiteral("icons/morvane.svg")));
    if (!svg.isValid()) {
        std::fprintf(stderr, "icons/morvane.svg is not valid\n");
        return 1;
    }
    for (int size : {16, 22, 32, 48, 64, 128, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        ok = icon.save(out.filePath(QStringLiteral("icons/morvane-%1.png").arg(size))) && ok;
    }
    return ok ? 0 : 1;
}
