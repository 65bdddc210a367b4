// Draws every picture Lunara ships: the 30 moon phases (with @2x files), the program icon and the
// two launcher pictures. The output is committed under assets/, so the drawing must be reproducible:
// no randomness, no system fonts, the same bytes on every run.
#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSynodicMonth = 29.530589;

struct Spot {
    double u, v, radius, depth;
};

// Dark plains, placed roughly where the large ones lie on the near side.
constexpr std::array<Spot, 8> kMaria{{
    {-0.30, -0.40, 0.28, 0.26},
    {0.15, -0.36, 0.16, 0.26},
    {0.28, -0.05, 0.20, 0.24},
    {0.62, -0.25, 0.11, 0.26},
    {0.50, 0.18, 0.13, 0.20},
    {-0.55, 0.02, 0.30, 0.22},
    {-0.15, 0.36, 0.18, 0.18},
    {0.25, 0.32, 0.10, 0.16},
}};

// Soft bright spots of young craters.
constexpr std::array<Spot, 3> kCraters{{
    {-0.10, 0.68, 0.06, 0.18},
    {-0.42, -0.12, 0.05, 0.12},
    {0.05, 0.05, 0.04, 0.08},
}};

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Deterministic value noise for a little surface grain.
double hash(int x, int y) {
    const double s = std::sin(x * 127.1 + y * 311.7) * 43758.5453;
    return s - std::floor(s);
}

double grain(double u, double v) {
    const double x = (u + 1) * 9;
    const double y = (v + 1) * 9;
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const double fx = smoothstep(0, 1, x - ix);
    const double fy = smoothstep(0, 1, y - iy);
    const double top = hash(ix, iy) + (hash(ix + 1, iy) - hash(ix, iy)) * fx;
    const double bottom = hash(ix, iy + 1) + (hash(ix + 1, iy + 1) - hash(ix, iy + 1)) * fx;
    return top + (bottom - top) * fy;
}

double albedo(double u, double v) {
    double a = 1.0;
    for (const Spot& m : kMaria) {
        const double d2 = ((u - m.u) * (u - m.u) + (v - m.v) * (v - m.v)) / (m.radius * m.radius);
        a -= m.depth * std::exp(-d2 * 1.2);
    }
    for (const Spot& c : kCraters) {
        const double d2 = ((u - c.u) * (u - c.u) + (v - c.v) * (v - c.v)) / (c.radius * c.radius);
        a += c.depth * std::exp(-d2);
    }
    a += (grain(u, v) - 0.5) * 0.08;
    return std::clamp(a, 0.4, 1.15);
}

// Colour of one sample of the moon seen k-1 days after new moon; alpha is the disc coverage.
struct Sample {
    double r, g, b, a;
};

Sample moonSample(double u, double v, double sunAngle) {
    const double rr = u * u + v * v;
    if (rr > 1.0) {
        return {0, 0, 0, 0};
    }
    const double z = std::sqrt(1.0 - rr);
    // Sun direction: behind the moon at new moon, behind the viewer at full, to the right while waxing.
    const double lx = std::sin(sunAngle);
    const double lz = -std::cos(sunAngle);
    const double lambert = u * lx + z * lz;
    const double lit = smoothstep(-0.04, 0.22, lambert);
    const double al = albedo(u, v);
    const double limb = 0.78 + 0.22 * std::pow(z, 0.5);
    // Earthshine keeps the dark part faintly visible, so a new moon is still a moon.
    const double earth = 0.16 * al;
    const double day = lit * al * limb;
    const double r = day * 242 + (1 - lit) * earth * 150;
    const double g = day * 236 + (1 - lit) * earth * 160;
    const double b = day * 222 + (1 - lit) * earth * 185;
    return {r, g, b, 1};
}

QImage drawMoon(int width, int height, double sunAngle, bool onBlack) {
    QImage img(width, height, QImage::Format_ARGB32);
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    const double radius = std::min(width, height) / 2.0 - std::max(1.0, std::min(width, height) / 40.0);
    constexpr int kSub = 4;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double px = x + (sx + 0.5) / kSub;
                    const double py = y + (sy + 0.5) / kSub;
                    const Sample s = moonSample((px - cx) / radius, (py - cy) / radius, sunAngle);
                    r += s.r * s.a;
                    g += s.g * s.a;
                    b += s.b * s.a;
                    a += s.a;
                }
            }
            constexpr double n = kSub * kSub;
            const auto c = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
            if (onBlack) {
                line[x] = qRgb(c(r / n), c(g / n), c(b / n));
            } else if (a > 0) {
                // Unpremultiplied colour with the coverage as alpha, for icons on any background.
                line[x] = qRgba(c(r / a), c(g / a), c(b / a), c(255 * a / n));
            } else {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return img;
}

QImage drawCandles(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    struct Candle {
        double x, top, width;
        QColor wax;
    };
    const std::array<Candle, 3> candles{{
        {4.0, 14.0, 7.0, QColor(200, 40, 50)},
        {12.5, 9.0, 7.0, QColor(240, 226, 190)},
        {21.0, 16.0, 7.0, QColor(120, 70, 170)},
    }};
    // Warm glow behind the flames.
    QRadialGradient glow(QPointF(16, 9), 9);
    glow.setColorAt(0, QColor(255, 200, 80, 70));
    glow.setColorAt(1, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(16, 9), 9, 9);
    for (const Candle& c : candles) {
        QLinearGradient body(c.x, 0, c.x + c.width, 0);
        body.setColorAt(0, c.wax.lighter(130));
        body.setColorAt(0.5, c.wax);
        body.setColorAt(1, c.wax.darker(160));
        p.setBrush(body);
        p.drawRoundedRect(QRectF(c.x, c.top, c.width, 31.0 - c.top), 1.2, 1.2);
        p.setBrush(c.wax.lighter(115));
        p.drawEllipse(QRectF(c.x, c.top - 1.0, c.width, 2.0));
        // Wick and flame.
        const double mid = c.x + c.width / 2;
        p.setPen(QPen(QColor(40, 30, 20), 0.8));
        p.drawLine(QPointF(mid, c.top), QPointF(mid, c.top - 1.8));
        p.setPen(Qt::NoPen);
        QPainterPath flame;
        flame.moveTo(mid, c.top - 8.5);
        flame.cubicTo(mid + 3.2, c.top - 4.5, mid + 2.4, c.top - 1.2, mid, c.top - 1.2);
        flame.cubicTo(mid - 2.4, c.top - 1.2, mid - 3.2, c.top - 4.5, mid, c.top - 8.5);
        QRadialGradient fire(QPointF(mid, c.top - 3.2), 4.5);
        fire.setColorAt(0, QColor(255, 255, 220));
        fire.setColorAt(0.45, QColor(255, 210, 60));
        fire.setColorAt(1, QColor(240, 110, 20));
        p.setBrush(fire);
        p.drawPath(flame);
    }
    return img;
}

bool save(const QImage& img, const QString& path) {
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A Windows icon holding PNG-compressed images (allowed since Windows Vista).
bool saveIco(const std::vector<QImage>& images, const QString& path) {
    std::vector<QByteArray> pngs;
    for (const QImage& img : images) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, "PNG");
        pngs.push_back(data);
    }
    QByteArray out;
    const auto put16 = [&out](quint16 v) {
        out.append(char(v & 0xff));
        out.append(char(v >> 8));
    };
    const auto put32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i) {
            out.append(char((v >> (8 * i)) & 0xff));
        }
    };
    put16(0);
    put16(1);
    put16(static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int w = images[i].width();
        out.append(char(w >= 256 ? 0 : w));
        out.append(char(w >= 256 ? 0 : images[i].height()));
        out.append(char(0));
        out.append(char(0));
        put16(1);
        put16(32);
        put32(static_cast<quint32>(pngs[i].size()));
        put32(offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        out.append(png);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// A macOS icon: PNG images under their size's type code, big-endian lengths.
bool saveIcns(const std::vector<std::pair<const char*, QImage>>& images, const QString& path) {
    const auto put32 = [](QByteArray& out, quint32 v) {
        for (int i = 3; i >= 0; --i) {
            out.append(char((v >> (8 * i)) & 0xff));
        }
    };
    QByteArray entries;
    for (const auto& [type, img] : images) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, "PNG");
        entries.append(type, 4);
        put32(entries, static_cast<quint32>(data.size() + 8));
        entries.append(data);
    }
    QByteArray out("icns");
    put32(out, static_cast<quint32>(entries.size() + 8));
    out.append(entries);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath("moon");
    out.mkpath("icons");
    bool ok = true;
    for (int k = 1; k <= 30; ++k) {
        // Picture k shows the moon k-1 days after new moon.
        const double angle = 2 * kPi * (k - 1) / kSynodicMonth;
        const int w = k <= 4 ? 55 : 50;
        const int h = k <= 4 ? 53 : 50;
        const QString base = out.filePath(QString("moon/moon%1").arg(k, 2, 10, QChar('0')));
        ok &= save(drawMoon(w, h, angle, true), base + ".png");
        ok &= save(drawMoon(2 * w, 2 * h, angle, true), base + "@2x.png");
    }
    std::vector<QImage> icons;
    for (int size : {16, 32, 48, 256}) {
        icons.push_back(drawMoon(size, size, kPi, false));
        ok &= save(icons.back(), out.filePath(QString("icons/lunara-%1.png").arg(size)));
    }
    ok &= saveIco(icons, out.filePath("icons/lunara.ico"));
    ok &= saveIcns({{"icp4", icons[0]},
                    {"icp5", icons[1]},
                    {"ic07", drawMoon(128, 128, kPi, false)},
                    {"ic08", icons[3]},
                    {"ic09", drawMoon(512, 512, kPi, false)}},
                   out.filePath("icons/lunara.icns"));
    ok &= save(drawMoon(32, 32, kPi, false), out.filePath("icons/full-moon.png"));
    ok &= save(drawMoon(64, 64, kPi, false), out.filePath("icons/full-moon@2x.png"));
    ok &= save(drawCandles(32), out.filePath("icons/candles.png"));
    ok &= save(drawCandles(64), out.filePath("icons/candles@2x.png"));
    return ok ? 0 : 1;
}
