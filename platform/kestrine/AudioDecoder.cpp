#include "AudioDecoder.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C"
{
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace kestrine
{
namespace
{

struct FormatCloser
{
    void operator()(AVFormatContext* p) const { avformat_close_input(&p); }
};
struct CodecFreer
{
    void operator()(AVCodecContext* p) const { avcodec_free_context(&p); }
};
struct SwrFreer
{
    void operator()(SwrContext* p) const { swr_free(&p); }
};
struct PacketFreer
{
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFreer
{
    void operator()(AVFrame* p) const { av_frame_free(&p); }
};

// A run of undecodable packets this long means the file is not audio we can read.
constexpr int kMaxBadPacketsInARow = 500;

// Bytes read after the open without a decoded frame of audio. FFmpeg's parsers search a file that
// holds no audio frame to its end (a gigabyte of zeros named .mp3 is a quarter of a minute), while
// audio gives a frame every few kilobytes and interleaved video a few megabytes between them; what
// the open reads (a large picture in the tag) is not counted.
constexpr int64_t kReadWithoutAudio = int64_t(16) << 20;
constexpr int kInputBufferSize = 64 << 10;

// The file as FFmpeg reads it, through our own reads so that they can be counted: once
// kReadWithoutAudio bytes have passed without audio, the file ends there.
struct BoundedInput
{
    int fd = -1;
    int64_t size = 0;
    int64_t position = 0;
    bool counting = false; // from the end of the open on
    int64_t sinceAudio = 0;

    BoundedInput() = default;
    BoundedInput(const BoundedInput&) = delete;
    BoundedInput& operator=(const BoundedInput&) = delete;
    ~BoundedInput()
    {
        if (fd >= 0)
            ::close(fd);
    }

    // Only a regular file opens: a FIFO or a device would block FFmpeg's open, or never end.
    bool open(const char* path)
    {
        fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        struct stat info
        {
        };
        if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
            return false;
        size = info.st_size;
        return true;
    }

    static int read(void* opaque, uint8_t* buffer, int length)
    {
        auto* in = static_cast<BoundedInput*>(opaque);
        if (in->counting && in->sinceAudio >= kReadWithoutAudio)
            return AVERROR_EOF;
        ssize_t n = 0;
        do
            n = ::pread(in->fd, buffer, static_cast<size_t>(length), in->position);
        while (n < 0 && errno == EINTR);
        if (n < 0)
            return AVERROR(errno);
        if (n == 0)
            return AVERROR_EOF;
        in->position += n;
        if (in->counting)
            in->sinceAudio += n;
        return static_cast<int>(n);
    }

    static int64_t seek(void* opaque, int64_t offset, int whence)
    {
        auto* in = static_cast<BoundedInput*>(opaque);
        switch (whence & ~AVSEEK_FORCE)
        {
        case AVSEEK_SIZE:
            return in->size;
        case SEEK_SET:
            break;
        case SEEK_CUR:
            offset += in->position;
            break;
        case SEEK_END:
            offset += in->size;
            break;
        default:
            return AVERROR(EINVAL);
        }
        if (offset < 0)
            return AVERROR(EINVAL);
        in->position = offset;
        return offset;
    }
};

struct InputFreer
{
    void operator()(AVIOContext* p) const
    {
        av_freep(&p->buffer);
        avio_context_free(&p);
    }
};

} // namespace

struct AudioDecoder::State
{
    // Declared before the format context, which reads through them until it is closed.
    BoundedInput input;
    std::unique_ptr<AVIOContext, InputFreer> io;
    std::unique_ptr<AVFormatContext, FormatCloser> format;
    std::unique_ptr<AVCodecContext, CodecFreer> codec;
    std::unique_ptr<SwrContext, SwrFreer> resampler;
    std::unique_ptr<AVPacket, PacketFreer> packet;
    std::unique_ptr<AVFrame, FrameFreer> frame;
    int streamIndex = -1;

    // What the resampler was set up for; a stream that changes format mid-way gets a new one.
    AVChannelLayout inLayout{};
    int inFormat = -1;
    int inRate = 0;
    int outChannels = 0; // 1 for mono sources (duplicated on the way out), else 2

    std::vector<int16_t> pending; // resampled samples not yet handed out, outChannels interleaved
    size_t pendingPos = 0;        // in samples

    bool inputDone = false;
    bool resamplerFlushed = false;
    bool finished = false;
    bool error = false;
    int badPacketsInARow = 0;

    ~State() { av_channel_layout_uninit(&inLayout); }

    bool setUpResampler(const AVFrame& f)
    {
        AVChannelLayout layout{};
        if (f.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || f.ch_layout.nb_channels <= 0)
            av_channel_layout_default(&layout, f.ch_layout.nb_channels > 0 ? f.ch_layout.nb_channels
                                                                           : codec->ch_layout.nb_channels);
        else if (av_channel_layout_copy(&layout, &f.ch_layout) < 0)
            return false;
        if (layout.nb_channels <= 0)
            return false;

        const bool same = resampler && inFormat == f.format && inRate == f.sample_rate &&
                          av_channel_layout_compare(&inLayout, &layout) == 0;
        if (same)
        {
            av_channel_layout_uninit(&layout);
            return true;
        }

        // Mono goes through the resampler as mono and is copied to both sides afterwards, so it
        // keeps its level (a mono-to-stereo remix would lower it by 3 dB).
        outChannels = layout.nb_channels == 1 ? 1 : 2;
        AVChannelLayout outLayout{};
        av_channel_layout_default(&outLayout, outChannels);
        SwrContext* raw = nullptr;
        const int rc =
            swr_alloc_set_opts2(&raw, &outLayout, AV_SAMPLE_FMT_S16, AudioDecoder::kSampleRate, &layout,
                                static_cast<AVSampleFormat>(f.format), f.sample_rate, 0, nullptr);
        av_channel_layout_uninit(&outLayout);
        std::unique_ptr<SwrContext, SwrFreer> fresh(raw);
        if (rc < 0 || !fresh || swr_init(fresh.get()) < 0)
        {
            av_channel_layout_uninit(&layout);
            return false;
        }
        resampler = std::move(fresh);
        av_channel_layout_uninit(&inLayout);
        inLayout = layout; // takes over the allocation, if any
        inFormat = f.format;
        inRate = f.sample_rate;
        return true;
    }

    // Resamples one frame (or, with nullptr, what the resampler still holds) into `pending`.
    bool convert(const AVFrame* f)
    {
        const int inSamples = f ? f->nb_samples : 0;
        const int capacity = swr_get_out_samples(resampler.get(), inSamples);
        if (capacity < 0)
            return false;
        pending.resize(static_cast<size_t>(capacity) * static_cast<size_t>(outChannels));
        pendingPos = 0;
        if (capacity == 0)
            return true;
        auto* out = reinterpret_cast<uint8_t*>(pending.data());
        const int got = swr_convert(resampler.get(), &out, capacity,
                                    f ? const_cast<const uint8_t**>(f->extended_data) : nullptr, inSamples);
        if (got < 0)
        {
            pending.clear();
            return false;
        }
        pending.resize(static_cast<size_t>(got) * static_cast<size_t>(outChannels));
        return true;
    }

    // Decodes until `pending` holds samples; false at the end of the audio or on a fatal error.
    bool refill()
    {
        while (!finished)
        {
            const int rc = avcodec_receive_frame(codec.get(), frame.get());
            if (rc == 0)
            {
                input.sinceAudio = 0;
                const bool ok = setUpResampler(*frame) && convert(frame.get());
                av_frame_unref(frame.get());
                if (!ok)
                {
                    error = finished = true;
                    return false;
                }
                if (!pending.empty())
                    return true;
                continue;
            }
            if (rc == AVERROR(EAGAIN))
            {
                feedPacket();
                continue;
            }
            if (rc == AVERROR_EOF)
            {
                finished = true;
                if (resampler && !resamplerFlushed)
                {
                    resamplerFlushed = true;
                    if (convert(nullptr) && !pending.empty())
                        return true;
                }
                return false;
            }
            error = finished = true;
            return false;
        }
        return false;
    }

    void feedPacket()
    {
        if (inputDone)
        {
            // The decoder asked for more after draining began; nothing is left to give.
            finished = true;
            return;
        }
        for (;;)
        {
            const int rc = av_read_frame(format.get(), packet.get());
            if (rc < 0)
            {
                // End of file, or a read error on a truncated file: decode what we have.
                inputDone = true;
                avcodec_send_packet(codec.get(), nullptr);
                return;
            }
            if (packet->stream_index != streamIndex)
            {
                av_packet_unref(packet.get());
                continue;
            }
            const int sent = avcodec_send_packet(codec.get(), packet.get());
            av_packet_unref(packet.get());
            if (sent >= 0)
            {
                badPacketsInARow = 0;
                return;
            }
            // A damaged packet is skipped; a long run of them ends the decode.
            if (++badPacketsInARow >= kMaxBadPacketsInARow)
            {
                inputDone = true;
                error = true;
                avcodec_send_packet(codec.get(), nullptr);
                return;
            }
        }
    }
};

AudioDecoder::AudioDecoder() = default;
AudioDecoder::~AudioDecoder() = default;

bool AudioDecoder::open(const char* path)
{
    m.reset();
    if (!path)
        return false;
    auto s = std::make_unique<State>();
    if (!s->input.open(path))
        return false;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kInputBufferSize));
    if (!buffer)
        return false;
    s->io.reset(avio_alloc_context(buffer, kInputBufferSize, 0, &s->input, &BoundedInput::read, nullptr,
                                   &BoundedInput::seek));
    if (!s->io)
    {
        av_free(buffer);
        return false;
    }

    AVFormatContext* fmt = avformat_alloc_context();
    if (!fmt)
        return false;
    fmt->pb = s->io.get(); // ours: closing the context leaves it to us
    // The name only helps to tell the format; the whitelist keeps playlist-like containers from
    // reaching anything but local files. A failed open frees the context.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int openRc = avformat_open_input(&fmt, path, nullptr, &options);
    av_dict_free(&options);
    if (openRc < 0)
        return false;
    s->format.reset(fmt);
    s->input.counting = true;
    if (avformat_find_stream_info(fmt, nullptr) < 0)
        return false;

    const AVCodec* decoder = nullptr;
    const int index = av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (index < 0 || !decoder)
        return false;
    s->streamIndex = index;
    for (unsigned i = 0; i < fmt->nb_streams; ++i)
        if (static_cast<int>(i) != index)
            fmt->streams[i]->discard = AVDISCARD_ALL;

    s->codec.reset(avcodec_alloc_context3(decoder));
    if (!s->codec || avcodec_parameters_to_context(s->codec.get(), fmt->streams[index]->codecpar) < 0)
        return false;
    s->codec->pkt_timebase = fmt->streams[index]->time_base;
    // Decoding runs on the caller's thread only; decoders of other threads are independent.
    s->codec->thread_count = 1;
    if (avcodec_open2(s->codec.get(), decoder, nullptr) < 0)
        return false;

    s->packet.reset(av_packet_alloc());
    s->frame.reset(av_frame_alloc());
    if (!s->packet || !s->frame)
        return false;
    m = std::move(s);
    return true;
}

int64_t AudioDecoder::read(int16_t* out, int64_t maxFrames)
{
    if (!m || !out || maxFrames <= 0)
        return 0;
    int64_t produced = 0;
    while (produced < maxFrames)
    {
        if (m->pendingPos >= m->pending.size() && !m->refill())
            break;
        const int64_t available = static_cast<int64_t>(m->pending.size() - m->pendingPos) / m->outChannels;
        const int64_t take = std::min(available, maxFrames - produced);
        int16_t* dst = out + produced * kChannels;
        const int16_t* src = m->pending.data() + m->pendingPos;
        if (m->outChannels == 1)
        {
            for (int64_t i = 0; i < take; ++i)
                dst[2 * i] = dst[2 * i + 1] = src[i];
        }
        else
        {
            std::copy_n(src, take * kChannels, dst);
        }
        m->pendingPos += static_cast<size_t>(take * m->outChannels);
        produced += take;
    }
    return produced;
}

bool AudioDecoder::atEnd() const
{
    return !m || (m->finished && m->pendingPos >= m->pending.size());
}

bool AudioDecoder::failed() const
{
    return !m || m->error;
}

} // namespace kestrine
