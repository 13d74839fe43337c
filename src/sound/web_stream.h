#pragma once

#include <QString>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

struct _GstSample;

// A music track from a web address (http and https, and whatever else the streaming library of the
// system can reach), played by GStreamer: starting the library, connecting, buffering and decoding
// happen on its threads and on one thread of our own, never on the caller's. The decoded samples
// (16-bit, interleaved, at the given rate and channel count) are taken by the audio thread, which
// never waits for them: what has not arrived yet is simply not there.
class TWebStream
{
public:
    enum class State
    {
        Connecting, // no sample has come yet
        Sounding,   // samples have come and more may follow
        Failed,     // it ended (unreachable, refused, undecodable) before a single sample came
        Finished,   // it ended after it had sounded: the server went or the stream was over
    };

    // Starts connecting and returns at once.
    TWebStream(const QString &address, int rate, int channels);
    // Tells the stream's thread to stop and returns at once: the thread takes the pipeline down by
    // itself, however long a stalled server or the library's first start keeps it.
    ~TWebStream();
    TWebStream(const TWebStream &) = delete;
    TWebStream &operator=(const TWebStream &) = delete;

    State state() const;

    // For the audio thread only: copies up to `bytes` bytes of samples to `out` and returns how many
    // it copied, fewer (or none) when no more have arrived.
    std::size_t TakeSamples(std::uint8_t *out, std::size_t bytes);

    // Waits, at most this long, for the threads of streams let go to finish; those that are still
    // busy then are left to end with the process. For the end of the program.
    static void WaitForStreamsLetGo(std::chrono::milliseconds limit);

private:
    struct Shared;

    std::shared_ptr<Shared> m_shared; // also held by the stream's thread until it has finished
    _GstSample *m_pending = nullptr;  // audio thread: the sample being taken
    std::size_t m_pendingOffset = 0;
};
