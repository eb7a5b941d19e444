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
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Renders at 3x and scales down, so edges and texture come out smooth.
constexpr int kOver = 3;

// Separable box blur on a premultiplied image; three passes approximate a
// Gaussian blur of the given radius.
void blur(QImage& img, int radius) {
    const int w = img.width(), h = img.height();
    std::vector<QRgb> line(std::max(w, h));
    auto pass = [&](int count, int length, auto at) {
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < length; ++j)
                line[j] = *at(i, j);
            int sum[4] = {0, 0, 0, 0};
            auto add = [&](int j, int sign) {
                const QRgb c = line[std::clamp(j, 0, length - 1)];
                sum[0] += sign * qRed(c);
                sum[1] += sign * qGreen(c);
                sum[2] += sign * qBlue(c);
                sum[3] += sign * qAlpha(c);
            };
            for (int j = -radius; j <= radius; ++j)
                add(j, 1);
            const int n = 2 * radius + 1;
            for (int j = 0; j < length; ++j) {
                *at(i, j) = qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n);
                add(j + radius + 1, 1);
                add(j - radius, -1);
            }
        }
    };
    for (int k = 0; k < 3; ++k) {
        pass(h, w, [&](int y, int x) { return reinterpret_cast<QRgb*>(img.scanLine(y)) + x; });
        pass(w, h, [&](int x, int y) { return reinterpret_cast<QRgb*>(img.scanLine(y)) + x; });
    }
}

// A cumulus cloud: a cluster of round puffs, larger and higher in the middle,
// on a flat base; lit from above, with a blue-grey underside.
void cloud(QPainter& p, QRandomGenerator& rng, QPointF centre, double size) {
    const double base = centre.y() + size * 0.35;
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    std::vector<std::pair<QPointF, double>> puffs;
    for (int i = 0; i < 34; ++i) {
        const double t = rng.generateDouble() * 2.0 - 1.0;
        const double dx = t * size * 1.25;
        const double hump = 1.0 - t * t;
        const double r = size * (0.22 + 0.38 * hump) * (0.75 + 0.5 * rng.generateDouble());
        const double dy = -size * 0.55 * hump * rng.generateDouble();
        const QPointF c(centre.x() + dx, std::min(base - r * 0.6, centre.y() + dy));
        body.addEllipse(c, r, r);
        puffs.emplace_back(c, r);
    }
    QPainterPath below;
    below.addRect(QRectF(centre.x() - size * 3, base, size * 6, size * 2));
    body = body.simplified().subtracted(below);

    const QRectF box = body.boundingRect();
    QLinearGradient shade(0, box.top(), 0, box.bottom());
    shade.setColorAt(0.0, QColor(255, 255, 255, 250));
    shade.setColorAt(0.55, QColor(246, 248, 252, 240));
    shade.setColorAt(1.0, QColor(176, 190, 212, 225));
    p.setBrush(shade);
    p.drawPath(body);

    // Each puff is a little ball: bright where the light falls, greyer at its
    // lower rim, so the cloud keeps its lumpy volume.
    p.save();
    p.setClipPath(body);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    for (const auto& [c, r] : puffs) {
        QRadialGradient ball(c, r, c + QPointF(r * 0.25, -r * 0.45));
        ball.setColorAt(0.0, QColor(255, 255, 255, 110));
        ball.setColorAt(0.7, QColor(238, 242, 250, 40));
        ball.setColorAt(0.93, QColor(160, 176, 202, 70));
        ball.setColorAt(1.0, QColor(160, 176, 202, 0));
        p.setBrush(ball);
        p.drawEllipse(c, r, r);
    }
    p.restore();

    // Sunlit rims on the upper puffs.
    QRadialGradient light(QPointF(box.right() - box.width() * 0.3, box.top()), box.width() * 0.6);
    light.setColorAt(0.0, QColor(255, 253, 240, 120));
    light.setColorAt(1.0, QColor(255, 253, 240, 0));
    p.setBrush(light);
    p.drawPath(body);
}

QImage clouds(int n, QRandomGenerator& rng) {
    QImage layer(n, n, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    cloud(p, rng, QPointF(n * 0.22, n * 0.15), n * 0.085);
    cloud(p, rng, QPointF(n * 0.66, n * 0.26), n * 0.11);
    cloud(p, rng, QPointF(n * 0.38, n * 0.40), n * 0.055);
    cloud(p, rng, QPointF(n * 0.92, n * 0.07), n * 0.05);
    cloud(p, rng, QPointF(n * 0.08, n * 0.43), n * 0.035);
    p.end();
    blur(layer, 2 * kOver);
    return layer;
}

// A hill's outline: a smooth ridge from the left edge to the right edge.
QPainterPath ridge(int n, double left, QPointF c1, QPointF top, QPointF c2, double right) {
    QPainterPath path;
    path.moveTo(0, n * left);
    path.cubicTo(c1 * n, c1 * n, top * n);
    path.cubicTo(c2 * n, c2 * n, QPointF(n, n * right));
    path.lineTo(n, n);
    path.lineTo(0, n);
    path.closeSubpath();
    return path;
}

// Blades of grass over a hill: short strokes leaning a little, longer and
// darker towards the viewer. Blades near the crest stand out against the sky.
void grassBlades(QPainter& p, QRandomGenerator& rng, const QPainterPath& hill, int n, int count) {
    const QRectF box = hill.boundingRect();
    for (int i = 0; i < count; ++i) {
        const double x = rng.generateDouble() * n;
        const double y = box.top() + rng.generateDouble() * box.height();
        if (!hill.contains(QPointF(x, y)))
            continue;
        const double depth = (y - box.top()) / box.height();
        const double len = (1.5 + 7.0 * depth) * kOver * (0.6 + 0.8 * rng.generateDouble());
        const double lean = (rng.generateDouble() - 0.35) * len * 0.5;
        const int light = rng.bounded(100);
        const QColor colour(40 + light / 2 - int(20 * depth), 120 + light - int(55 * depth),
                            25 + light / 4, 150);
        p.setPen(QPen(colour, (0.5 + 0.6 * depth) * kOver, Qt::SolidLine, Qt::RoundCap));
        QPainterPath blade;
        blade.moveTo(x, y);
        blade.quadTo(x + lean * 0.2, y - len * 0.6, x + lean, y - len);
        p.drawPath(blade);
    }
}

QImage background() {
    const int n = 450 * kOver;
    QImage img(n, n, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRandomGenerator rng(20110313);

    // Sky: deep blue overhead, paler and hazier towards the horizon.
    QLinearGradient sky(0, 0, 0, n * 0.62);
    sky.setColorAt(0.0, QColor(30, 94, 180));
    sky.setColorAt(0.45, QColor(72, 142, 218));
    sky.setColorAt(0.85, QColor(150, 198, 236));
    sky.setColorAt(1.0, QColor(196, 224, 242));
    p.fillRect(img.rect(), sky);

    // Sun glow, upper right, off the picture.
    QRadialGradient sun(QPointF(n * 0.9, n * 0.02), n * 0.55);
    sun.setColorAt(0.0, QColor(255, 251, 230, 170));
    sun.setColorAt(0.3, QColor(255, 251, 230, 60));
    sun.setColorAt(1.0, QColor(255, 251, 230, 0));
    p.setBrush(sun);
    p.drawRect(img.rect());

    p.drawImage(0, 0, clouds(n, rng));

    // Far hills, blue-green in the haze.
    const QPainterPath far = ridge(n, 0.60, {0.22, 0.49}, {0.50, 0.57}, {0.80, 0.63}, 0.55);
    QLinearGradient farFill(0, n * 0.52, 0, n * 0.8);
    farFill.setColorAt(0.0, QColor(112, 160, 118));
    farFill.setColorAt(1.0, QColor(72, 128, 74));
    p.setBrush(farFill);
    p.drawPath(far);
    p.setClipPath(far);
    grassBlades(p, rng, far, n, 9000);
    p.setClipping(false);

    // The main hill, lit from the upper right.
    const QPainterPath hill = ridge(n, 0.82, {0.18, 0.62}, {0.58, 0.56}, {0.88, 0.60}, 0.76);
    QLinearGradient grass(n * 0.75, n * 0.55, n * 0.3, n);
    grass.setColorAt(0.0, QColor(156, 208, 78));
    grass.setColorAt(0.4, QColor(92, 168, 50));
    grass.setColorAt(1.0, QColor(34, 98, 28));
    p.setBrush(grass);
    p.drawPath(hill);
    grassBlades(p, rng, hill, n, 60000);

    // Soft light over the crest.
    QRadialGradient glow(QPointF(n * 0.66, n * 0.58), n * 0.35);
    glow.setColorAt(0.0, QColor(255, 250, 200, 60));
    glow.setColorAt(1.0, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.setClipPath(hill);
    p.drawRect(img.rect());
    p.setClipping(false);
    p.end();
    return img.scaled(450, 450, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage badge(const QString& letters) {
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

bool saveJpeg(const QImage& img, const QString& path) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(92);
    if (!writer.write(img)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-artwork RESOURCES_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = saveJpeg(background(), out.filePath(QStringLiteral("background.jpg")));
    ok = saveJpeg(badge(QStringLiteral("CD")), out.filePath(QStringLiteral("badge-cd.jpg"))) && ok;
    ok =
        saveJpeg(badge(QStringLiteral("DVD")), out.filePath(QStringLiteral("badge-dvd.jpg"))) && ok;

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
