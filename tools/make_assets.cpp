// make_assets: draws TERVALO's picture files and writes them byte by byte.
//
//   make_assets OUTDIR    writes background.bmp, tervalo.ico, smile.ico, sad.ico
//
// The files are written by hand instead of QImage::save so that the layout
// (8-bit BMP with a full 256-entry palette, single-image 4-bit ICO) is fixed
// exactly and the output is byte-identical on every run.

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kBgWidth = 722;
constexpr int kBgHeight = 495;
// The menu window shows only the top-left 640 x 480 of the background, so
// the whole design lives there; the strip beyond only carries the gradient.
constexpr int kVisWidth = 640;
constexpr int kVisHeight = 480;
constexpr int kIconSize = 32;

// ---------------------------------------------------------------- byte output

class Bytes {
public:
    void u8(int v) { data.append(static_cast<char>(v & 0xff)); }
    void u16(int v) { u8(v); u8(v >> 8); }
    void u32(std::int64_t v) { u16(static_cast<int>(v & 0xffff)); u16(static_cast<int>((v >> 16) & 0xffff)); }
    void s32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    QByteArray data;
};

bool writeFile(const QString &path, const QByteArray &bytes, qsizetype expectedSize)
{
    if (bytes.size() != expectedSize) {
        std::fprintf(stderr, "internal error: %s would be %lld bytes, expected %lld\n",
                     qPrintable(path), static_cast<long long>(bytes.size()),
                     static_cast<long long>(expectedSize));
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- fonts

// Load the font files directly so the result does not depend on what
// fontconfig happens to prefer on the build machine.
QString loadFamily(const QStringList &files, const QString &fallback)
{
    for (const QString &file : files) {
        if (!QFile::exists(file))
            continue;
        const int id = QFontDatabase::addApplicationFont(file);
        if (id < 0)
            continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            return families.first();
    }
    std::fprintf(stderr, "warning: font files for %s not found, using system lookup\n",
                 qPrintable(fallback));
    return fallback;
}

// ---------------------------------------------------------------- palette quantising

struct Rgb {
    int r, g, b;
};

int dist2(const Rgb &a, const Rgb &b)
{
    // Weighted a little towards green, where the eye is most sensitive.
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearestIndex(const std::vector<Rgb> &palette, const Rgb &c);

// Median cut over the picture's own colours: the background is mostly smooth
// gradients, and a palette cut from them keeps the gradients free of the
// banding a generic colour cube would give.
std::vector<Rgb> medianCutPalette(const QImage &img, int paletteSize)
{
    struct Entry {
        std::uint32_t rgb;
        std::uint32_t count;
    };
    std::unordered_map<std::uint32_t, std::uint32_t> hist;
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            ++hist[line[x] & 0xffffffu];
    }
    std::vector<Entry> colours;
    colours.reserve(hist.size());
    for (const auto &[rgb, count] : hist)
        colours.push_back({rgb, count});
    // unordered_map iteration order is not something to rely on.
    std::sort(colours.begin(), colours.end(),
              [](const Entry &a, const Entry &b) { return a.rgb < b.rgb; });

    auto channel = [](std::uint32_t rgb, int c) { return static_cast<int>((rgb >> (16 - 8 * c)) & 0xff); };

    struct Box {
        std::size_t begin, end;
    };
    std::vector<Box> boxes{{0, colours.size()}};

    auto boxScore = [&](const Box &box, int &axis) {
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        std::uint64_t weight = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c) {
                lo[c] = std::min(lo[c], channel(colours[i].rgb, c));
                hi[c] = std::max(hi[c], channel(colours[i].rgb, c));
            }
            weight += colours[i].count;
        }
        axis = 0;
        for (int c = 1; c < 3; ++c)
            if (hi[c] - lo[c] > hi[axis] - lo[axis])
                axis = c;
        const int range = hi[axis] - lo[axis];
        // Range weighted with the square root of the pixel count, so large
        // flat areas and rare antialiasing shades both get entries.
        return range == 0 ? 0.0 : range * std::sqrt(static_cast<double>(weight));
    };

    while (static_cast<int>(boxes.size()) < paletteSize) {
        double best = 0.0;
        int bestIndex = -1, bestAxis = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int axis = 0;
            const double score = boxScore(boxes[i], axis);
            if (score > best) {
                best = score;
                bestIndex = i;
                bestAxis = axis;
            }
        }
        if (bestIndex < 0)
            break;
        Box box = boxes[bestIndex];
        std::stable_sort(colours.begin() + box.begin, colours.begin() + box.end,
                         [&](const Entry &a, const Entry &b) {
                             return channel(a.rgb, bestAxis) < channel(b.rgb, bestAxis);
                         });
        std::uint64_t total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i)
            total += colours[i].count;
        std::uint64_t acc = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            acc += colours[i].count;
            split = i + 1;
            if (acc * 2 >= total)
                break;
        }
        boxes[bestIndex] = {box.begin, split};
        boxes.push_back({split, box.end});
    }

    std::vector<Rgb> palette;
    for (const Box &box : boxes) {
        double sum[3] = {0, 0, 0};
        double weight = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += static_cast<double>(channel(colours[i].rgb, c)) * colours[i].count;
            weight += colours[i].count;
        }
        palette.push_back({static_cast<int>(std::lround(sum[0] / weight)),
                           static_cast<int>(std::lround(sum[1] / weight)),
                           static_cast<int>(std::lround(sum[2] / weight))});
    }

    // A few k-means passes pull the median-cut entries towards where the
    // pixels actually are, which evens out the steps in the gradients.
    for (int pass = 0; pass < 8; ++pass) {
        std::vector<std::array<double, 4>> acc(palette.size(), {0, 0, 0, 0});
        for (const Entry &e : colours) {
            const Rgb c{channel(e.rgb, 0), channel(e.rgb, 1), channel(e.rgb, 2)};
            auto &a = acc[nearestIndex(palette, c)];
            a[0] += static_cast<double>(c.r) * e.count;
            a[1] += static_cast<double>(c.g) * e.count;
            a[2] += static_cast<double>(c.b) * e.count;
            a[3] += e.count;
        }
        for (std::size_t i = 0; i < palette.size(); ++i) {
            if (acc[i][3] == 0)
                continue;
            palette[i] = {static_cast<int>(std::lround(acc[i][0] / acc[i][3])),
                          static_cast<int>(std::lround(acc[i][1] / acc[i][3])),
                          static_cast<int>(std::lround(acc[i][2] / acc[i][3]))};
        }
    }

    // Dark to light makes the palette easier to read in an editor.
    std::sort(palette.begin(), palette.end(), [](const Rgb &a, const Rgb &b) {
        const int la = 299 * a.r + 587 * a.g + 114 * a.b;
        const int lb = 299 * b.r + 587 * b.g + 114 * b.b;
        if (la != lb)
            return la < lb;
        return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b);
    });
    while (static_cast<int>(palette.size()) < paletteSize)
        palette.push_back({0, 0, 0});
    return palette;
}

int nearestIndex(const std::vector<Rgb> &palette, const Rgb &c)
{
    int best = 0;
    int bestDist = dist2(palette[0], c);
    for (int i = 1; i < static_cast<int>(palette.size()); ++i) {
        const int d = dist2(palette[i], c);
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

Rgb toRgb(QRgb p) { return {qRed(p), qGreen(p), qBlue(p)}; }

// ---------------------------------------------------------------- background

QImage drawBackground(const QString &titleFamily, const QString &subtitleFamily)
{
    QImage img(kBgWidth, kBgHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const QRectF full(0, 0, kBgWidth, kBgHeight);
    const double cx = kVisWidth / 2.0;

    // Night-sky indigo fading into a deep teal towards the button row.
    QLinearGradient sky(0, 0, 0, kBgHeight);
    sky.setColorAt(0.00, QColor(18, 16, 58));
    sky.setColorAt(0.45, QColor(34, 30, 96));
    sky.setColorAt(1.00, QColor(12, 52, 70));
    p.fillRect(full, sky);

    // Soft glow behind the title; it fades out before the window's edges.
    QRadialGradient glow(QPointF(cx, 175), 280);
    glow.setColorAt(0.0, QColor(255, 176, 64, 70));
    glow.setColorAt(0.5, QColor(230, 120, 60, 26));
    glow.setColorAt(1.0, QColor(230, 120, 60, 0));
    p.fillRect(full, glow);

    const QColor gold(222, 178, 88);
    const QColor paleGold(246, 222, 150);

    // Faint rangoli-like rings of dots around the title area.
    p.setPen(Qt::NoPen);
    const QPointF centre(cx, 180);
    for (int ring = 0; ring < 3; ++ring) {
        const double radius = 188 + ring * 32;
        const int dots = 48 + ring * 8;
        for (int i = 0; i < dots; ++i) {
            const double a = (i + 0.5 * ring) * 2.0 * std::numbers::pi / dots;
            const QPointF pt(centre.x() + radius * std::cos(a), centre.y() + radius * 0.62 * std::sin(a));
            if (pt.y() > 372 || pt.y() < 26)
                continue;
            p.setBrush(QColor(246, 210, 130, 40 - ring * 10));
            p.drawEllipse(pt, 3.0 - ring * 0.6, 3.0 - ring * 0.6);
        }
    }

    // Double frame with small diamonds at the corners.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 2.0));
    p.drawRect(QRectF(10, 10, kVisWidth - 20, kVisHeight - 20));
    p.setPen(QPen(QColor(222, 178, 88, 140), 1.0));
    p.drawRect(QRectF(16.5, 16.5, kVisWidth - 33, kVisHeight - 33));
    p.setPen(Qt::NoPen);
    p.setBrush(paleGold);
    for (const QPointF &c : {QPointF(10, 10), QPointF(kVisWidth - 10, 10), QPointF(10, kVisHeight - 10),
                             QPointF(kVisWidth - 10, kVisHeight - 10)}) {
        QPainterPath d;
        d.moveTo(c.x(), c.y() - 8);
        d.lineTo(c.x() + 8, c.y());
        d.lineTo(c.x(), c.y() + 8);
        d.lineTo(c.x() - 8, c.y());
        d.closeSubpath();
        p.drawPath(d);
    }

    // Title, sized to fit between the frame lines.
    QFont titleFont(titleFamily);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    titleFont.setHintingPreference(QFont::PreferNoHinting);
    // Slightly condensed so the lettering can be taller within the frame.
    titleFont.setStretch(90);
    const QString title = QStringLiteral("TERVALO");
    // Largest size whose drawn outline stays well inside the frame.
    QPainterPath titlePath;
    for (int pixelSize = 150; pixelSize > 60; pixelSize -= 2) {
        titleFont.setPixelSize(pixelSize);
        titlePath = QPainterPath();
        titlePath.addText(0, 0, titleFont, title);
        if (titlePath.boundingRect().width() <= 540)
            break;
    }
    const QRectF tb = titlePath.boundingRect();
    const double baseline = 218;
    titlePath.translate(cx - tb.center().x(), baseline);
    const QRectF placed = titlePath.boundingRect();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(titlePath.translated(5, 6));

    QLinearGradient metal(0, placed.top(), 0, placed.bottom());
    metal.setColorAt(0.00, QColor(255, 244, 196));
    metal.setColorAt(0.45, QColor(240, 190, 84));
    metal.setColorAt(0.55, QColor(214, 150, 50));
    metal.setColorAt(1.00, QColor(250, 208, 112));
    p.setBrush(metal);
    p.setPen(QPen(QColor(92, 48, 16), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(titlePath);

    // Ornamental rule and subtitle under the title.
    const double ruleY = placed.bottom() + 26;
    p.setPen(QPen(gold, 1.5));
    p.drawLine(QPointF(cx - 220, ruleY), QPointF(cx - 14, ruleY));
    p.drawLine(QPointF(cx + 14, ruleY), QPointF(cx + 220, ruleY));
    p.setPen(Qt::NoPen);
    p.setBrush(paleGold);
    {
        QPainterPath d;
        d.moveTo(cx, ruleY - 6);
        d.lineTo(cx + 6, ruleY);
        d.lineTo(cx, ruleY + 6);
        d.lineTo(cx - 6, ruleY);
        d.closeSubpath();
        p.drawPath(d);
    }

    QFont subFont(subtitleFamily);
    subFont.setBold(true);
    subFont.setPixelSize(24);
    subFont.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    subFont.setHintingPreference(QFont::PreferNoHinting);
    const QString subtitle = QStringLiteral("A QUIZ ON INDIA");
    QPainterPath subPath;
    subPath.addText(0, 0, subFont, subtitle);
    const QRectF sb = subPath.boundingRect();
    subPath.translate(cx - sb.center().x(), ruleY + 44);
    p.setBrush(QColor(0, 0, 0, 100));
    p.drawPath(subPath.translated(2, 2));
    p.setBrush(QColor(246, 232, 200));
    p.drawPath(subPath);

    p.end();
    return img;
}

QByteArray encodeBmp8(const QImage &img)
{
    const std::vector<Rgb> palette = medianCutPalette(img, 256);

    const int w = img.width(), h = img.height();
    const int stride = (w + 3) & ~3;
    const std::int64_t imageSize = static_cast<std::int64_t>(stride) * h;
    const std::int64_t offBits = 14 + 40 + 256 * 4;

    Bytes out;
    out.u8('B');
    out.u8('M');
    out.u32(offBits + imageSize);
    out.u16(0);
    out.u16(0);
    out.u32(offBits);

    out.u32(40);
    out.s32(w);
    out.s32(h); // positive: rows stored bottom-up
    out.u16(1);
    out.u16(8);
    out.u32(0); // BI_RGB
    out.u32(imageSize);
    out.s32(2835); // 72 dpi
    out.s32(2835);
    out.u32(256);
    out.u32(0);

    for (const Rgb &c : palette) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }

    // A light 4x4 ordered dither hides the remaining steps in the sky
    // gradient; it is fixed, so the output stays the same from run to run.
    static constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    constexpr double ditherSpread = 3.0; // peak to peak, in 8-bit levels
    std::unordered_map<std::uint64_t, int> cache;
    for (int y = h - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int t = bayer[y & 3][x & 3];
            const std::uint64_t key = (static_cast<std::uint64_t>(line[x] & 0xffffffu) << 4) | t;
            auto it = cache.find(key);
            if (it == cache.end()) {
                const int offset = static_cast<int>(std::lround((t - 7.5) * ditherSpread / 15.0));
                Rgb c = toRgb(line[x]);
                c = {std::clamp(c.r + offset, 0, 255), std::clamp(c.g + offset, 0, 255),
                     std::clamp(c.b + offset, 0, 255)};
                it = cache.emplace(key, nearestIndex(palette, c)).first;
            }
            out.u8(it->second);
        }
        for (int x = w; x < stride; ++x)
            out.u8(0);
    }
    return out.data;
}

// ---------------------------------------------------------------- icons

// The standard 16-colour VGA palette in Windows order.
const std::vector<Rgb> &vgaPalette()
{
    static const std::vector<Rgb> pal = {
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
        {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
        {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    };
    return pal;
}

// Icons are drawn without antialiasing into an ARGB image; any pixel with
// alpha below half is transparent, the rest snap to the nearest VGA colour.
QByteArray encodeIco4(const QImage &src)
{
    const QImage img = src.convertToFormat(QImage::Format_ARGB32);
    const std::vector<Rgb> &pal = vgaPalette();
    constexpr int n = kIconSize;
    constexpr int xorStride = n / 2;               // 4 bits per pixel
    constexpr int andStride = ((n + 31) / 32) * 4; // 1 bit per pixel, 32-bit aligned
    constexpr int imageSize = (xorStride + andStride) * n;
    constexpr int resSize = 40 + 16 * 4 + imageSize;

    Bytes out;
    out.u16(0);
    out.u16(1); // icon
    out.u16(1); // one image

    out.u8(n);
    out.u8(n);
    out.u8(16);
    out.u8(0);
    out.u16(1);
    out.u16(4);
    out.u32(resSize);
    out.u32(6 + 16);

    out.u32(40);
    out.s32(n);
    out.s32(2 * n); // XOR bitmap and AND mask stacked
    out.u16(1);
    out.u16(4);
    out.u32(0);
    out.u32(imageSize);
    out.s32(0);
    out.s32(0);
    out.u32(0);
    out.u32(0);

    for (const Rgb &c : pal) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }

    auto opaque = [&](int x, int y) { return qAlpha(img.pixel(x, y)) >= 128; };

    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; x += 2) {
            int hi = opaque(x, y) ? nearestIndex(pal, toRgb(img.pixel(x, y))) : 0;
            int lo = opaque(x + 1, y) ? nearestIndex(pal, toRgb(img.pixel(x + 1, y))) : 0;
            out.u8((hi << 4) | lo);
        }
    }
    for (int y = n - 1; y >= 0; --y) {
        for (int byte = 0; byte < andStride; ++byte) {
            int bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                if (x >= n || !opaque(x, y))
                    bits |= 0x80 >> bit;
            }
            out.u8(bits);
        }
    }
    return out.data;
}

QImage blankIcon()
{
    QImage img(kIconSize, kIconSize, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// A bold serif "T" in yellow on a blue rounded tile.
QImage drawAppIcon()
{
    QImage img = blankIcon();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    p.drawRoundedRect(QRect(0, 0, 32, 32), 6, 6);
    p.setBrush(QColor(0, 0, 255));
    p.drawRoundedRect(QRect(1, 1, 30, 30), 5, 5);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRect(3, 26, 26, 3));
    p.drawRect(QRect(27, 4, 2, 25));

    // Shadow first, then the letter one pixel up-left of it.
    const auto letter = [&](int dx, int dy, const QColor &c) {
        p.setBrush(c);
        p.drawRect(QRect(6 + dx, 5 + dy, 20, 5));   // crossbar
        p.drawRect(QRect(6 + dx, 10 + dy, 3, 3));   // left serif
        p.drawRect(QRect(23 + dx, 10 + dy, 3, 3));  // right serif
        p.drawRect(QRect(13 + dx, 10 + dy, 6, 14)); // stem
        p.drawRect(QRect(10 + dx, 22 + dy, 12, 3)); // foot
    };
    letter(1, 1, QColor(0, 0, 0));
    letter(0, 0, QColor(255, 255, 0));
    p.end();
    return img;
}

enum class Mood { Happy, Sad };

// Faces are computed per pixel so the disc, outline and mouth stay perfectly
// symmetric at this tiny size.
QImage drawFace(Mood mood)
{
    QImage img = blankIcon();
    const double c = 15.5;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb olive = qRgb(128, 128, 0);

    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const double dx = x - c, dy = y - c;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r > 15.6)
                continue; // transparent corner
            QRgb px = r > 14.0 ? black : yellow;

            // A thin shaded rim at the lower right gives the disc some depth.
            if (px == yellow && r > 12.6 && dx + dy > 10.0)
                px = olive;

            // Eyes: 3 px wide, 5 px tall ovals.
            for (const double ex : {10.5, 20.5}) {
                const double ux = (x - ex) / 1.7, uy = (y - 11.5) / 2.6;
                if (ux * ux + uy * uy <= 1.0)
                    px = black;
            }

            // Mouth: a band of an ellipse, lower arc for the smile, upper for the frown.
            if (mood == Mood::Happy) {
                const double mx = dx / 9.0, my = (y - 16.5) / 7.0;
                const double m = std::sqrt(mx * mx + my * my);
                if (y > 17.5 && m >= 0.76 && m <= 1.0)
                    px = black;
            } else {
                const double mx = dx / 7.5, my = (y - 28.5) / 6.5;
                const double m = std::sqrt(mx * mx + my * my);
                if (y < 25.5 && m >= 0.80 && m <= 1.0)
                    px = black;
            }
            img.setPixel(x, y, px);
        }
    }
    if (mood == Mood::Sad) {
        // Slanted brows and a tear make the sad face read at a glance.
        for (int i = 0; i < 4; ++i) {
            img.setPixel(8 + i, 7 - i / 2, black);
            img.setPixel(23 - i, 7 - i / 2, black);
        }
        const QRgb tear = qRgb(0, 255, 255);
        for (const QPoint pt : {QPoint(9, 15), QPoint(9, 16), QPoint(8, 17), QPoint(9, 17), QPoint(10, 17),
                                QPoint(8, 18), QPoint(9, 18), QPoint(10, 18), QPoint(9, 19)})
            img.setPixel(pt, tear);
    }
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "make_assets: cannot make %s\n", argv[1]);
        return 1;
    }

    const QString serifBoldItalic = loadFamily(
        {QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSerif-BoldItalic.ttf"),
         QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf")},
        QStringLiteral("Liberation Serif"));
    const QString serifBold = loadFamily(
        {QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf"),
         QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf")},
        QStringLiteral("Liberation Serif"));

    constexpr qsizetype bmpSize = 14 + 40 + 1024 + 724 * 495;
    constexpr qsizetype icoSize = 6 + 16 + 40 + 64 + 512 + 128;

    bool ok = true;
    ok &= writeFile(outDir + QStringLiteral("/background.bmp"),
                    encodeBmp8(drawBackground(serifBoldItalic, serifBold)), bmpSize);
    ok &= writeFile(outDir + QStringLiteral("/tervalo.ico"), encodeIco4(drawAppIcon()), icoSize);
    ok &= writeFile(outDir + QStringLiteral("/smile.ico"), encodeIco4(drawFace(Mood::Happy)), icoSize);
    ok &= writeFile(outDir + QStringLiteral("/sad.ico"), encodeIco4(drawFace(Mood::Sad)), icoSize);
    return ok ? 0 : 1;
}
