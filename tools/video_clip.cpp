// video_clip.cpp -- MP4 and WebM clips with sound on libavformat, libavcodec, libswscale and
// libswresample.
#include "tools/video_clip.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "common/replaced_file.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace tools {

// A container and the encoders it gets, by the clip's ending.
struct Container {
    const char* ending;
    const char* muxer;
    const char* videoEncoder;
    const char* videoName;  // for messages
    const char* soundEncoder;
    const char* soundName;
};

static const Container kContainers[] = {
    {".mp4", "mp4", "libx264", "H.264", "aac", "AAC"},
    {".webm", "webm", "libvpx-vp9", "VP9", "libopus", "Opus"},
};

static const Container* containerOf(const std::string& path) {
    for (const Container& container : kContainers) {
        const std::string ending = container.ending;
        if (path.size() > ending.size() &&
            path.compare(path.size() - ending.size(), ending.size(), ending) == 0)
            return &container;
    }
    return nullptr;
}

// "what: FFmpeg's reason".
static std::string avError(const std::string& what, int code) {
    char reason[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, reason, sizeof reason);
    return what + ": " + reason;
}

// One stream of the file and the encoder that fills it.
struct Coder {
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
};

struct VideoEncoding {
    common::ReplacedFile file;  // removed with the encoding unless committed
    const Container* container = nullptr;
    AVFormatContext* format = nullptr;
    Coder video;
    Coder sound;
    SwsContext* scaler = nullptr;
    SwrContext* resampler = nullptr;
    AVAudioFifo* pending = nullptr;  // converted sound not yet a whole encoder frame
    uint8_t* converted[AV_NUM_DATA_POINTERS] = {};
    int convertedCapacity = 0;
    AVFrame* picture = nullptr;
    AVFrame* soundFrame = nullptr;
    AVPacket* packet = nullptr;
    int width = 0;
    int height = 0;
    int soundFrameSize = 0;
    std::int64_t pictures = 0;
    std::int64_t samples = 0;  // sound sent to the encoder, at its rate

    ~VideoEncoding() {
        if (format != nullptr && format->pb != nullptr) {
            av_freep(&format->pb->buffer);
            avio_context_free(&format->pb);
        }
        avcodec_free_context(&video.codec);
        avcodec_free_context(&sound.codec);
        avformat_free_context(format);
        sws_freeContext(scaler);
        swr_free(&resampler);
        if (pending != nullptr)
            av_audio_fifo_free(pending);
        av_freep(&converted[0]);
        av_frame_free(&picture);
        av_frame_free(&soundFrame);
        av_packet_free(&packet);
    }
};

// The muxer writes through an I/O context of ours onto the replaced file, so
// the clip is opened, renamed and removed as every file the program writes.
// The MP4 muxer reads the file back by its name (the "file:" URL of the same
// temporary file) to put its index at the front: the stream is unbuffered, so
// that what the muxer wrote is in the file when it does.
#if LIBAVFORMAT_VERSION_MAJOR >= 61
using WrittenBytes = const uint8_t*;
#else
using WrittenBytes = uint8_t*;
#endif

static int writeToFile(void* opaque, WrittenBytes bytes, int size) {
    std::FILE* file = static_cast<std::FILE*>(opaque);
    errno = 0;
    if (std::fwrite(bytes, 1, static_cast<std::size_t>(size), file) !=
        static_cast<std::size_t>(size))
        return AVERROR(errno != 0 ? errno : EIO);
    return size;
}

static int64_t seekInFile(void* opaque, int64_t offset, int whence) {
    std::FILE* file = static_cast<std::FILE*>(opaque);
    if ((whence & AVSEEK_SIZE) != 0) {
        const off_t at = ftello(file);
        const bool measured = fseeko(file, 0, SEEK_END) == 0;
        const off_t size = ftello(file);
        if (!measured || fseeko(file, at, SEEK_SET) != 0)
            return AVERROR(errno);
        return size;
    }
    if (fseeko(file, offset, whence & ~AVSEEK_FORCE) != 0)
        return AVERROR(errno);
    return ftello(file);
}

// Creates the temporary file and the muxer's I/O context on it; false with the reason.
static bool openOutput(VideoEncoding& e, const std::string& path, std::string& error) {
    std::string reason;
    if (!e.file.open(path, reason)) {
        error = "cannot create the file: " + reason;
        return false;
    }
    std::setvbuf(e.file.stream(), nullptr, _IONBF, 0);
    constexpr int kBufferBytes = 64 * 1024;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferBytes));
    if (buffer != nullptr)
        e.format->pb = avio_alloc_context(buffer, kBufferBytes, 1, e.file.stream(), nullptr,
                                          writeToFile, seekInFile);
    if (e.format->pb == nullptr) {
        av_free(buffer);
        error = "out of memory for the file";
        return false;
    }
    e.format->flags |= AVFMT_FLAG_CUSTOM_IO;
    return true;
}

VideoClip::VideoClip() = default;

VideoClip::~VideoClip() {
    abandon();
}

bool VideoClip::writes(const std::string& path) {
    return containerOf(path) != nullptr;
}

// A stream for `encoder`, its codec context allocated with the encoder's
// defaults; false with the reason.
static bool addStream(Coder& coder, AVFormatContext* format, const char* encoder, const char* name,
                      const AVCodec*& codec, std::string& error) {
    codec = avcodec_find_encoder_by_name(encoder);
    if (codec == nullptr) {
        error = std::string("this FFmpeg has no ") + name + " encoder (" + encoder + ")";
        return false;
    }
    coder.stream = avformat_new_stream(format, nullptr);
    coder.codec = avcodec_alloc_context3(codec);
    if (coder.stream == nullptr || coder.codec == nullptr) {
        error = "out of memory for a " + std::string(name) + " stream";
        return false;
    }
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        coder.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    return true;
}

// Opens the stream's encoder with `options` and describes the stream from it.
static bool openCoder(Coder& coder, const AVCodec* codec, AVDictionary** options, const char* name,
                      std::string& error) {
    int result = avcodec_open2(coder.codec, codec, options);
    av_dict_free(options);
    if (result >= 0)
        result = avcodec_parameters_from_context(coder.stream->codecpar, coder.codec);
    if (result < 0) {
        error = avError(std::string("cannot start the ") + name + " encoder", result);
        return false;
    }
    coder.stream->time_base = coder.codec->time_base;
    return true;
}

// The pictures: RGB from the context, YUV 4:2:0 in BT.709 colours for the
// encoder, which is what players assume of a picture of this kind.
static bool startVideo(VideoEncoding& e, int pictureMilliseconds, std::string& error) {
    const AVCodec* codec = nullptr;
    const char* name = e.container->videoName;
    if (!addStream(e.video, e.format, e.container->videoEncoder, name, codec, error))
        return false;
    AVCodecContext* c = e.video.codec;
    c->width = e.width;
    c->height = e.height;
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    // A picture's time exactly (33 ms: 1000 / 33 a second), so picture n starts
    // where the sound of the frames before it ends, however long the clip.
    c->time_base = AVRational{pictureMilliseconds, 1000};
    c->framerate = AVRational{1000, pictureMilliseconds};
    c->gop_size = 5000 / pictureMilliseconds;  // a key picture every 5 s to seek to
    c->colorspace = AVCOL_SPC_BT709;
    c->color_primaries = AVCOL_PRI_BT709;
    c->color_range = AVCOL_RANGE_MPEG;
    AVDictionary* options = nullptr;
    if (codec->id == AV_CODEC_ID_H264) {
        av_dict_set(&options, "preset", "medium", 0);
        av_dict_set(&options, "crf", "20", 0);
    } else {
        // Constant quality; the real-time settings keep encoding well ahead
        // of the drawing on a small machine.
        c->bit_rate = 0;
        c->thread_count = 2;
        av_dict_set(&options, "crf", "30", 0);
        av_dict_set(&options, "deadline", "realtime", 0);
        av_dict_set(&options, "cpu-used", "6", 0);
        av_dict_set(&options, "row-mt", "1", 0);
    }
    if (!openCoder(e.video, codec, &options, name, error))
        return false;
    e.scaler = sws_getContext(e.width, e.height, AV_PIX_FMT_RGB24, e.width, e.height,
                              AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    e.picture = av_frame_alloc();
    if (e.scaler == nullptr || e.picture == nullptr) {
        error = "cannot prepare the conversion of pictures";
        return false;
    }
    const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(e.scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    e.picture->format = AV_PIX_FMT_YUV420P;
    e.picture->width = e.width;
    e.picture->height = e.height;
    const int result = av_frame_get_buffer(e.picture, 0);
    if (result < 0) {
        error = avError("cannot make a picture", result);
        return false;
    }
    return true;
}

// The encoder's own format for the sound, and its rate: the input's when the
// encoder takes it, otherwise 48 kHz (Opus takes only a few rates).
static AVSampleFormat soundFormatOf(const AVCodec* codec) {
    if (codec->sample_fmts == nullptr)
        return AV_SAMPLE_FMT_FLTP;
    for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == AV_SAMPLE_FMT_FLTP)
            return *f;
    }
    return codec->sample_fmts[0];
}

static int soundRateOf(const AVCodec* codec, int rate) {
    if (codec->supported_samplerates == nullptr)
        return rate;
    for (const int* r = codec->supported_samplerates; *r != 0; ++r) {
        if (*r == rate)
            return rate;
    }
    return 48000;
}

// The sound: interleaved 16-bit stereo in, converted by libswresample and
// gathered into the encoder's frames.
static bool startSound(VideoEncoding& e, int sampleRate, std::string& error) {
    const AVCodec* codec = nullptr;
    const char* name = e.container->soundName;
    if (!addStream(e.sound, e.format, e.container->soundEncoder, name, codec, error))
        return false;
    AVCodecContext* c = e.sound.codec;
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    av_channel_layout_copy(&c->ch_layout, &stereo);
    c->sample_fmt = soundFormatOf(codec);
    c->sample_rate = soundRateOf(codec, sampleRate);
    c->time_base = AVRational{1, c->sample_rate};
    c->bit_rate = 128000;
    AVDictionary* options = nullptr;
    if (!openCoder(e.sound, codec, &options, name, error))
        return false;
    e.soundFrameSize = c->frame_size > 0 ? c->frame_size : 1024;
    int result = swr_alloc_set_opts2(&e.resampler, &c->ch_layout, c->sample_fmt, c->sample_rate,
                                     &stereo, AV_SAMPLE_FMT_S16, sampleRate, 0, nullptr);
    if (result >= 0)
        result = swr_init(e.resampler);
    if (result < 0) {
        error = avError("cannot prepare the conversion of sound", result);
        return false;
    }
    e.pending = av_audio_fifo_alloc(c->sample_fmt, 2, e.soundFrameSize);
    e.soundFrame = av_frame_alloc();
    if (e.pending == nullptr || e.soundFrame == nullptr) {
        error = "out of memory for sound";
        return false;
    }
    e.soundFrame->format = c->sample_fmt;
    e.soundFrame->sample_rate = c->sample_rate;
    e.soundFrame->nb_samples = e.soundFrameSize;
    av_channel_layout_copy(&e.soundFrame->ch_layout, &c->ch_layout);
    result = av_frame_get_buffer(e.soundFrame, 0);
    if (result < 0) {
        error = avError("cannot make a sound frame", result);
        return false;
    }
    return true;
}

bool VideoClip::open(const std::string& path, int width, int height, int pictureMilliseconds,
                     int sampleRate) {
    abandon();
    error_.clear();
    const Container* container = containerOf(path);
    if (container == nullptr) {
        error_ = "a video clip's name ends in .mp4 or .webm";
        return false;
    }
    if (width % 2 != 0 || height % 2 != 0) {
        error_ = std::string(container->videoName) + " needs an even width and height, not " +
                 std::to_string(width) + "x" + std::to_string(height);
        return false;
    }
    // The encoders' notes would break the tool's one line; failures come back
    // as results.
    av_log_set_level(AV_LOG_QUIET);
    auto e = std::make_unique<VideoEncoding>();
    e->container = container;
    e->width = width;
    e->height = height;
    // "file:" keeps a name with a colon from being taken for another protocol.
    const std::string url = "file:" + common::temporaryPathOf(path);
    int result = avformat_alloc_output_context2(&e->format, nullptr, container->muxer, url.c_str());
    e->packet = av_packet_alloc();
    if (result < 0 || e->packet == nullptr) {
        error_ = avError("cannot start the file", result < 0 ? result : AVERROR(ENOMEM));
        return false;
    }
    if (!startVideo(*e, pictureMilliseconds, error_) || !startSound(*e, sampleRate, error_))
        return false;
    if (!openOutput(*e, path, error_))
        return false;
    AVDictionary* options = nullptr;
    // The index at the front: a browser plays the clip before it has all of it.
    if (container->muxer == std::string("mp4"))
        av_dict_set(&options, "movflags", "+faststart", 0);
    result = avformat_write_header(e->format, &options);
    av_dict_free(&options);
    encoding_ = std::move(e);
    if (result < 0) {
        error_ = avError("cannot write the file's header", result);
        abandon();
        return false;
    }
    return true;
}

// Sends a frame to the encoder (null: the end) and writes every packet it has
// ready; false with the reason.
static bool encode(VideoEncoding& e, Coder& coder, AVFrame* frame, std::string& error) {
    int result = avcodec_send_frame(coder.codec, frame);
    while (result >= 0) {
        result = avcodec_receive_packet(coder.codec, e.packet);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return true;
        if (result < 0)
            break;
        // A picture lasts one picture's time: the last one too.
        if (e.packet->duration == 0 && &coder == &e.video)
            e.packet->duration = 1;
        av_packet_rescale_ts(e.packet, coder.codec->time_base, coder.stream->time_base);
        e.packet->stream_index = coder.stream->index;
        result = av_interleaved_write_frame(e.format, e.packet);
        if (result < 0) {
            error = avError("cannot write the file", result);
            return false;
        }
    }
    error = avError(std::string("cannot encode ") +
                        (&coder == &e.video ? e.container->videoName : e.container->soundName),
                    result);
    return false;
}

// A call on a clip that is not open (never opened, failed, finished) fails.
bool VideoClip::closed() {
    if (encoding_ != nullptr)
        return false;
    error_ = "the clip is not open";
    return true;
}

bool VideoClip::addPicture(const std::vector<unsigned char>& rgb) {
    if (closed())
        return false;
    VideoEncoding& e = *encoding_;
    if (rgb.size() != static_cast<std::size_t>(e.width) * e.height * 3) {
        error_ = "picture size does not match the clip's";
        return false;
    }
    const int result = av_frame_make_writable(e.picture);
    if (result < 0) {
        error_ = avError("cannot make a picture", result);
        return false;
    }
    const uint8_t* rows[1] = {rgb.data()};
    const int stride[1] = {3 * e.width};
    sws_scale(e.scaler, rows, stride, 0, e.height, e.picture->data, e.picture->linesize);
    e.picture->pts = e.pictures;
    e.pictures += 1;
    return encode(e, e.video, e.picture, error_);
}

// Encodes whole frames of the sound gathered so far, and at the end the rest
// (the encoder fills a short last frame with silence).
static bool encodePending(VideoEncoding& e, bool end, std::string& error) {
    while (av_audio_fifo_size(e.pending) >= e.soundFrameSize ||
           (end && av_audio_fifo_size(e.pending) > 0)) {
        const int result = av_frame_make_writable(e.soundFrame);
        if (result < 0) {
            error = avError("cannot make a sound frame", result);
            return false;
        }
        const int n = std::min(av_audio_fifo_size(e.pending), e.soundFrameSize);
        e.soundFrame->nb_samples = n;
        av_audio_fifo_read(e.pending, reinterpret_cast<void**>(e.soundFrame->data), n);
        e.soundFrame->pts = e.samples;
        e.samples += n;
        if (!encode(e, e.sound, e.soundFrame, error))
            return false;
    }
    return true;
}

// Converts `frames` sample frames (null: what the resampler still holds) into
// the pending sound.
static bool convert(VideoEncoding& e, const std::int16_t* input, int frames, std::string& error) {
    const int capacity = swr_get_out_samples(e.resampler, frames);
    if (capacity > e.convertedCapacity) {
        av_freep(&e.converted[0]);
        e.convertedCapacity = 0;
        if (av_samples_alloc(e.converted, nullptr, 2, capacity, e.sound.codec->sample_fmt, 0) < 0) {
            error = "out of memory for sound";
            return false;
        }
        e.convertedCapacity = capacity;
    }
    const uint8_t* in[1] = {reinterpret_cast<const uint8_t*>(input)};
    const int made = swr_convert(e.resampler, e.converted, capacity, input ? in : nullptr, frames);
    if (made < 0) {
        error = avError("cannot convert the sound", made);
        return false;
    }
    if (av_audio_fifo_write(e.pending, reinterpret_cast<void**>(e.converted), made) < made) {
        error = "out of memory for sound";
        return false;
    }
    return true;
}

bool VideoClip::addSound(const std::int16_t* interleavedStereo, int sampleFrames) {
    if (closed())
        return false;
    if (sampleFrames <= 0)
        return true;
    return convert(*encoding_, interleavedStereo, sampleFrames, error_) &&
           encodePending(*encoding_, false, error_);
}

bool VideoClip::finish() {
    if (closed())
        return false;
    VideoEncoding& e = *encoding_;
    if (e.pictures == 0) {
        error_ = "a clip needs at least one picture";
        abandon();
        return false;
    }
    bool done = convert(e, nullptr, 0, error_) && encodePending(e, true, error_) &&
                encode(e, e.sound, nullptr, error_) && encode(e, e.video, nullptr, error_);
    if (done) {
        const int result = av_write_trailer(e.format);
        if (result < 0) {
            error_ = avError("cannot complete the file", result);
            done = false;
        }
    }
    if (done) {
        avio_flush(e.format->pb);
        if (e.format->pb->error < 0) {
            error_ = avError("cannot write the file", e.format->pb->error);
            done = false;
        }
    }
    std::string reason;
    if (done && !e.file.commit(reason)) {
        error_ = reason;
        done = false;
    }
    encoding_.reset();  // the temporary file is removed with it unless committed
    return done;
}

void VideoClip::abandon() {
    encoding_.reset();  // and with it the temporary file
}

}  // namespace tools
