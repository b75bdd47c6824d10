#include "Sounds.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

double frequency(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

double releaseOf(Timbre t)
{
    switch (t) {
    case Timbre::Soft: return 0.08;
    case Timbre::Horn: return 0.12;
    default: return 0.0;
    }
}

// Loudness over time of one note of the given length.
double envelope(Timbre timbre, double t, double length)
{
    auto attack = [t](double a) { return t < a ? t / a : 1.0; };
    switch (timbre) {
    case Timbre::Bell:
    case Timbre::Twinkle:
        return attack(0.004) * std::exp(-4.5 * t / length);
    case Timbre::Pluck:
        return attack(0.003) * std::exp(-5.5 * t / length);
    case Timbre::Soft: {
        const double body = attack(0.025) * (0.85 + 0.15 * std::exp(-6 * t));
        return t <= length ? body : body * std::max(0.0, 1 - (t - length) / releaseOf(timbre));
    }
    case Timbre::Horn: {
        const double body = attack(0.045) * (0.8 + 0.2 * std::exp(-4 * t));
        return t <= length ? body : body * std::max(0.0, 1 - (t - length) / releaseOf(timbre));
    }
    }
    return 0;
}

// One sample of the waveform at phase ph, t seconds into the note, f its pitch.
double wave(Timbre timbre, double ph, double t, double f)
{
    const double nyquistSafe = 9500.0;
    auto harmonic = [&](int n, double level) { return n * f < nyquistSafe ? level * std::sin(n * ph) : 0.0; };
    switch (timbre) {
    case Timbre::Bell:
        return std::sin(ph) + harmonic(2, 0.3 * std::exp(-6 * t)) + harmonic(3, 0.1 * std::exp(-9 * t));
    case Timbre::Twinkle:
        return std::sin(ph) + harmonic(2, 0.15 * std::exp(-12 * t));
    case Timbre::Pluck:
        return std::sin(ph) + harmonic(4, 0.25 * std::exp(-20 * t)) + harmonic(2, 0.1);
    case Timbre::Soft:
        return 2.0 / kPi * std::asin(std::sin(ph));
    case Timbre::Horn:
        return std::sin(ph) + harmonic(2, 0.45) + harmonic(3, 0.25) + harmonic(4, 0.12) + harmonic(5, 0.05);
    }
    return 0;
}

// Notes as {beat, midi, beats}.
struct N {
    double beat, midi, beats;
};

void melody(Score &s, double t0, double beat, std::initializer_list<N> notes, double amp, Timbre timbre,
            double ring = 1.0)
{
    for (const N &n : notes)
        s.note(t0 + n.beat * beat, n.midi, std::max(n.beats * beat * ring, 0.12), amp, timbre);
}

// ---- the sounds ----

std::vector<std::int16_t> atari()
{
    Score s;
    s.note(0.0, 84, 0.22, 1.0, Timbre::Bell);
    s.note(0.1, 91, 0.22, 1.0, Timbre::Bell);
    return s.render();
}

std::vector<std::int16_t> hazure()
{
    Score s;
    s.note(0.0, 55, 0.14, 1.0, Timbre::Soft);
    s.glide(0.17, 51, 47, 0.17, 1.0);
    return s.render();
}

// The addition grades: step 0 is 10級, step 8 is 2級; each a little longer and grander.
std::vector<std::int16_t> gradeFanfare(int step)
{
    Score s;
    switch (step) {
    case 0: // 10級: a quick hop up
        melody(s, 0, 0.13, {{0, 67, 1}, {1, 72, 1}, {2, 76, 1}, {3, 79, 4}}, 1.0, Timbre::Bell, 1.5);
        s.chord(0.39, {60, 64, 67}, 0.6, 0.45, Timbre::Bell);
        break;
    case 1: // 9級
        melody(s, 0, 0.13, {{0, 74, 1}, {1, 78, 1}, {2, 81, 1}, {3, 78, 1}, {4, 86, 4}}, 1.0, Timbre::Pluck, 1.4);
        s.chord(0.52, {62, 66, 69}, 0.65, 0.5, Timbre::Bell);
        break;
    case 2: // 8級
        melody(s, 0, 0.12, {{0, 72, 0.5}, {0.5, 72, 0.5}, {1, 77, 1}, {2, 81, 1}, {3, 84, 2}, {5, 81, 1}, {6, 84, 5}},
               1.0, Timbre::Bell, 1.4);
        s.chord(0.72, {53, 65, 69, 72}, 0.7, 0.5, Timbre::Soft);
        break;
    case 3: // 7級
        melody(s, 0, 0.13, {{0, 74, 1}, {1, 76, 1}, {2, 78, 1}, {3, 79, 1}, {4, 83, 1}, {5, 81, 1}, {6, 86, 5}},
               1.0, Timbre::Pluck, 1.5);
        s.note(0, 55, 0.5, 0.5, Timbre::Pluck);
        s.chord(0.78, {55, 67, 71, 74}, 0.75, 0.45, Timbre::Horn);
        break;
    case 4: // 6級
        melody(s, 0, 0.13,
               {{0, 76, 1}, {1, 81, 1}, {2, 85, 1}, {3, 88, 2}, {5, 85, 1}, {6, 88, 1}, {7, 93, 5}}, 0.9,
               Timbre::Bell, 1.3);
        s.note(0, 57, 0.45, 0.5, Timbre::Pluck);
        s.note(0.39, 64, 0.45, 0.4, Timbre::Pluck);
        s.chord(0.91, {57, 69, 73, 76}, 0.85, 0.45, Timbre::Horn);
        break;
    case 5: // 5級
        melody(s, 0, 0.14,
               {{0, 77, 0.67}, {0.67, 77, 0.67}, {1.33, 77, 0.67}, {2, 82, 2}, {4, 86, 1}, {5, 84, 1}, {6, 86, 1},
                {7, 89, 6}},
               0.9, Timbre::Horn, 0.9);
        melody(s, 0, 0.14, {{2, 70, 2}, {4, 65, 2}, {6, 70, 1}, {7, 58, 6}}, 0.5, Timbre::Pluck, 1.2);
        s.chord(0.98, {70, 74, 77}, 0.9, 0.4, Timbre::Bell);
        break;
    case 6: // 4級
        melody(s, 0, 0.14,
               {{0, 67, 1}, {1, 72, 1}, {2, 76, 1}, {3, 79, 1}, {4, 76, 1}, {5, 79, 1}, {6, 84, 2}, {8, 83, 1},
                {9, 84, 1}, {10, 86, 1}, {11, 88, 6}},
               0.9, Timbre::Bell, 1.3);
        melody(s, 0, 0.14, {{0, 48, 2}, {2, 55, 2}, {4, 48, 2}, {6, 55, 2}, {8, 53, 2}, {10, 55, 1}, {11, 48, 6}},
               0.55, Timbre::Pluck, 1.2);
        s.chord(1.54, {60, 64, 67, 72}, 0.9, 0.4, Timbre::Horn);
        break;
    case 7: // 3級
        melody(s, 0, 0.14,
               {{0, 69, 1}, {1, 74, 1}, {2, 78, 1}, {3, 81, 1}, {4, 78, 1}, {5, 81, 1}, {6, 86, 2}, {8, 85, 1},
                {9, 86, 1}, {10, 88, 1}, {11, 90, 1}, {12, 93, 7}},
               0.85, Timbre::Horn, 0.92);
        melody(s, 0, 0.14, {{0, 50, 2}, {2, 57, 2}, {4, 50, 2}, {6, 57, 2}, {8, 55, 2}, {10, 57, 2}, {12, 50, 7}},
               0.55, Timbre::Pluck, 1.2);
        s.chord(1.68, {62, 66, 69, 74}, 1.0, 0.45, Timbre::Bell);
        for (int i = 0; i < 4; ++i)
            s.note(1.75 + i * 0.08, 98 + i * 2 - (i % 2) * 3, 0.3, 0.25, Timbre::Twinkle);
        break;
    default: // 2級
        melody(s, 0, 0.14,
               {{0, 71, 1}, {1, 76, 1}, {2, 80, 1}, {3, 83, 1}, {4, 88, 2}, {6, 87, 1}, {7, 85, 1}, {8, 83, 1},
                {9, 85, 1}, {10, 88, 1}, {11, 92, 1}, {12, 95, 2}, {14, 88, 6}},
               0.85, Timbre::Horn, 0.92);
        melody(s, 0, 0.14, {{0, 52, 2}, {2, 59, 2}, {4, 52, 2}, {6, 57, 2}, {8, 59, 2}, {10, 59, 2}, {12, 52, 2},
                            {14, 40, 5.5}},
               0.55, Timbre::Pluck, 1.2);
        s.chord(1.96, {64, 68, 71, 76}, 0.95, 0.45, Timbre::Bell);
        for (int i = 0; i < 6; ++i)
            s.note(2.0 + i * 0.07, 88 + i * 3 - (i % 2), 0.35, 0.25, Timbre::Twinkle);
        break;
    }
    return s.render();
}

template <int Step>
std::vector<std::int16_t> grade()
{
    return gradeFanfare(Step);
}

std::vector<std::int16_t> topGrade()
{
    Score s;
    // a sweep up two octaves
    for (int i = 0; i < 12; ++i) {
        static const int steps[] = {0, 4, 7};
        s.note(i * 0.045, 60 + 12 * (i / 3) + steps[i % 3] - 12, 0.5, 0.4, Timbre::Twinkle);
    }
    const double t = 0.6;
    melody(s, t, 0.15,
           {{0, 67, 0.67}, {0.67, 67, 0.67}, {1.33, 67, 0.67}, {2, 72, 3}, {5, 76, 1}, {6, 74, 1}, {7, 72, 1},
            {8, 76, 1}, {9, 79, 3}, {12, 81, 1}, {13, 79, 1}, {14, 77, 1}, {15, 76, 1}, {16, 74, 1},
            {17, 84, 8}},
           0.85, Timbre::Horn, 0.92);
    melody(s, t, 0.15,
           {{2, 48, 2}, {4, 55, 1}, {5, 48, 2}, {7, 55, 2}, {9, 52, 2}, {11, 55, 1}, {12, 53, 2}, {14, 50, 2},
            {16, 55, 1}, {17, 36, 8}},
           0.6, Timbre::Pluck, 1.2);
    s.chord(t + 17 * 0.15, {60, 64, 67, 72, 76}, 1.5, 0.4, Timbre::Horn);
    s.chord(t + 17 * 0.15, {84, 88, 91}, 1.6, 0.25, Timbre::Bell);
    for (int i = 0; i < 10; ++i)
        s.note(t + 17 * 0.15 + 0.1 + i * 0.09, 96 + (i * 5) % 12, 0.35, 0.2, Timbre::Twinkle);
    return s.render();
}

std::vector<std::int16_t> tableCleared()
{
    Score s;
    melody(s, 0, 0.15,
           {{0, 72, 0.67}, {0.67, 72, 0.67}, {1.33, 72, 0.67}, {2, 77, 2}, {4, 72, 1}, {5, 77, 1}, {6, 81, 2},
            {8, 84, 7}},
           0.9, Timbre::Horn, 0.92);
    melody(s, 0, 0.15, {{2, 53, 2}, {4, 60, 2}, {6, 53, 2}, {8, 41, 7}}, 0.6, Timbre::Pluck, 1.2);
    s.chord(1.2, {65, 69, 72, 77}, 1.0, 0.45, Timbre::Bell);
    return s.render();
}

std::vector<std::int16_t> zannen()
{
    Score s;
    melody(s, 0, 0.24, {{0, 76, 1}, {1, 74, 1}, {2, 72, 1}, {3, 71, 1}, {4, 69, 3}}, 0.8, Timbre::Soft, 0.85);
    s.chord(0.96, {53, 57, 60}, 0.55, 0.35, Timbre::Soft);
    return s.render();
}

std::vector<std::int16_t> pointGet()
{
    Score s;
    const double notes[] = {72, 76, 79, 84, 88, 91, 96};
    for (int i = 0; i < 7; ++i)
        s.note(i * 0.065, notes[i], 0.45, 0.9, Timbre::Bell);
    s.note(0.5, 103, 0.4, 0.35, Timbre::Twinkle);
    s.note(0.58, 100, 0.35, 0.3, Timbre::Twinkle);
    return s.render();
}

std::vector<std::int16_t> levelPassed()
{
    Score s;
    melody(s, 0, 0.15,
           {{0, 74, 0.5}, {0.5, 74, 0.5}, {1, 79, 1}, {2, 83, 1}, {3, 86, 2}, {5, 83, 1}, {6, 86, 1}, {7, 91, 6}},
           0.9, Timbre::Bell, 1.3);
    melody(s, 0, 0.15, {{1, 55, 2}, {3, 62, 2}, {5, 55, 2}, {7, 43, 6}}, 0.55, Timbre::Pluck, 1.2);
    s.chord(1.05, {67, 71, 74, 79}, 0.9, 0.4, Timbre::Horn);
    return s.render();
}

std::vector<std::int16_t> allClear()
{
    Score s;
    const double b = 0.16;
    melody(s, 0, b,
           {{0, 72, 1}, {1, 76, 1}, {2, 79, 1}, {3, 84, 1}, {4, 83, 1}, {5, 79, 1}, {6, 76, 1}, {7, 79, 1},
            {8, 81, 1}, {9, 77, 1}, {10, 74, 1}, {11, 77, 1}, {12, 79, 2}, {14, 76, 1}, {15, 79, 1},
            {16, 84, 1}, {17, 86, 1}, {18, 88, 1}, {19, 89, 1}, {20, 91, 2}, {22, 88, 1}, {23, 86, 1},
            {24, 96, 8}},
           0.85, Timbre::Bell, 1.2);
    melody(s, 0, b,
           {{0, 48, 2}, {2, 55, 2}, {4, 52, 2}, {6, 55, 2}, {8, 53, 2}, {10, 50, 2}, {12, 55, 2}, {14, 52, 2},
            {16, 48, 2}, {18, 52, 2}, {20, 55, 2}, {22, 55, 2}, {24, 36, 8}},
           0.6, Timbre::Pluck, 1.2);
    s.chord(0, {60, 64, 67}, 1.2, 0.25, Timbre::Soft);
    s.chord(8 * b, {53, 57, 60}, 0.6, 0.25, Timbre::Soft);
    s.chord(12 * b, {55, 59, 62}, 0.6, 0.25, Timbre::Soft);
    s.chord(16 * b, {60, 64, 67}, 0.6, 0.25, Timbre::Soft);
    s.chord(20 * b, {55, 59, 65}, 0.6, 0.25, Timbre::Soft);
    s.chord(24 * b, {60, 64, 67, 72}, 1.4, 0.4, Timbre::Horn);
    for (int i = 0; i < 14; ++i)
        s.note(24 * b + 0.1 + i * 0.1, 96 + (i * 7) % 12, 0.35, 0.2, Timbre::Twinkle);
    return s.render();
}

} // namespace

void Score::note(double start, double midi, double length, double amp, Timbre timbre)
{
    m_voices.push_back({start, midi, midi, length, amp, timbre});
}

void Score::chord(double start, std::initializer_list<double> midis, double length, double amp, Timbre timbre)
{
    for (double m : midis)
        note(start, m, length, amp, timbre);
}

void Score::glide(double start, double fromMidi, double toMidi, double length, double amp)
{
    m_voices.push_back({start, fromMidi, toMidi, length, amp, Timbre::Soft});
}

std::vector<std::int16_t> Score::render() const
{
    double end = 0;
    for (const Voice &v : m_voices)
        end = std::max(end, v.start + v.length + releaseOf(v.timbre));
    const std::size_t count = std::size_t(std::ceil((end + 0.02) * kSampleRate));
    std::vector<double> mix(count, 0.0);
    for (const Voice &v : m_voices) {
        const std::size_t first = std::size_t(v.start * kSampleRate);
        const double duration = v.length + releaseOf(v.timbre);
        const std::size_t n = std::size_t(duration * kSampleRate);
        double phase = 0;
        for (std::size_t i = 0; i < n && first + i < count; ++i) {
            const double t = double(i) / kSampleRate;
            const double progress = std::min(1.0, t / v.length);
            const double midi = v.fromMidi + (v.toMidi - v.fromMidi) * progress
                + (v.timbre == Timbre::Horn && t > 0.15 ? 0.12 * std::sin(2 * kPi * 5.5 * t) : 0.0);
            const double f = frequency(midi);
            phase += 2 * kPi * f / kSampleRate;
            // high notes sound louder to the ear: soften them a little
            const double tilt = std::min(1.0, std::pow(700.0 / f, 0.35));
            // a short fade at the very end of every note keeps it free of clicks
            const double tail = std::min(1.0, (duration - t) / 0.01);
            mix[first + i] += v.amp * tilt * tail * envelope(v.timbre, t, v.length) * wave(v.timbre, phase, t, f);
        }
    }
    double peak = 0;
    for (double x : mix)
        peak = std::max(peak, std::abs(x));
    const double gain = peak > 0 ? 0.5 * 32767.0 / peak : 0;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double fade = std::min({1.0, double(i) / 60.0, double(count - 1 - i) / 200.0});
        samples[i] = std::int16_t(std::lround(mix[i] * gain * fade));
    }
    return samples;
}

QByteArray wavFile(const std::vector<std::int16_t> &samples)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    auto u32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    u32(36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kSampleRate);
    u32(kSampleRate * 2);
    u16(2);
    u16(16);
    out.append("data", 4);
    u32(dataBytes);
    for (std::int16_t s : samples)
        u16(quint16(s));
    return out;
}

const std::vector<SoundRecipe> &allSounds()
{
    static const std::vector<SoundRecipe> sounds = {
        {QStringLiteral("atari.wav"), atari},
        {QStringLiteral("hazure.wav"), hazure},
        {QStringLiteral("１０級合格.wav"), grade<0>},
        {QStringLiteral("９級合格.wav"), grade<1>},
        {QStringLiteral("８級合格.wav"), grade<2>},
        {QStringLiteral("７級合格.wav"), grade<3>},
        {QStringLiteral("６級合格.wav"), grade<4>},
        {QStringLiteral("５級合格.wav"), grade<5>},
        {QStringLiteral("４級合格.wav"), grade<6>},
        {QStringLiteral("３級合格.wav"), grade<7>},
        {QStringLiteral("２級合格.wav"), grade<8>},
        {QStringLiteral("レベル１・１級合格.wav"), topGrade},
        {QStringLiteral("大作戦・各段合格.wav"), tableCleared},
        {QStringLiteral("zannen.wav"), zannen},
        {QStringLiteral("かけ・わり・横あんpointget.wav"), pointGet},
        {QStringLiteral("かけ・わり・横あん合格.wav"), levelPassed},
        {QStringLiteral("かけ・わり・横あんall clear.wav"), allClear},
    };
    return sounds;
}

} // namespace art
