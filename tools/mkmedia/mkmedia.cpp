// Writes the program's media files into the folder named on the command line:
//   RurivAzavidi.avi  an animated folder search (a magnifier passing over a folder), looped
//                     while the clean run works;
//   Check.avi         a check mark drawing itself, played once at the end of the run;
//   Alarm.wav         a short two-tone alarm.
// The clips are uncompressed 8-bit palettised AVI, which the common animation control plays
// without any codec. Everything is drawn here; nothing is read from elsewhere.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutTag(Bytes& b, const char* tag) {
    b.insert(b.end(), tag, tag + 4);
}
void Append(Bytes& b, const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
}

Bytes Chunk(const char* tag, const Bytes& data) {
    Bytes out;
    PutTag(out, tag);
    Put32(out, static_cast<std::uint32_t>(data.size()));
    Append(out, data);
    if (data.size() % 2) out.push_back(0);
    return out;
}
Bytes List(const char* kind, const char* tag, const Bytes& body) {
    Bytes data;
    PutTag(data, tag);
    Append(data, body);
    return Chunk(kind, data);
}

struct Rgb {
    std::uint8_t r, g, b;
};
// Index 0 is the background, which the control shows transparent when asked to.
const std::vector<Rgb> kPalette = {
    {240, 240, 240}, {0, 0, 0},    {255, 204, 51},  {204, 153, 0},
    {140, 190, 240}, {0, 150, 40}, {255, 255, 255}, {110, 110, 110},
};
enum : std::uint8_t { Bg, Black, Folder, FolderDark, Glass, Green, White, Grey };

struct Frame {
    int w, h;
    std::vector<std::uint8_t> px;  // top-down
    Frame(int width, int height)
        : w(width), h(height), px(static_cast<size_t>(width * height), Bg) {}
    void Set(int x, int y, std::uint8_t c) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<size_t>(y * w + x)] = c;
    }
    void Rect(int x0, int y0, int x1, int y1, std::uint8_t c) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) Set(x, y, c);
    }
    void Disc(double cx, double cy, double r, std::uint8_t c) {
        for (int y = static_cast<int>(cy - r) - 1; y <= cy + r + 1; ++y)
            for (int x = static_cast<int>(cx - r) - 1; x <= cx + r + 1; ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) Set(x, y, c);
    }
    void Line(double x0, double y0, double x1, double y1, double thickness, std::uint8_t c) {
        const int steps = static_cast<int>(std::hypot(x1 - x0, y1 - y0) * 2) + 1;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            Disc(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, thickness / 2, c);
        }
    }
};

Frame SearchFrame(int index, int count) {
    Frame f(80, 60);
    // The folder: tab, back, front.
    f.Rect(14, 14, 34, 20, FolderDark);
    f.Rect(14, 18, 66, 48, FolderDark);
    f.Rect(16, 24, 66, 50, Folder);
    for (int x = 16; x < 66; ++x) f.Set(x, 24, Black);
    for (int y = 18; y < 50; ++y) f.Set(14, y, Black), f.Set(65, y, Black);
    for (int x = 14; x < 66; ++x) f.Set(x, 50, Black);
    // The magnifier glides over it, left to right and back.
    const double phase = 2 * 3.14159265358979 * index / count;
    const double cx = 40 + 18 * std::sin(phase), cy = 32 + 6 * std::cos(phase);
    f.Line(cx + 7, cy + 7, cx + 15, cy + 15, 4, Grey);
    f.Disc(cx, cy, 10, Black);
    f.Disc(cx, cy, 8, Glass);
    f.Disc(cx - 3, cy - 3, 2, White);
    return f;
}

Frame CheckFrame(int index, int count) {
    Frame f(48, 48);
    f.Disc(24, 24, 22, Black);
    f.Disc(24, 24, 20, White);
    // The mark grows along its two strokes.
    const double t = static_cast<double>(index + 1) / count;
    const double ax = 12, ay = 25, bx = 20, by = 34, cx = 37, cy = 14;
    const double first = 0.35;
    if (t <= first) {
        const double u = t / first;
        f.Line(ax, ay, ax + (bx - ax) * u, ay + (by - ay) * u, 5, Green);
    } else {
        const double u = (t - first) / (1 - first);
        f.Line(ax, ay, bx, by, 5, Green);
        f.Line(bx, by, bx + (cx - bx) * u, by + (cy - by) * u, 5, Green);
    }
    return f;
}

// One uncompressed frame as a bottom-up DIB with rows padded to four bytes.
Bytes Dib(const Frame& f) {
    const int stride = (f.w + 3) & ~3;
    Bytes out(static_cast<size_t>(stride * f.h), 0);
    for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x)
            out[static_cast<size_t>((f.h - 1 - y) * stride + x)] =
                f.px[static_cast<size_t>(y * f.w + x)];
    return out;
}

Bytes Avi(const std::vector<Frame>& frames, int fps) {
    const int w = frames.front().w, h = frames.front().h;
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(((w + 3) & ~3) * h);
    const auto n = static_cast<std::uint32_t>(frames.size());

    Bytes avih;
    Put32(avih, 1000000 / fps);     // microseconds per frame
    Put32(avih, frameBytes * fps);  // max bytes per second
    Put32(avih, 0);                 // padding granularity
    Put32(avih, 0x10);              // AVIF_HASINDEX
    Put32(avih, n);
    Put32(avih, 0);           // initial frames
    Put32(avih, 1);           // streams
    Put32(avih, frameBytes);  // suggested buffer size
    Put32(avih, static_cast<std::uint32_t>(w));
    Put32(avih, static_cast<std::uint32_t>(h));
    for (int i = 0; i < 4; ++i) Put32(avih, 0);

    Bytes strh;
    PutTag(strh, "vids");
    PutTag(strh, "DIB ");
    Put32(strh, 0);  // flags
    Put16(strh, 0);  // priority
    Put16(strh, 0);  // language
    Put32(strh, 0);  // initial frames
    Put32(strh, 1);  // scale
    Put32(strh, static_cast<std::uint32_t>(fps));
    Put32(strh, 0);  // start
    Put32(strh, n);  // length
    Put32(strh, frameBytes);
    Put32(strh, 0xFFFFFFFF);  // quality
    Put32(strh, 0);           // sample size
    Put16(strh, 0), Put16(strh, 0), Put16(strh, static_cast<std::uint32_t>(w)),
        Put16(strh, static_cast<std::uint32_t>(h));

    Bytes strf;  // BITMAPINFOHEADER and the palette
    Put32(strf, 40);
    Put32(strf, static_cast<std::uint32_t>(w));
    Put32(strf, static_cast<std::uint32_t>(h));
    Put16(strf, 1);  // planes
    Put16(strf, 8);  // bits per pixel
    Put32(strf, 0);  // BI_RGB
    Put32(strf, frameBytes);
    Put32(strf, 0), Put32(strf, 0);
    Put32(strf, static_cast<std::uint32_t>(kPalette.size()));
    Put32(strf, 0);
    for (const auto& c : kPalette)
        strf.push_back(c.b), strf.push_back(c.g), strf.push_back(c.r), strf.push_back(0);

    Bytes strl = Chunk("strh", strh);
    Append(strl, Chunk("strf", strf));
    Bytes hdrl = Chunk("avih", avih);
    Append(hdrl, List("LIST", "strl", strl));

    Bytes movi, idx1;
    std::uint32_t offset = 4;  // from the 'movi' tag
    for (const auto& frame : frames) {
        const Bytes chunk = Chunk("00db", Dib(frame));
        PutTag(idx1, "00db");
        Put32(idx1, 0x10);  // AVIIF_KEYFRAME
        Put32(idx1, offset);
        Put32(idx1, frameBytes);
        offset += static_cast<std::uint32_t>(chunk.size());
        Append(movi, chunk);
    }

    Bytes body = List("LIST", "hdrl", hdrl);
    Append(body, List("LIST", "movi", movi));
    Append(body, Chunk("idx1", idx1));
    return List("RIFF", "AVI ", body);
}

Bytes AlarmWav() {
    const int rate = 22050;
    const int samples = rate * 6 / 10;
    Bytes pcm;
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const int beep = static_cast<int>(t / 0.1);
        const double inBeep = t - beep * 0.1;
        const double freq = beep % 2 ? 660 : 880;
        // Each beep fades in and out over 5 ms, so that it does not click.
        const double envelope = std::fmin(1.0, std::fmin(inBeep, 0.1 - inBeep) / 0.005);
        const double v = 0.45 * envelope * std::sin(2 * 3.14159265358979 * freq * t);
        Put16(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(v * 32767)));
    }
    Bytes fmt;
    Put16(fmt, 1);  // PCM
    Put16(fmt, 1);  // mono
    Put32(fmt, rate);
    Put32(fmt, rate * 2);
    Put16(fmt, 2);
    Put16(fmt, 16);
    Bytes body = Chunk("fmt ", fmt);
    Append(body, Chunk("data", pcm));
    return List("RIFF", "WAVE", body);
}

bool Write(const std::string& path, const Bytes& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkmedia <output folder>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    std::vector<Frame> search, check;
    for (int i = 0; i < 12; ++i) search.push_back(SearchFrame(i, 12));
    for (int i = 0; i < 10; ++i) check.push_back(CheckFrame(i, 10));
    const bool ok = Write(dir + "RurivAzavidi.avi", Avi(search, 10)) &&
                    Write(dir + "Check.avi", Avi(check, 12)) &&
                    Write(dir + "Alarm.wav", AlarmWav());
    if (!ok) std::fprintf(stderr, "mkmedia: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
