#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// Every sound of the game, synthesized from soft tones.
namespace art {

inline constexpr int kSampleRate = 22050;

enum class Timbre {
    Bell,    // sine with a little second and third harmonic, ringing out
    Soft,    // triangle with a gentle attack, held for its length
    Pluck,   // marimba-like: short and round
    Horn,    // a few mellow harmonics with a slow attack and slight vibrato
    Twinkle, // very high, short sine
};

// A little score: notes placed in time, rendered to 16-bit samples.
class Score {
public:
    // midi: 60 is middle C; start and length in seconds; amp relative loudness.
    void note(double start, double midi, double length, double amp = 1.0, Timbre timbre = Timbre::Bell);
    void chord(double start, std::initializer_list<double> midis, double length, double amp = 0.6,
               Timbre timbre = Timbre::Bell);
    // A falling or rising glide between two pitches (for the gentle "boo").
    void glide(double start, double fromMidi, double toMidi, double length, double amp = 1.0);
    // Samples normalized so the loudest is at half of full scale (-6 dB).
    std::vector<std::int16_t> render() const;

private:
    struct Voice {
        double start, fromMidi, toMidi, length, amp;
        Timbre timbre;
    };
    std::vector<Voice> m_voices;
};

struct SoundRecipe {
    QString fileName;
    std::vector<std::int16_t> (*make)();
};

const std::vector<SoundRecipe> &allSounds();

// A mono 16-bit PCM RIFF/WAVE file at kSampleRate.
QByteArray wavFile(const std::vector<std::int16_t> &samples);

} // namespace art
