// make_cursors <folder>: draws the chart window's two mouse pointers and
// writes them as cursor files (32 x 32, 32-bit colour with alpha, hot spot in
// the middle): CsrCurv.cur over a curve point, CsrPoint.cur over a measured
// point. Both are a thin cross with a white rim; the curve pointer carries a
// small curve, the point pointer a filled square, at its lower right.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;
constexpr int kHot = 15;

struct Bild {
    // BGRA, row 0 at the top.
    std::array<std::array<std::uint32_t, kSize>, kSize> px{};
    void set(int x, int y, std::uint32_t argb) {
        if (x >= 0 && x < kSize && y >= 0 && y < kSize)
            px[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = argb;
    }
    std::uint32_t get(int x, int y) const {
        if (x < 0 || x >= kSize || y < 0 || y >= kSize) return 0;
        return px[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    }
};

constexpr std::uint32_t kSchwarz = 0xFF000000;
constexpr std::uint32_t kWeiss = 0xFFFFFFFF;

// A white rim of one pixel around everything drawn so far.
void rand(Bild& b) {
    const Bild alt = b;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (alt.get(x, y) != 0) continue;
            bool nahe = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (alt.get(x + dx, y + dy) != 0 && alt.get(x + dx, y + dy) != kWeiss) nahe = true;
            if (nahe) b.set(x, y, kWeiss);
        }
}

// The cross: two lines through the hot spot with a gap of 2 pixels around it.
void kreuz(Bild& b) {
    for (int i = 2; i <= 11; ++i) {
        b.set(kHot - i, kHot, kSchwarz);
        b.set(kHot + i, kHot, kSchwarz);
        b.set(kHot, kHot - i, kSchwarz);
        b.set(kHot, kHot + i, kSchwarz);
    }
    b.set(kHot, kHot, kSchwarz);
}

Bild kurvenZeiger() {
    Bild b;
    kreuz(b);
    // A rising curve, two pixels thick, in dark blue.
    const std::uint32_t blau = 0xFF1F3A9F;
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 200.0;
        const int x = static_cast<int>(std::lround(18 + 12 * t));
        const int y = static_cast<int>(std::lround(30 - 11 * (1 - std::exp(-3 * t)) / (1 - std::exp(-3.0))));
        b.set(x, y, blau);
        b.set(x + 1, y, blau);
    }
    rand(b);
    return b;
}

Bild punktZeiger() {
    Bild b;
    kreuz(b);
    // A filled square of 7 x 7 pixels in dark red.
    const std::uint32_t rot = 0xFFB01010;
    for (int y = 21; y <= 27; ++y)
        for (int x = 21; x <= 27; ++x) b.set(x, y, rot);
    rand(b);
    return b;
}

void le16(std::vector<unsigned char>& o, unsigned v) {
    o.push_back(static_cast<unsigned char>(v & 0xFF));
    o.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
void le32(std::vector<unsigned char>& o, std::uint32_t v) {
    le16(o, v & 0xFFFF);
    le16(o, v >> 16);
}

std::vector<unsigned char> curDatei(const Bild& b) {
    constexpr std::uint32_t farbBytes = kSize * kSize * 4;
    constexpr std::uint32_t maskenBytes = kSize * 4;  // 32 bits per row
    std::vector<unsigned char> o;
    le16(o, 0);  // reserved
    le16(o, 2);  // cursor
    le16(o, 1);  // one picture
    o.push_back(kSize);
    o.push_back(kSize);
    o.push_back(0);
    o.push_back(0);
    le16(o, kHot);
    le16(o, kHot);
    le32(o, 40 + farbBytes + maskenBytes);
    le32(o, 22);
    // Bitmap header: the height counts the colour rows and the mask rows.
    le32(o, 40);
    le32(o, kSize);
    le32(o, 2 * kSize);
    le16(o, 1);
    le16(o, 32);
    le32(o, 0);
    le32(o, farbBytes + maskenBytes);
    for (int i = 0; i < 4; ++i) le32(o, 0);
    for (int y = kSize - 1; y >= 0; --y)
        for (int x = 0; x < kSize; ++x) le32(o, b.get(x, y));
    // Mask: a set bit is a transparent pixel.
    for (int y = kSize - 1; y >= 0; --y) {
        std::uint32_t bits = 0;
        for (int x = 0; x < kSize; ++x)
            if (b.get(x, y) == 0) bits |= 1u << (31 - x);
        o.push_back(static_cast<unsigned char>(bits >> 24));
        o.push_back(static_cast<unsigned char>(bits >> 16));
        o.push_back(static_cast<unsigned char>(bits >> 8));
        o.push_back(static_cast<unsigned char>(bits));
    }
    return o;
}

bool schreibe(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_cursors <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = schreibe(folder + "/CsrCurv.cur", curDatei(kurvenZeiger())) &&
                    schreibe(folder + "/CsrPoint.cur", curDatei(punktZeiger()));
    if (!ok) std::fprintf(stderr, "make_cursors: cannot write into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
