// The AVI writer module: FFmpeg (libavformat, libavcodec, libswscale) behind the plug-in
// interface of output/avi_plugin.h. Only this module links FFmpeg.
#include "output/avi_plugin.h"

#include <algorithm>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace lw {
namespace {

struct FormatContextCloser {
    void operator()(AVFormatContext* context) const
    {
        if (context->pb)
            avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct SwsFree {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};

std::string ffmpegError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

void check(int code, const std::string& what)
{
    if (code < 0)
        throw AviError(what + ": " + ffmpegError(code));
}

const AVOutputFormat* aviFormat()
{
    const AVOutputFormat* format = av_guess_format("avi", nullptr, nullptr);
    if (!format)
        throw AviError("this FFmpeg has no AVI writer");
    return format;
}

bool aviAccepts(const AVOutputFormat* format, const AVCodec* codec)
{
    return codec->type == AVMEDIA_TYPE_VIDEO && av_codec_is_encoder(codec) &&
           avformat_query_codec(format, codec->id, FF_COMPLIANCE_NORMAL) == 1;
}

// The pixel format an encoder gets: BGRA when it takes it (or takes anything), else its first.
AVPixelFormat chooseFormat(const AVCodec* codec)
{
    if (!codec->pix_fmts)
        return AV_PIX_FMT_BGRA;
    for (const AVPixelFormat* f = codec->pix_fmts; *f != AV_PIX_FMT_NONE; ++f)
        if (*f == AV_PIX_FMT_BGRA)
            return AV_PIX_FMT_BGRA;
    return codec->pix_fmts[0];
}

// Writes everything an encoder hands back for the frame (or the flush when frame is null).
void drain(AVCodecContext* encoder, AVFormatContext* output, AVStream* stream, AVFrame* frame,
           AVPacket* packet)
{
    check(avcodec_send_frame(encoder, frame), "encoding");
    for (;;) {
        const int got = avcodec_receive_packet(encoder, packet);
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
            return;
        check(got, "encoding");
        av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
        packet->stream_index = stream->index;
        packet->flags |= AV_PKT_FLAG_KEY;
        check(av_interleaved_write_frame(output, packet), "writing");
    }
}

void writeVideo(const AviVideo& video, const std::string& path, const AVCodec* codec,
                const AviProgress& progress)
{
    const int width = video.width;
    const int height = video.height;
    AVFormatContext* allocated = nullptr;
    check(avformat_alloc_output_context2(&allocated, aviFormat(), nullptr, path.c_str()),
          "creating the AVI file");
    std::unique_ptr<AVFormatContext, FormatContextCloser> output(allocated);

    AVStream* stream = avformat_new_stream(output.get(), nullptr);
    if (!stream)
        throw AviError("creating the video stream");
    std::unique_ptr<AVCodecContext, CodecContextFree> encoder(avcodec_alloc_context3(codec));
    if (!encoder)
        throw AviError("out of memory");
    encoder->width = width;
    encoder->height = height;
    encoder->time_base = AVRational{1, 100}; // delays are in hundredths of a second
    encoder->framerate = AVRational{100, 1};
    encoder->pix_fmt = chooseFormat(codec);
    encoder->gop_size = 0; // every image is a key frame
    encoder->max_b_frames = 0;
    if (codec->id == AV_CODEC_ID_RAWVIDEO)
        encoder->codec_tag = 0; // BI_RGB
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    check(avcodec_open2(encoder.get(), codec, nullptr), std::string("opening the encoder ") + codec->name);
    check(avcodec_parameters_from_context(stream->codecpar, encoder.get()), "describing the stream");
    stream->time_base = encoder->time_base;
    stream->avg_frame_rate = AVRational{100, 1};

    check(avio_open(&output->pb, path.c_str(), AVIO_FLAG_WRITE), "opening " + path);
    // Uncompressed samples are stored as the bottom-up DIBs they are, with a positive height.
    AVDictionary* muxerOptions = nullptr;
    const bool raw = codec->id == AV_CODEC_ID_RAWVIDEO;
    if (raw)
        av_dict_set(&muxerOptions, "flipped_raw_rgb", "1", 0);
    const int headerWritten = avformat_write_header(output.get(), &muxerOptions);
    av_dict_free(&muxerOptions);
    check(headerWritten, "writing the AVI header");

    std::unique_ptr<AVFrame, FrameFree> source(av_frame_alloc());
    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    if (!source || !frame || !packet)
        throw AviError("out of memory");
    frame->format = encoder->pix_fmt;
    frame->width = width;
    frame->height = height;
    check(av_frame_get_buffer(frame.get(), 0), "allocating a video frame");
    std::unique_ptr<SwsContext, SwsFree> scaler;
    if (encoder->pix_fmt != AV_PIX_FMT_BGRA) {
        scaler.reset(sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height, encoder->pix_fmt,
                                    SWS_POINT, nullptr, nullptr, nullptr));
        if (!scaler)
            throw AviError("no conversion to the encoder's pixel format");
    }

    auto writeImage = [&](const std::uint8_t* bits, std::int64_t position) {
        check(av_frame_make_writable(frame.get()), "video frame");
        // Raw samples keep our bottom-up row order; encoders get top-down frames.
        const int stride = width * 4;
        if (!scaler) {
            for (int y = 0; y < height; ++y) {
                const int row = raw ? y : height - 1 - y;
                std::copy_n(bits + static_cast<std::size_t>(row) * static_cast<std::size_t>(stride), stride,
                            frame->data[0] + static_cast<std::ptrdiff_t>(y) * frame->linesize[0]);
            }
        } else {
            const std::uint8_t* planes[1] = {bits + static_cast<std::size_t>(height - 1) *
                                                        static_cast<std::size_t>(stride)};
            const int strides[1] = {-stride};
            sws_scale(scaler.get(), planes, strides, 0, height, frame->data, frame->linesize);
        }
        frame->pts = position;
        frame->pict_type = AV_PICTURE_TYPE_I;
        drain(encoder.get(), output.get(), stream, frame.get(), packet.get());
    };

    // Every image, then the last once more.
    const std::size_t total = video.images.size() + 1;
    std::size_t written = 0;
    auto advance = [&] {
        ++written;
        if (progress && !progress(written, total))
            throw AviCancelled();
    };
    if (progress && !progress(0, total))
        throw AviCancelled();
    std::int64_t t = 0;
    for (const AviImage& image : video.images) {
        writeImage(image.bits, t);
        advance();
        t += image.delay;
    }
    // The last image once more at the end, so it keeps its full delay.
    writeImage(video.images.back().bits, t);
    advance();
    drain(encoder.get(), output.get(), stream, nullptr, packet.get());
    check(av_write_trailer(output.get()), "finishing the AVI file");
    check(avio_closep(&output->pb), "closing the AVI file");
}

std::vector<AviCodec> codecs()
{
    const AVOutputFormat* format = aviFormat();
    std::vector<AviCodec> codecs;
    void* state = nullptr;
    while (const AVCodec* codec = av_codec_iterate(&state)) {
        if (!aviAccepts(format, codec))
            continue;
        AviCodec entry{codec->name, codec->long_name ? codec->long_name : codec->name};
        if (entry.name == kDefaultAviCodec)
            codecs.insert(codecs.begin(), entry);
        else
            codecs.push_back(entry);
    }
    return codecs;
}

bool accepts(const std::string& name)
{
    const AVCodec* codec = avcodec_find_encoder_by_name(name.c_str());
    return codec && aviAccepts(aviFormat(), codec);
}

void write(const AviVideo& video, const std::string& path, const std::string& name,
           const AviProgress& progress)
{
    const AVCodec* codec = avcodec_find_encoder_by_name(name.c_str());
    if (!codec || !aviAccepts(aviFormat(), codec))
        throw AviError("unknown AVI codec \"" + name + "\" (see the codec list)");
    if (video.images.empty() || video.width <= 0 || video.height <= 0)
        throw AviError("the animation has no images");
    writeVideo(video, path, codec, progress);
}

constexpr AviWriterPlugin kPlugin{codecs, accepts, write};

} // namespace
} // namespace lw

extern "C" __attribute__((visibility("default"))) const lw::AviWriterPlugin* lwAviWriterPlugin()
{
    return &lw::kPlugin;
}
