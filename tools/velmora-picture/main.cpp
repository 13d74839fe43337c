// velmora-picture: decode, fit and resize pictures the way the program does, for set authors and for
// checking the scaling. Run it without arguments for the usage.

#include "core/velmora_error.h"
#include "pictures/bitmap.h"
#include "pictures/bmp_file.h"
#include "pictures/fit_rect.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/scaling.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

const char kUsage[] =
    "Usage:\n"
    "  velmora-picture resize [--mode N] IN OUT W H\n"
    "      Resizes IN (a JPEG or BMP picture) to W x H with mode N (0 plain stretch, 1 bilinear,\n"
    "      2 cubic; default 2) and writes OUT as a 24-bit BMP picture.\n"
    "  velmora-picture fit W H w h [--no-stretch] [--no-proportional] [--centre]\n"
    "      Places a w x h picture in a W x H box (by default stretched and proportional, as the\n"
    "      screens do) and prints: x y width height\n"
    "  velmora-picture bench [--mode N] [--runs R] IN W H\n"
    "      Resizes IN to W x H R times (default 21) after one warm-up run and prints the median\n"
    "      time of the resize alone: median_ms=<value>\n";

struct TUsageError
{
    QString message;
};

class TArguments
{
public:
    explicit TArguments(QStringList arguments) : m_arguments(std::move(arguments)) {}

    bool takeFlag(const QString &name)
    {
        const qsizetype at = m_arguments.indexOf(name);
        if (at < 0)
            return false;
        m_arguments.removeAt(at);
        return true;
    }

    std::optional<int> takeNumberOption(const QString &name)
    {
        const qsizetype at = m_arguments.indexOf(name);
        if (at < 0)
            return std::nullopt;
        if (at + 1 >= m_arguments.size())
            throw TUsageError{name + QStringLiteral(" needs a number")};
        const int value = toNumber(m_arguments[at + 1]);
        m_arguments.remove(at, 2);
        return value;
    }

    // The positional arguments left once the options are taken.
    QStringList positional(int count) const
    {
        for (const QString &argument : m_arguments)
            if (argument.startsWith(QStringLiteral("--")))
                throw TUsageError{QStringLiteral("unknown option ") + argument};
        if (m_arguments.size() != count)
            throw TUsageError{QStringLiteral("wrong number of arguments")};
        return m_arguments;
    }

    static int toNumber(const QString &text)
    {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok)
            throw TUsageError{QStringLiteral("not a whole number: ") + text};
        return value;
    }

private:
    QStringList m_arguments;
};

TResizeMode modeOf(std::optional<int> mode)
{
    const int value = mode.value_or(2);
    if (value < 0 || value > 2)
        throw TUsageError{QStringLiteral("the mode is 0, 1 or 2")};
    return TResizeMode(value);
}

int positiveSize(const QString &text)
{
    const int value = TArguments::toNumber(text);
    if (value <= 0)
        throw TUsageError{QStringLiteral("sizes must be at least 1: ") + text};
    return value;
}

// A BMP picture by its "BM" signature, anything else as JPEG (which names the problem if it is not).
TBitmap readPicture(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.peek(2) == "BM")
        return ReadBmpFile(path);
    return DecodeJpegFile(path);
}

int resizeCommand(TArguments arguments)
{
    const TResizeMode mode = modeOf(arguments.takeNumberOption(QStringLiteral("--mode")));
    const QStringList positional = arguments.positional(4);
    const int width = positiveSize(positional[2]), height = positiveSize(positional[3]);
    TBitmap picture = readPicture(positional[0]);
    ResizeBitmap(picture, width, height, mode);
    WriteBmpFile(ConvertBitmap(picture, TPixelFormat::Bits24), positional[1]);
    return 0;
}

int fitCommand(TArguments arguments)
{
    const bool stretch = !arguments.takeFlag(QStringLiteral("--no-stretch"));
    const bool proportional = !arguments.takeFlag(QStringLiteral("--no-proportional"));
    const bool centre = arguments.takeFlag(QStringLiteral("--centre"));
    const QStringList positional = arguments.positional(4);
    const TRect placement = FitRect(TArguments::toNumber(positional[0]), TArguments::toNumber(positional[1]),
                                    TArguments::toNumber(positional[2]), TArguments::toNumber(positional[3]),
                                    stretch, proportional, centre);
    std::printf("%d %d %d %d\n", placement.x, placement.y, placement.width, placement.height);
    return 0;
}

int benchCommand(TArguments arguments)
{
    const TResizeMode mode = modeOf(arguments.takeNumberOption(QStringLiteral("--mode")));
    const int runs = arguments.takeNumberOption(QStringLiteral("--runs")).value_or(21);
    if (runs < 1)
        throw TUsageError{QStringLiteral("--runs needs at least 1")};
    const QStringList positional = arguments.positional(3);
    const int width = positiveSize(positional[1]), height = positiveSize(positional[2]);
    const TBitmap picture = readPicture(positional[0]);

    // The warm-up run builds the filter tables and touches the result's memory; the timed runs reuse it.
    TBitmap result;
    ResizeBitmapInto(picture, result, width, height, mode);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        ResizeBitmapInto(picture, result, width, height, mode);
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    const double median = runs % 2 == 1 ? times[size_t(runs / 2)]
                                        : (times[size_t(runs / 2 - 1)] + times[size_t(runs / 2)]) / 2;
    std::printf("median_ms=%.3f\n", median);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty() || arguments[0] == QStringLiteral("--help") || arguments[0] == QStringLiteral("-h")) {
        std::fputs(kUsage, arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? 2 : 0;
    }
    const QString command = arguments.takeFirst();
    try {
        if (command == QStringLiteral("resize"))
            return resizeCommand(TArguments(arguments));
        if (command == QStringLiteral("fit"))
            return fitCommand(TArguments(arguments));
        if (command == QStringLiteral("bench"))
            return benchCommand(TArguments(arguments));
        throw TUsageError{QStringLiteral("unknown command ") + command};
    } catch (const TUsageError &error) {
        std::fprintf(stderr, "velmora-picture: %s\n\n%s", error.message.toUtf8().constData(), kUsage);
        return 2;
    } catch (const VelmoraError &error) {
        std::fprintf(stderr, "velmora-picture: %s.\n", error.message().toUtf8().constData());
        return 1;
    }
}
