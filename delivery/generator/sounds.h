#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

inline constexpr int SoundSampleRate = 22050;

// One sound cue of delivery/klaenge.txt: "name.wav  instrument  seconds  notes...".
struct TCueSource
{
    QString name;
    QString instrument; // zupf, glocke, akkord, arpeggio, gleiten
    double seconds = 0;
    QList<double> frequencies;
    int line = 0;
};

// One music track of delivery/musik.txt.
struct TTrackSource
{
    QString name;
    int tempo = 96;       // beats per minute, four beats to the bar
    int bars = 12;
    QStringList chords;   // one per bar, repeated: "Am", "F", "C", "G7", "Dmaj7"
    QString style;        // "arpeggio", "ruhig" or "walzer"
    int seed = 1;
};

QList<TCueSource> ReadCueSources(const QString &path);
QList<TTrackSource> ReadTrackSources(const QString &path);

// Mono samples in -1 ... 1.
std::vector<float> SynthesizeCue(const TCueSource &cue);
std::vector<float> SynthesizeTrack(const TTrackSource &track);

// A 16-bit mono PCM wave file.
void WriteWave(const QString &path, const std::vector<float> &samples, int sampleRate = SoundSampleRate);
