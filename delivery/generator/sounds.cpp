// Sound cues and background music, synthesised from a few notes: plucked and bell-like tones,
// soft chords, and for the music a pad, a bass line and an arpeggio with a touch of echo.
#include "sounds.h"

#include "drawing_kit.h"
#include "source_text.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rate = SoundSampleRate;

// "A4", "C#5", "Eb3" → frequency in Hz (A4 = 440 Hz); 0 when the text is no note.
double NoteFrequency(const QString &note)
{
    static const QRegularExpression form(QStringLiteral("^([A-G])([#b]?)(-?\\d)$"));
    const QRegularExpressionMatch m = form.match(note);
    if (!m.hasMatch())
        return 0;
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int semitone = steps[m.captured(1).at(0).unicode() - u'A'];
    if (m.captured(2) == u"#")
        ++semitone;
    else if (m.captured(2) == u"b")
        --semitone;
    const int midi = 12 * (m.captured(3).toInt() + 1) + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Root frequency (octave 3) and the chord's intervals in semitones.
bool ParseChord(const QString &name, double &root, QList<int> &intervals)
{
    static const QRegularExpression form(QStringLiteral("^([A-G][#b]?)(m|maj7|m7|7)?$"));
    const QRegularExpressionMatch m = form.match(name);
    if (!m.hasMatch())
        return false;
    root = NoteFrequency(m.captured(1) + QLatin1Char('3'));
    const QString kind = m.captured(2);
    if (kind == u"m")
        intervals = {0, 3, 7};
    else if (kind == u"7")
        intervals = {0, 4, 7, 10};
    else if (kind == u"maj7")
        intervals = {0, 4, 7, 11};
    else if (kind == u"m7")
        intervals = {0, 3, 7, 10};
    else
        intervals = {0, 4, 7};
    return true;
}

double Semitones(double f, int n) { return f * std::pow(2.0, n / 12.0); }

// A plucked tone: a sine with two overtones and an exponential decay.
void AddPluck(std::vector<float> &out, double start, double f, double length, double gain, double decay = 7)
{
    const size_t first = size_t(start * Rate);
    const size_t count = size_t(length * Rate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = i / Rate;
        const double attack = std::min(1.0, t / 0.004);
        const double env = attack * std::exp(-decay * t);
        const double s = std::sin(2 * Pi * f * t) + 0.35 * std::sin(4 * Pi * f * t) * std::exp(-decay * t) +
                         0.12 * std::sin(6 * Pi * f * t) * std::exp(-2 * decay * t);
        out[first + i] += float(gain * env * s);
    }
}

// A bell: inharmonic partials that die away at different speeds.
void AddBell(std::vector<float> &out, double start, double f, double length, double gain)
{
    static const double partials[][3] = {{1.0, 1.0, 3.0}, {2.76, 0.45, 5.0}, {5.40, 0.25, 8.0}, {8.93, 0.12, 12.0}};
    const size_t first = size_t(start * Rate);
    const size_t count = size_t(length * Rate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = i / Rate;
        const double attack = std::min(1.0, t / 0.003);
        double s = 0;
        for (const auto &p : partials)
            s += p[1] * std::exp(-p[2] * t) * std::sin(2 * Pi * f * p[0] * t);
        out[first + i] += float(gain * attack * s);
    }
}

// A soft sustained tone with a slow attack and release (pads and chords).
void AddPad(std::vector<float> &out, double start, double f, double length, double gain, double attack = 0.02)
{
    const size_t first = size_t(start * Rate);
    const size_t count = size_t(length * Rate);
    const double release = std::min(0.25, length / 3);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = i / Rate;
        double env = std::min(1.0, t / attack);
        if (t > length - release)
            env *= std::max(0.0, (length - t) / release);
        const double vibrato = 1 + 0.002 * std::sin(2 * Pi * 5 * t);
        const double s = std::sin(2 * Pi * f * vibrato * t) + 0.3 * std::sin(4 * Pi * f * t) + 0.1 * std::sin(6 * Pi * f * t);
        out[first + i] += float(gain * env * s);
    }
}

void AddSweep(std::vector<float> &out, double from, double to, double length, double gain)
{
    double phase = 0;
    const size_t count = std::min(out.size(), size_t(length * Rate));
    for (size_t i = 0; i < count; ++i) {
        const double t = i / Rate;
        const double f = from * std::pow(to / from, t / length);
        phase += 2 * Pi * f / Rate;
        const double env = std::min(1.0, t / 0.01) * std::min(1.0, (length - t) / 0.05);
        out[i] += float(gain * env * (std::sin(phase) + 0.2 * std::sin(2 * phase)));
    }
}

// A little echo, and the level brought to a fixed peak.
void Finish(std::vector<float> &samples, double echoSeconds, double echoGain, double peak)
{
    const size_t delay = size_t(echoSeconds * Rate);
    if (delay > 0)
        for (size_t i = delay; i < samples.size(); ++i)
            samples[i] += float(echoGain * samples[i - delay]);
    float highest = 0;
    for (float s : samples)
        highest = std::max(highest, std::fabs(s));
    if (highest > 0)
        for (float &s : samples)
            s = float(s * peak / highest);
}

void Fade(std::vector<float> &samples, double in, double out)
{
    const size_t inCount = size_t(in * Rate), outCount = size_t(out * Rate);
    for (size_t i = 0; i < inCount && i < samples.size(); ++i)
        samples[i] = float(samples[i] * double(i) / double(inCount));
    for (size_t i = 0; i < outCount && i < samples.size(); ++i)
        samples[samples.size() - 1 - i] = float(samples[samples.size() - 1 - i] * double(i) / double(outCount));
}

} // namespace

QList<TCueSource> ReadCueSources(const QString &path)
{
    const TSourceFile file = TSourceFile::Read(path);
    QList<TCueSource> cues;
    static const QStringList instruments = {QStringLiteral("zupf"), QStringLiteral("glocke"), QStringLiteral("akkord"),
                                            QStringLiteral("arpeggio"), QStringLiteral("gleiten")};
    for (const TSourceLine &line : file.Lines()) {
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        const QStringList parts = line.text.split(blanks, Qt::SkipEmptyParts);
        if (parts.size() < 4)
            file.Fail(line.number, QStringLiteral("\"name.wav klang dauer töne\" erwartet"));
        TCueSource cue;
        cue.name = parts[0];
        cue.instrument = parts[1];
        cue.line = line.number;
        if (!instruments.contains(cue.instrument))
            file.Fail(line.number, QStringLiteral("unbekannter Klang \"%1\" (bekannt: %2)").arg(cue.instrument, instruments.join(QStringLiteral(", "))));
        bool ok = false;
        cue.seconds = parts[2].toDouble(&ok);
        if (!ok || cue.seconds <= 0 || cue.seconds > 10)
            file.Fail(line.number, QStringLiteral("Dauer in Sekunden (bis 10) erwartet, nicht \"%1\"").arg(parts[2]));
        for (qsizetype i = 3; i < parts.size(); ++i) {
            const double f = NoteFrequency(parts[i]);
            if (f <= 0)
                file.Fail(line.number, QStringLiteral("\"%1\" ist kein Ton (Beispiele: A4, C#5, Eb3)").arg(parts[i]));
            cue.frequencies << f;
        }
        if (cue.instrument == u"gleiten" && cue.frequencies.size() != 2)
            file.Fail(line.number, QStringLiteral("\"gleiten\" braucht genau zwei Töne"));
        for (const TCueSource &other : cues)
            if (other.name == cue.name)
                file.Fail(line.number, QStringLiteral("\"%1\" steht zweimal in der Liste").arg(cue.name));
        cues << cue;
    }
    return cues;
}

QList<TTrackSource> ReadTrackSources(const QString &path)
{
    const TSourceFile file = TSourceFile::Read(path);
    QList<TTrackSource> tracks;
    for (const TSourceLine &line : file.Lines()) {
        const QString text = line.text.trimmed();
        if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'))) {
            tracks.append(TTrackSource());
            tracks.last().name = text.mid(1, text.size() - 2);
            continue;
        }
        QString key, value;
        if (tracks.isEmpty() || !SplitKeyValue(text, key, value))
            file.Fail(line.number, QStringLiteral("Zeile nicht verstanden: \"%1\"").arg(text));
        TTrackSource &track = tracks.last();
        if (key == u"Tempo") {
            track.tempo = ParseInteger(file, line.number, value, 40, 200);
        } else if (key == u"Takte") {
            track.bars = ParseInteger(file, line.number, value, 1, 64);
        } else if (key == u"Akkorde") {
            track.chords = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (const QString &chord : track.chords) {
                double root = 0;
                QList<int> intervals;
                if (!ParseChord(chord, root, intervals))
                    file.Fail(line.number, QStringLiteral("\"%1\" ist kein Akkord (Beispiele: C, Am, G7, Fmaj7)").arg(chord));
            }
        } else if (key == u"Stil") {
            if (value != u"arpeggio" && value != u"ruhig" && value != u"walzer")
                file.Fail(line.number, QStringLiteral("Stil \"arpeggio\", \"ruhig\" oder \"walzer\" erwartet"));
            track.style = value;
        } else if (key == u"Seed") {
            track.seed = ParseInteger(file, line.number, value, 0, 1000000);
        } else {
            file.Fail(line.number, QStringLiteral("unbekannte Angabe \"%1:\"").arg(key));
        }
    }
    for (const TTrackSource &track : tracks)
        if (track.chords.isEmpty() || track.style.isEmpty())
            throw TDeliveryError(QStringLiteral("%1: das Stück %2 braucht \"Akkorde:\" und \"Stil:\"").arg(path, track.name));
    return tracks;
}

std::vector<float> SynthesizeCue(const TCueSource &cue)
{
    std::vector<float> out(size_t(cue.seconds * Rate) + 1, 0.0f);
    const QList<double> &f = cue.frequencies;
    if (cue.instrument == u"zupf") {
        for (double freq : f)
            AddPluck(out, 0, freq, cue.seconds, 0.5, 9 / cue.seconds / 3 + 4);
    } else if (cue.instrument == u"glocke") {
        for (double freq : f)
            AddBell(out, 0, freq, cue.seconds, 0.4);
    } else if (cue.instrument == u"akkord") {
        for (double freq : f)
            AddPad(out, 0, freq, cue.seconds, 0.35, 0.015);
    } else if (cue.instrument == u"arpeggio") {
        const double step = cue.seconds / (f.size() + 2);
        for (qsizetype i = 0; i < f.size(); ++i)
            AddPluck(out, i * step, f[i], cue.seconds - i * step, 0.45, 5);
    } else if (cue.instrument == u"gleiten") {
        AddSweep(out, f[0], f[1], cue.seconds, 0.6);
    }
    Finish(out, 0.07, 0.25, 0.7);
    Fade(out, 0.002, std::min(0.03, cue.seconds / 4));
    return out;
}

std::vector<float> SynthesizeTrack(const TTrackSource &track)
{
    const bool waltz = track.style == u"walzer";
    const int beatsPerBar = waltz ? 3 : 4;
    const double beat = 60.0 / track.tempo;
    const double bar = beat * beatsPerBar;
    const double total = bar * track.bars + 2.0;
    std::vector<float> out(size_t(total * Rate), 0.0f);
    TDrawRandom random(std::uint64_t(track.seed));
    for (int b = 0; b < track.bars; ++b) {
        double root = 0;
        QList<int> intervals;
        ParseChord(track.chords[b % track.chords.size()], root, intervals);
        const double start = b * bar;
        // Pad: the chord held through the bar, one octave up.
        for (int iv : intervals)
            AddPad(out, start, Semitones(root * 2, iv), bar + 0.1, 0.08, 0.3);
        // Bass: root on the first beat, fifth halfway.
        AddPluck(out, start, root / 2, bar * 0.5, 0.32, 3);
        AddPluck(out, start + (waltz ? beat : bar / 2), Semitones(root / 2, 7), bar * 0.5, 0.24, 3);
        if (track.style == u"ruhig") {
            // A slow melody note now and then over the chord.
            const int iv = intervals[random.Below(int(intervals.size()))];
            AddBell(out, start + beat * random.Below(2), Semitones(root * 4, iv), bar, 0.07);
            continue;
        }
        // Arpeggio: eighth notes (waltz: quarter notes in threes) through the chord tones.
        const int notes = waltz ? 6 : 8;
        const double step = bar / notes;
        for (int n = 0; n < notes; ++n) {
            const int k = (n + (n / int(intervals.size())) % 2) % int(intervals.size());
            const int octave = (n % 4 == 3) ? 24 : 12;
            const double gain = (n % (waltz ? 3 : 2) == 0 ? 0.14 : 0.1) * random.Range(0.85, 1.0);
            AddPluck(out, start + n * step, Semitones(root, intervals[k] + octave), step * 3, gain, 6);
        }
        // A soft shaker on the off-beats.
        for (int n = 0; n < beatsPerBar * 2; ++n) {
            if (n % 2 == 0)
                continue;
            const size_t first = size_t((start + n * beat / 2) * Rate);
            for (size_t i = 0; i < size_t(0.05 * Rate) && first + i < out.size(); ++i) {
                const double env = std::exp(-60.0 * double(i) / Rate);
                out[first + i] += float(0.035 * env * random.Range(-1, 1));
            }
        }
    }
    Finish(out, 0.23, 0.3, 0.8);
    Fade(out, 1.0, 2.5);
    return out;
}

void WriteWave(const QString &path, const std::vector<float> &samples, int sampleRate)
{
    QByteArray data;
    data.reserve(int(samples.size() * 2 + 44));
    auto u32 = [&data](quint32 v) {
        for (int i = 0; i < 4; ++i)
            data.append(char((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&data](quint16 v) {
        data.append(char(v & 0xFF));
        data.append(char(v >> 8));
    };
    const quint32 dataBytes = quint32(samples.size() * 2);
    data.append("RIFF", 4);
    u32(36 + dataBytes);
    data.append("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(quint32(sampleRate));
    u32(quint32(sampleRate * 2));
    u16(2);
    u16(16);
    data.append("data", 4);
    u32(dataBytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(double(s), -1.0, 1.0) * 32767.0);
        u16(quint16(qint16(v)));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        throw TDeliveryError(QStringLiteral("%1: kann nicht geschrieben werden (%2)").arg(path, file.errorString()));
}
