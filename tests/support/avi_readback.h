#pragma once
// Reads an AVI file back with FFmpeg, independently of our writer: the stream's time base and
// size, every non-empty sample with its position, and the first image decoded by FFmpeg.
// Programs that include this link FFmpeg.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace lwtest {

struct Sample {
    std::int64_t position;
    std::vector<std::uint8_t> data;
};

struct ReadBack {
    AVRational timeBase{0, 1};
    int width = 0, height = 0;
    std::string codec;
    std::vector<Sample> samples;                  // non-empty samples only
    std::vector<std::uint32_t> firstImageTopDown; // the first sample decoded by FFmpeg, as BGRA
};

// Reads an AVI with FFmpeg, independently of the writer.
inline ReadBack readAvi(const std::string& path)
{
    ReadBack out;
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, path.c_str(), nullptr, nullptr) < 0)
        return out;
    avformat_find_stream_info(input, nullptr);
    if (input->nb_streams == 1) {
        const AVStream* s = input->streams[0];
        out.timeBase = s->time_base;
        out.width = s->codecpar->width;
        out.height = s->codecpar->height;
        out.codec = avcodec_get_name(s->codecpar->codec_id);
        const AVCodec* decoder = avcodec_find_decoder(s->codecpar->codec_id);
        AVCodecContext* context = avcodec_alloc_context3(decoder);
        avcodec_parameters_to_context(context, s->codecpar);
        avcodec_open2(context, decoder, nullptr);
        AVFrame* frame = av_frame_alloc();
        AVPacket* packet = av_packet_alloc();
        while (av_read_frame(input, packet) >= 0) {
            if (packet->size > 0) {
                out.samples.push_back(
                    {packet->pts, std::vector<std::uint8_t>(packet->data, packet->data + packet->size)});
                if (out.samples.size() == 1 && avcodec_send_packet(context, packet) == 0 &&
                    avcodec_receive_frame(context, frame) == 0 && frame->format == AV_PIX_FMT_BGRA) {
                    for (int y = 0; y < frame->height; ++y)
                        for (int x = 0; x < frame->width; ++x) {
                            std::uint32_t v;
                            std::memcpy(&v, frame->data[0] + y * frame->linesize[0] + 4 * x, 4);
                            out.firstImageTopDown.push_back(v);
                        }
                }
            }
            av_packet_unref(packet);
        }
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&context);
    }
    avformat_close_input(&input);
    return out;
}

} // namespace lwtest
