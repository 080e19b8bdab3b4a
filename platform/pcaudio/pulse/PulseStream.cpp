#include "PulseStream.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/simple.h>

#include <chrono>
#include <thread>

namespace {

constexpr int kBufferMs = 20;

QString pulseError(int error)
{
    return QString::fromUtf8(pa_strerror(error));
}

Status failed(const char* what, int error)
{
    return Status::failure(
        QStringLiteral("サウンドサーバーの%1に失敗しました: %2").arg(QString::fromUtf8(what), pulseError(error)));
}

} // namespace

Result<std::shared_ptr<PulseStream>> PulseStream::open(Direction direction, const QString& device,
                                                       const WavFormat& format, const QString& streamName)
{
    pa_sample_spec sampleFormat;
    sampleFormat.format = format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = static_cast<uint32_t>(format.sampleRate);
    sampleFormat.channels = static_cast<uint8_t>(format.channels);
    const uint32_t chunk = static_cast<uint32_t>(format.sampleRate * format.bytesPerFrame() * kBufferMs / 1000);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(-1);
    attr.tlength = chunk * 3;
    attr.fragsize = chunk;
    const QByteArray deviceName = device.toUtf8();
    const QByteArray name = streamName.toUtf8();
    int error = 0;
    pa_simple* s = pa_simple_new(
        nullptr, "Talvero", direction == Direction::Record ? PA_STREAM_RECORD : PA_STREAM_PLAYBACK,
        device.isEmpty() ? nullptr : deviceName.constData(), name.constData(), &sampleFormat, nullptr, &attr, &error);
    if (!s) {
        const QString where = device.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(device);
        return Result<std::shared_ptr<PulseStream>>::failure(
            QStringLiteral("サウンドサーバーで%1を開けません%2: %3")
                .arg(direction == Direction::Record ? QStringLiteral("録音") : QStringLiteral("再生"), where,
                     pulseError(error)));
    }
    return std::shared_ptr<PulseStream>(new PulseStream(s));
}

PulseStream::~PulseStream()
{
    pa_simple_free(m_stream);
}

Status PulseStream::read(void* data, size_t bytes)
{
    int error = 0;
    return pa_simple_read(m_stream, data, bytes, &error) < 0 ? failed("録音", error) : Status();
}

Status PulseStream::write(const void* data, size_t bytes)
{
    int error = 0;
    return pa_simple_write(m_stream, data, bytes, &error) < 0 ? failed("再生", error) : Status();
}

Status PulseStream::drain()
{
    int error = 0;
    return pa_simple_drain(m_stream, &error) < 0 ? failed("再生", error) : Status();
}

void PulseStream::flush()
{
    int error = 0;
    pa_simple_flush(m_stream, &error);
}

bool pulseServerAnswers()
{
    pa_mainloop* loop = pa_mainloop_new();
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Talvero");
    bool ready = false;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (std::chrono::steady_clock::now() < deadline) {
            pa_mainloop_iterate(loop, 0, nullptr);
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY)
                ready = true;
            if (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state))
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        pa_context_disconnect(context);
    }
    if (context)
        pa_context_unref(context);
    pa_mainloop_free(loop);
    return ready;
}
