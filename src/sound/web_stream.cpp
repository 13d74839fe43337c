#include "sound/web_stream.h"

#include <QUrl>
#include <algorithm>
#include <cstring>
#include <gst/app/gstappsink.h>
#include <gst/gst.h>

namespace {

// playbin's "flags": audio only (no video, no subtitles, no volume element of its own: the mixer
// scales the samples by the music volume as it takes them).
constexpr int kPlayAudioOnly = 0x2;
// How long the thread waits for a message of the pipeline before it looks whether it should stop.
constexpr GstClockTime kPollInterval = 20 * GST_MSECOND;
// Samples waiting in the sink before decoding pauses (each about 20 ms for usual streams).
constexpr guint kQueuedSamples = 50;

const char *nativeSampleFormat()
{
    return G_BYTE_ORDER == G_LITTLE_ENDIAN ? "S16LE" : "S16BE";
}

} // namespace

TWebStream::TWebStream(const QString &address, int rate, int channels)
    : m_address(QUrl(address).toEncoded()), m_rate(rate), m_channels(channels)
{
    m_thread = std::thread([this] { run(); });
}

TWebStream::~TWebStream()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_pending)
        gst_sample_unref(m_pending);
    if (GstElement *sink = m_sink.exchange(nullptr))
        gst_object_unref(sink);
}

TWebStream::State TWebStream::state() const
{
    const bool ended = m_broken || (m_atEnd && m_drained);
    if (ended)
        return m_sounded ? State::Finished : State::Failed;
    return m_sounded ? State::Sounding : State::Connecting;
}

void TWebStream::run()
{
    GError *error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        if (error)
            g_error_free(error);
        m_broken = true;
        return;
    }
    GstElement *pipeline = gst_element_factory_make("playbin", nullptr);
    GstElement *sink = gst_element_factory_make("appsink", nullptr);
    if (!pipeline || !sink || m_address.isEmpty()) {
        if (pipeline)
            gst_object_unref(gst_object_ref_sink(pipeline));
        if (sink)
            gst_object_unref(gst_object_ref_sink(sink));
        m_broken = true;
        return;
    }
    GstCaps *caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, nativeSampleFormat(), "layout",
                                        G_TYPE_STRING, "interleaved", "rate", G_TYPE_INT, m_rate, "channels",
                                        G_TYPE_INT, m_channels, nullptr);
    // Not synchronised to a clock: the audio thread takes the samples at the pace of the output.
    g_object_set(sink, "caps", caps, "sync", FALSE, "max-buffers", kQueuedSamples, "drop", FALSE, nullptr);
    gst_caps_unref(caps);
    m_sink = GST_ELEMENT(gst_object_ref(sink));
    g_object_set(pipeline, "uri", m_address.constData(), "audio-sink", sink, "flags", kPlayAudioOnly, nullptr);

    GstBus *bus = gst_element_get_bus(pipeline);
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        m_broken = true;
    while (!m_stop && !m_broken) {
        GstMessage *message = gst_bus_timed_pop_filtered(
            bus, kPollInterval, static_cast<GstMessageType>(GST_MESSAGE_ERROR | GST_MESSAGE_EOS));
        if (!message)
            continue;
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR)
            m_broken = true;
        else
            m_atEnd = true;
        gst_message_unref(message);
    }
    // Stopping wakes every thread of the pipeline, also one waiting for a server that says nothing.
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
}

std::size_t TWebStream::TakeSamples(std::uint8_t *out, std::size_t bytes)
{
    GstElement *sink = m_sink.load();
    if (!sink)
        return 0;
    std::size_t taken = 0;
    while (taken < bytes) {
        if (!m_pending) {
            m_pending = gst_app_sink_try_pull_sample(GST_APP_SINK(sink), 0);
            m_pendingOffset = 0;
            if (!m_pending) {
                if (m_atEnd && gst_app_sink_is_eos(GST_APP_SINK(sink)))
                    m_drained = true;
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
        m_sounded = true;
    return taken;
}
