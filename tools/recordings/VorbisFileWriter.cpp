#include "VorbisFileWriter.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vorbis/vorbisenc.h>

namespace {

constexpr int blockFrames = 1024;

// The encoder's state, cleared however the encoding ends.
class Encoder {
public:
    Encoder(const Recording& recording, float quality, uint32_t serial) {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, static_cast<long>(recording.channels.size()),
                                   recording.rate, quality) != 0) {
            vorbis_info_clear(&info_);
            throw std::runtime_error("the Vorbis encoder refused the format");
        }
        vorbis_comment_init(&comment_);
        vorbis_comment_add_tag(&comment_, "ENCODER", "pluvo make-recordings");
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, static_cast<int>(serial));
    }
    ~Encoder() {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void writeHeaders(std::ofstream& out) {
        ogg_packet identification, comments, codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &identification);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) {
            writePage(out, page);
        }
    }

    void writeSamples(std::ofstream& out, const Recording& recording) {
        for (std::size_t at = 0; at < recording.frames(); at += blockFrames) {
            const std::size_t count = std::min<std::size_t>(blockFrames, recording.frames() - at);
            float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(count));
            for (std::size_t c = 0; c < recording.channels.size(); ++c) {
                std::copy_n(recording.channels[c].begin() + static_cast<std::ptrdiff_t>(at), count,
                            buffer[c]);
            }
            vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
            drain(out);
        }
        vorbis_analysis_wrote(&dsp_, 0);
        drain(out);
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) {
            writePage(out, page);
        }
    }

private:
    void drain(std::ofstream& out) {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0) {
                    writePage(out, page);
                }
            }
        }
    }

    static void writePage(std::ofstream& out, const ogg_page& page) {
        out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }

    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    ogg_stream_state stream_;
};

} // namespace

void writeOggVorbis(const std::string& path, const Recording& recording, float quality) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot create " + path);
    }
    // A fixed serial number keeps the files byte-identical from run to run.
    Encoder encoder(recording, quality, 0x504C5556u);
    encoder.writeHeaders(out);
    encoder.writeSamples(out, recording);
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}
