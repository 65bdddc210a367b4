// Draws every picture Lunara ships: the 30 moon phases (with @2x files), the program icon and the
// two launcher pictures. The output is committed under assets/, so the drawing must be reproducible:
// no randomness, no system fonts, the same bytes on every run.
#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSynodicMonth = 29.530589;

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

constexpr double kDeg = kPi / 180.0;
constexpr double kMoonRadiusKm = 1737.4;

// A dark plain (or a piece of one): selenographic latitude and longitude of its centre in degrees
// (north and east positive, east to the right as seen from the Earth), its diameter in km, and how
// much darker than the highlands it is.
struct Mare {
    double lat, lon, diameterKm, depth;
};

// The large maria of the near side from their published positions and sizes. The irregular ones
// (Oceanus Procellarum, Mare Frigoris) are laid out as several overlapping pieces.
// clang-format off
constexpr std::array<Mare, 27> kMaria{{
    {32.8, -15.6, 1146, 0.40}, // Imbrium
    {28.0, 17.5, 707, 0.42},   // Serenitatis
    {8.5, 31.4, 873, 0.42},    // Tranquillitatis
    {17.0, 59.1, 556, 0.42},   // Crisium
    {-7.8, 51.3, 909, 0.36},   // Fecunditatis
    {-15.2, 35.5, 333, 0.36},  // Nectaris
    {-21.3, -16.6, 715, 0.34}, // Nubium
    {-24.4, -38.6, 389, 0.38}, // Humorum
    {13.3, 3.6, 245, 0.32},    // Vaporum
    {2.4, 1.7, 335, 0.26},     // Sinus Medii
    {7.5, -30.9, 513, 0.34},   // Insularum
    {-10.0, -23.1, 376, 0.32}, // Cognitum
    {-21.0, 86.0, 420, 0.26},  // Smythii, at the limb
    {44.1, -31.5, 236, 0.32},  // Sinus Iridum's bay off Imbrium
    {18.4, -57.4, 1300, 0.38}, // Oceanus Procellarum: its heart
    {38.0, -58.0, 620, 0.36},  //   the north
    {-4.0, -48.0, 700, 0.36},  //   the south, towards Humorum
    {8.0, -72.0, 560, 0.34},   //   the west, at the limb
    {56.0, -48.0, 330, 0.30},  // Mare Frigoris, a narrow band west to east
    {57.0, -34.0, 330, 0.32},
    {57.5, -20.0, 330, 0.32},
    {58.0, -6.0, 330, 0.32},
    {57.5, 8.0, 330, 0.32},
    {57.0, 22.0, 300, 0.30},
    {20.0, 40.0, 360, 0.30},   // the Serenitatis-Tranquillitatis strait
    {-2.0, 24.0, 330, 0.26},   // Sinus Asperitatis
    {22.0, 2.0, 300, 0.22},    // between Vaporum and Serenitatis
}};
// clang-format on

// Young craters, bright with rays: latitude, longitude, diameter (km), ray length (km), ray count.
struct Crater {
    double lat, lon, diameterKm, rayKm;
    int rays;
};
constexpr std::array<Crater, 3> kCraters{{
    {-43.3, -11.2, 85, 1500, 14}, // Tycho
    {9.6, -20.1, 93, 500, 11},    // Copernicus
    {8.1, -38.0, 31, 300, 9},     // Kepler
}};

struct Vec {
    double x, y, z;
};
Vec onSphere(double latDeg, double lonDeg) {
    const double lat = latDeg * kDeg;
    const double lon = lonDeg * kDeg;
    return {std::cos(lat) * std::sin(lon), std::sin(lat), std::cos(lat) * std::cos(lon)};
}
double dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Deterministic value noise for a little surface grain and ragged mare shores.
double hash(int x, int y) {
    const double s = std::sin(x * 127.1 + y * 311.7) * 43758.5453;
    return s - std::floor(s);
}

double noise(double u, double v, double scale) {
    const double x = (u + 2) * scale;
    const double y = (v + 2) * scale;
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const double fx = smoothstep(0, 1, x - ix);
    const double fy = smoothstep(0, 1, y - iy);
    const double top = hash(ix, iy) + (hash(ix + 1, iy) - hash(ix, iy)) * fx;
    const double bottom = hash(ix, iy + 1) + (hash(ix + 1, iy + 1) - hash(ix, iy + 1)) * fx;
    return top + (bottom - top) * fy;
}

struct Place {
    Vec centre;
    double reach; // chord of the angular radius
};

// Centres as unit vectors and radii as chords, worked out once.
const std::vector<Place>& mariaPlaces() {
    static const std::vector<Place> places = [] {
        std::vector<Place> out;
        out.reserve(kMaria.size());
        for (const Mare& m : kMaria) {
            out.push_back({onSphere(m.lat, m.lon), 2 * std::sin(m.diameterKm / 2 / kMoonRadiusKm / 2)});
        }
        return out;
    }();
    return places;
}

double chord(const Vec& a, const Vec& b) { return std::sqrt(std::max(0.0, 2 - 2 * dot(a, b))); }

// The brightness of the ground at a point of the near side, highlands 1.
double albedo(const Vec& p) {
    // Shores are ragged: the boundary moves with noise of the point's own position.
    const double shore = (noise(p.x, p.y, 5) - 0.5) * 0.22 + (noise(p.x, p.y, 13) - 0.5) * 0.08;
    // Each mare adds to a field that falls off from its centre; where the field is strong the ground
    // is dark, so neighbours merge into one plain as they do on the moon.
    double field = 0;
    double depth = 0;
    for (std::size_t i = 0; i < kMaria.size(); ++i) {
        const double d = chord(p, mariaPlaces()[i].centre) / mariaPlaces()[i].reach;
        const double w = std::exp(-1.7 * d * d);
        field += w;
        depth += w * kMaria[i].depth;
    }
    const double inside = smoothstep(0.30, 0.56, field + shore);
    // The maria are not even either: darker and lighter patches within them.
    double dark = inside * (field > 0 ? depth / field : 0) * (0.85 + 0.3 * noise(p.x, p.y, 9));
    double a = 1 - dark;
    for (const Crater& c : kCraters) {
        const Vec centre = onSphere(c.lat, c.lon);
        const double from = chord(p, centre) * kMoonRadiusKm;
        const double r = c.diameterKm / 2;
        // The bright crater and the brighter ground right around it.
        a += 0.18 * (1 - smoothstep(r * 0.6, r * 1.2, from)) + 0.10 * std::exp(-from / (r * 2.5));
        // Rays: soft bright streaks along fixed bearings, fading with distance.
        const Vec north{0, 1, 0};
        const Vec east{north.y * centre.z - north.z * centre.y, north.z * centre.x - north.x * centre.z,
                       north.x * centre.y - north.y * centre.x};
        const double bearing = std::atan2(dot(p, east), dot(p, north) - dot(centre, north) * dot(p, centre));
        double ray = 0;
        for (int i = 0; i < c.rays; ++i) {
            const double dir = 2 * kPi * (i + 0.37 * std::sin(i * 2.3 + c.lat)) / c.rays;
            const double diff = std::remainder(bearing - dir, 2 * kPi);
            ray = std::max(ray, std::exp(-diff * diff / (0.010 + 0.006 * (i % 3))));
        }
        const double length = c.rayKm * (0.45 + 0.55 * (0.5 + 0.5 * std::sin(bearing * 3 + c.lon)));
        a += 0.10 * ray * std::exp(-from / length) * smoothstep(r, r * 2, from);
    }
    a += (noise(p.x, p.y, 3) - 0.5) * 0.08 + (noise(p.x, p.y, 23) - 0.5) * 0.05;
    return std::clamp(a, 0.35, 1.3);
}

// Colour of one sample of the moon seen k-1 days after new moon; alpha is the disc coverage.
struct Sample {
    double r, g, b, a;
};

// u, v: position in the disc (radius 1, v down); edge: the terminator's soft width, in the same units.
Sample moonSample(double u, double v, double sunAngle, double edge) {
    const double rr = u * u + v * v;
    if (rr > 1.0) {
        return {0, 0, 0, 0};
    }
    const double z = std::sqrt(1.0 - rr);
    // North up: latitude from the height, longitude east to the right.
    const Vec p{u, -v, z};
    // Sun direction: behind the moon at new moon, behind the viewer at full, to the right while waxing.
    const double lx = std::sin(sunAngle);
    const double lz = -std::cos(sunAngle);
    const double lambert = u * lx + z * lz;
    // Distance to the terminator across the picture, for a sharp edge of the same width at any size.
    const double gu = lx - lz * u / std::max(z, 1e-6);
    const double gv = -lz * v / std::max(z, 1e-6);
    const double across = lambert / std::max(std::hypot(gu, gv), 1e-9);
    const double lit = std::clamp(0.5 + across / edge, 0.0, 1.0);
    const double al = albedo(p);
    // A gentle limb darkening: the moon's disc is almost evenly bright.
    const double limb = 0.84 + 0.16 * std::sqrt(z);
    // Earthshine keeps the dark part faintly visible, so a new moon is still a moon.
    const double earth = 0.11 * al;
    const double day = lit * al * limb * 0.86;
    const double r = day * 246 + (1 - lit) * earth * 150;
    const double g = day * 240 + (1 - lit) * earth * 160;
    const double b = day * 226 + (1 - lit) * earth * 185;
    return {r, g, b, 1};
}

// scale: 1 for a picture at its size, 2 for its @2x copy (the terminator's edge grows with it).
QImage drawMoon(int width, int height, double sunAngle, bool onBlack, double scale = 1.0) {
    QImage img(width, height, QImage::Format_ARGB32);
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    const double radius = std::min(width, height) / 2.0 - std::max(1.0, std::min(width, height) / 40.0);
    const double edge = scale / radius;
    constexpr int kSub = 4;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double px = x + (sx + 0.5) / kSub;
                    const double py = y + (sy + 0.5) / kSub;
                    const Sample s = moonSample((px - cx) / radius, (py - cy) / radius, sunAngle, edge);
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

// The pictures the launcher shows at start-up are stored without compression: inflating them cost
// more than everything else in reading them, and they are a few kilobytes each.
enum class Stored { Compressed, Plain };

bool save(const QImage& img, const QString& path, Stored stored = Stored::Compressed) {
    QImageWriter writer(path, "png");
    if (stored == Stored::Plain) {
        writer.setQuality(100); // zlib level 0
    }
    if (!writer.write(img)) {
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
        ok &= save(drawMoon(2 * w, 2 * h, angle, true, 2.0), base + "@2x.png");
    }
    std::vector<QImage> icons;
    for (int size : {16, 32, 48, 256}) {
        icons.push_back(drawMoon(size, size, kPi, false));
        ok &= save(icons.back(), out.filePath(QString("icons/lunara-%1.png").arg(size)),
                   size <= 48 ? Stored::Plain : Stored::Compressed);
    }
    ok &= saveIco(icons, out.filePath("icons/lunara.ico"));
    ok &= saveIcns({{"icp4", icons[0]},
                    {"icp5", icons[1]},
                    {"ic07", drawMoon(128, 128, kPi, false)},
                    {"ic08", icons[3]},
                    {"ic09", drawMoon(512, 512, kPi, false)}},
                   out.filePath("icons/lunara.icns"));
    ok &= save(drawMoon(32, 32, kPi, false), out.filePath("icons/full-moon.png"), Stored::Plain);
    ok &= save(drawMoon(64, 64, kPi, false), out.filePath("icons/full-moon@2x.png"));
    ok &= save(drawCandles(32), out.filePath("icons/candles.png"), Stored::Plain);
    ok &= save(drawCandles(64), out.filePath("icons/candles@2x.png"));
    return ok ? 0 : 1;
}
