#pragma once

#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <thread>

struct _GstElement;
struct _GstSample;

// A music track from a web address (http and https, and whatever else the streaming library of the
// system can reach), played by GStreamer: connecting, buffering and decoding happen on its threads
// and on one thread of our own, never on the caller's. The decoded samples (16-bit, interleaved, at
// the given rate and channel count) are taken by the audio thread, which never waits for them: what
// has not arrived yet is simply not there.
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
    // Stops the stream. Waits for our own thread, which ends promptly even while a server stalls.
    ~TWebStream();
    TWebStream(const TWebStream &) = delete;
    TWebStream &operator=(const TWebStream &) = delete;

    State state() const;

    // For the audio thread only: copies up to `bytes` bytes of samples to `out` and returns how many
    // it copied, fewer (or none) when no more have arrived.
    std::size_t TakeSamples(std::uint8_t *out, std::size_t bytes);

private:
    void run();

    const QByteArray m_address;
    const int m_rate;
    const int m_channels;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_broken{false};  // the pipeline reported an error or could not be built
    std::atomic<bool> m_atEnd{false};   // the end of the stream reached the sink
    std::atomic<bool> m_drained{false}; // ... and every sample of it has been taken
    std::atomic<bool> m_sounded{false};
    std::atomic<_GstElement *> m_sink{nullptr}; // our own reference, released after the thread ended
    _GstSample *m_pending = nullptr;            // audio thread: the sample being taken
    std::size_t m_pendingOffset = 0;
    std::thread m_thread;
};
