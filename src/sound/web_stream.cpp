#include "sound/web_stream.h"

#include <QUrl>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// playbin's "flags": audio only (no video, no subtitles, no volume element of its own: the mixer
// scales the samples by the music volume as it takes them).
constexpr int kPlayAudioOnly = 0x2;
// How long the thread waits for a message of the pipeline before it looks whether it should stop.
constexpr GstClockTime kPollInterval = 20 * GST_MSECOND;
// Samples waiting in the sink before decoding pauses (each about 20 ms for usual streams).
constexpr guint kQueuedSamples = 50;
// How long the source waits for a server that has stopped answering before the stream fails.
constexpr guint kSilentServerSeconds = 15;

const char *nativeSampleFormat()
{
    return G_BYTE_ORDER == G_LITTLE_ENDIAN ? "S16LE" : "S16BE";
}

// The threads of the streams that have been let go, until they have finished.
struct TStreamThreads
{
    std::mutex lock;
    std::condition_variable finished;
    int running = 0;
};

TStreamThreads &streamThreads()
{
    static TStreamThreads *threads = new TStreamThreads; // never destroyed: threads may outlive exit
    return *threads;
}

// playbin's "source-setup": a network source gives up on a server that says nothing.
void limitWaitForServer(GstElement *, GstElement *source, gpointer)
{
    const GParamSpec *timeout = g_object_class_find_property(G_OBJECT_GET_CLASS(source), "timeout");
    if (timeout && timeout->value_type == G_TYPE_UINT)
        g_object_set(source, "timeout", kSilentServerSeconds, nullptr);
}

} // namespace

struct TWebStream::Shared
{
    QByteArray address;
    int rate = 0;
    int channels = 0;
    std::atomic<bool> stop{false};
    std::atomic<bool> broken{false};  // the pipeline reported an error or could not be built
    std::atomic<bool> atEnd{false};   // the end of the stream reached the sink
    std::atomic<bool> drained{false}; // ... and every sample of it has been taken
    std::atomic<bool> sounded{false};
    std::atomic<GstElement *> sink{nullptr}; // a reference of our own, released with the last owner

    ~Shared()
    {
        if (GstElement *own = sink.exchange(nullptr))
            gst_object_unref(own);
    }

    void run();
};

TWebStream::TWebStream(const QString &address, int rate, int channels) : m_shared(std::make_shared<Shared>())
{
    m_shared->address = QUrl(address).toEncoded();
    m_shared->rate = rate;
    m_shared->channels = channels;
    TStreamThreads &threads = streamThreads();
    {
        const std::lock_guard<std::mutex> guard(threads.lock);
        ++threads.running;
    }
    std::thread([shared = m_shared, &threads] {
        shared->run();
        const std::lock_guard<std::mutex> guard(threads.lock);
        --threads.running;
        threads.finished.notify_all();
    }).detach();
}

TWebStream::~TWebStream()
{
    m_shared->stop = true;
    if (m_pending)
        gst_sample_unref(m_pending);
}

void TWebStream::WaitForStreamsLetGo(std::chrono::milliseconds limit)
{
    TStreamThreads &threads = streamThreads();
    std::unique_lock<std::mutex> guard(threads.lock);
    threads.finished.wait_for(guard, limit, [&] { return threads.running == 0; });
}

TWebStream::State TWebStream::state() const
{
    const bool ended = m_shared->broken || (m_shared->atEnd && m_shared->drained);
    if (ended)
        return m_shared->sounded ? State::Finished : State::Failed;
    return m_shared->sounded ? State::Sounding : State::Connecting;
}

void TWebStream::Shared::run()
{
    GError *error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        if (error)
            g_error_free(error);
        broken = true;
        return;
    }
    if (stop)
        return;
    GstElement *pipeline = gst_element_factory_make("playbin", nullptr);
    GstElement *appSink = gst_element_factory_make("appsink", nullptr);
    if (!pipeline || !appSink || address.isEmpty()) {
        if (pipeline)
            gst_object_unref(gst_object_ref_sink(pipeline));
        if (appSink)
            gst_object_unref(gst_object_ref_sink(appSink));
        broken = true;
        return;
    }
    GstCaps *caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, nativeSampleFormat(), "layout",
                                        G_TYPE_STRING, "interleaved", "rate", G_TYPE_INT, rate, "channels",
                                        G_TYPE_INT, channels, nullptr);
    // Not synchronised to a clock: the audio thread takes the samples at the pace of the output.
    g_object_set(appSink, "caps", caps, "sync", FALSE, "max-buffers", kQueuedSamples, "drop", FALSE, nullptr);
    gst_caps_unref(caps);
    sink = GST_ELEMENT(gst_object_ref(appSink));
    g_object_set(pipeline, "uri", address.constData(), "audio-sink", appSink, "flags", kPlayAudioOnly, nullptr);
    g_signal_connect(pipeline, "source-setup", G_CALLBACK(limitWaitForServer), nullptr);

    GstBus *bus = gst_element_get_bus(pipeline);
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        broken = true;
    while (!stop && !broken) {
        GstMessage *message = gst_bus_timed_pop_filtered(
            bus, kPollInterval, static_cast<GstMessageType>(GST_MESSAGE_ERROR | GST_MESSAGE_EOS));
        if (!message)
            continue;
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR)
            broken = true;
        else
            atEnd = true;
        gst_message_unref(message);
    }
    // Stopping wakes every thread of the pipeline, also one waiting for a server that says nothing.
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
}

std::size_t TWebStream::TakeSamples(std::uint8_t *out, std::size_t bytes)
{
    GstElement *sink = m_shared->sink.load();
    if (!sink)
        return 0;
    std::size_t taken = 0;
    while (taken < bytes) {
        if (!m_pending) {
            m_pending = gst_app_sink_try_pull_sample(GST_APP_SINK(sink), 0);
            m_pendingOffset = 0;
            if (!m_pending) {
                if (m_shared->atEnd && gst_app_sink_is_eos(GST_APP_SINK(sink)))
                    m_shared->drained = true;
                break;
            }
        }
        GstBuffer *buffer = gst_sample_get_buffer(m_pending);
        GstMapInfo map;
        bool used = true;
        if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            const std::size_t count = std::min(map.size - std::min(map.size, m_pendingOffset), bytes - taken);
            std::memcpy(out + taken, map.data + m_pendingOffset, count);
            taken += count;
            m_pendingOffset += count;
            used = m_pendingOffset >= map.size;
            gst_buffer_unmap(buffer, &map);
        }
        if (used) {
            gst_sample_unref(m_pending);
            m_pending = nullptr;
        }
    }
    if (taken > 0)
        m_shared->sounded = true;
    return taken;
}
