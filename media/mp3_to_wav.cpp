// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/mp3_to_wav.h"

#include <system_error>
#include <vector>

#include "common/file_access.h"

namespace orvanta::media {

namespace {

// Bitrates in units of 8 kbit/s (ISO/IEC 11172-3 Table 2-B.2a and
// ISO/IEC 13818-3 Table 2.4.2.3), row: bitrate index; column: version x 4 +
// layer code (0 reserved, 1 Layer III, 2 Layer II, 3 Layer I), version 0 =
// MPEG-2, 1 = MPEG-1. Index 0 (free format) and 15 (forbidden) hold 0.
constexpr std::uint8_t kBitrateEightKbps[16][8] = {
    {0, 0, 0, 0, 0, 0, 0, 0},          {0, 1, 1, 4, 0, 4, 4, 4},      {0, 2, 2, 6, 0, 5, 6, 8},
    {0, 3, 3, 7, 0, 6, 7, 12},         {0, 4, 4, 8, 0, 7, 8, 16},     {0, 5, 5, 10, 0, 8, 10, 20},
    {0, 6, 6, 12, 0, 10, 12, 24},      {0, 7, 7, 14, 0, 12, 14, 28},  {0, 8, 8, 16, 0, 14, 16, 32},
    {0, 10, 10, 18, 0, 16, 20, 36},    {0, 12, 12, 20, 0, 20, 24, 40}, {0, 14, 14, 22, 0, 24, 28, 44},
    {0, 16, 16, 24, 0, 28, 32, 48},    {0, 18, 18, 28, 0, 32, 40, 52}, {0, 20, 20, 32, 0, 40, 48, 56},
    {0, 0, 0, 0, 0, 0, 0, 0},
};

// Samples per second by sampling index; MPEG-2 halves them, MPEG-2.5
// quarters them.
constexpr std::uint32_t kMpeg1SamplesPerSecond[3] = {44100, 48000, 32000};

// Codes of the frame header's fields that the standards reserve.
constexpr int kReservedVersionCode = 1;
constexpr int kReservedLayerCode = 0;
constexpr int kForbiddenBitrateIndex = 15;
constexpr int kReservedSamplingIndex = 3;
constexpr int kVersionCodeMpeg1 = 3;
constexpr int kVersionCodeMpeg2 = 2;

// Fixed values of the MPEGLAYER3WAVEFORMAT header.
constexpr std::uint16_t kFormatMpegLayer3 = 0x0055;
constexpr std::uint32_t kFormatChunkBytes = 30;
constexpr std::uint16_t kExtraFormatBytes = 12;
constexpr std::uint16_t kMpegLayer3IdMpeg = 1;
constexpr std::uint32_t kPaddingOff = 2;
constexpr std::uint16_t kBlockSize = 96;
constexpr std::uint16_t kFramesPerBlock = 1;
constexpr std::uint16_t kCodecDelay = 1393;
// The fact chunk's sample length, written the same for every file.
constexpr std::uint32_t kFactSampleLength = 298368;
// "RIFF" size counts everything after its own eight bytes.
constexpr std::uint32_t kRiffSizeOverSource = kWavHeaderBytes - 8;

class HeaderWriter {
public:
    explicit HeaderWriter(std::array<std::uint8_t, kWavHeaderBytes>& bytes) : bytes_(bytes) {}
    HeaderWriter& text(std::string_view tag) {
        for (const char c : tag) bytes_[at_++] = static_cast<std::uint8_t>(c);
        return *this;
    }
    HeaderWriter& u16(std::uint16_t value) { return little(value, 2); }
    HeaderWriter& u32(std::uint32_t value) { return little(value, 4); }
    std::size_t written() const { return at_; }

private:
    HeaderWriter& little(std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) bytes_[at_++] = static_cast<std::uint8_t>(value >> (8 * i));
        return *this;
    }
    std::array<std::uint8_t, kWavHeaderBytes>& bytes_;
    std::size_t at_ = 0;
};

Warning warning(std::string_view caption, std::string body) { return Warning{std::string(caption), std::move(body)}; }

// The reason a source could not be read or a destination not replaced,
// as the warning's body says it.
std::string reasonText(std::string_view reason) {
    if (reason == common::kNotRegularFileReason) {
        return "Yalnızca sıradan bir dosya kullanılabilir; bu bir klasör, FIFO ya da aygıt.";
    }
    return std::string(reason);
}

// Reads until buffer is full or the file ends: the bytes read, or nothing
// on a read error.
std::optional<std::size_t> readFully(common::InputFile& in, std::span<std::uint8_t> buffer) {
    std::size_t total = 0;
    while (total < buffer.size()) {
        const auto got = in.read({reinterpret_cast<char*>(buffer.data()) + total, buffer.size() - total});
        if (!got) return std::nullopt;
        if (*got == 0) break;
        total += *got;
    }
    return total;
}

// Copies the rest of source into the replacement through a block buffer;
// the warning when a read or a write fails.
std::optional<Warning> copyAll(common::InputFile& source, common::FileReplacement& destination) {
    std::vector<char> block(1 << 16);
    while (true) {
        const std::optional<std::size_t> got = source.read(block);
        if (!got) return warning(texts::kReadWriteCaption, reasonText(source.reason()));
        if (*got == 0) return std::nullopt;
        if (!destination.write({block.data(), *got})) {
            return warning(texts::kReadWriteCaption, reasonText(destination.failure()));
        }
    }
}

}  // namespace

std::optional<Mp3FrameHeader> parseFrameHeader(std::span<const std::uint8_t, 4> bytes) {
    if (bytes[0] != 0xFF || bytes[1] < 0xE0) return std::nullopt;
    const int versionCode = (bytes[1] >> 3) & 0x03;
    Mp3FrameHeader header;
    header.version = versionCode == kVersionCodeMpeg1   ? MpegVersion::Mpeg1
                     : versionCode == kVersionCodeMpeg2 ? MpegVersion::Mpeg2
                                                        : MpegVersion::Mpeg25;
    header.layerCode = (bytes[1] >> 1) & 0x03;
    header.bitrateIndex = bytes[2] >> 4;
    header.samplingIndex = (bytes[2] >> 2) & 0x03;
    header.singleChannel = ((bytes[3] >> 6) & 0x03) == 3;
    const bool reserved = versionCode == kReservedVersionCode || header.layerCode == kReservedLayerCode ||
                          header.bitrateIndex == kForbiddenBitrateIndex ||
                          header.samplingIndex == kReservedSamplingIndex;
    if (reserved) return std::nullopt;
    return header;
}

std::uint32_t id3v2TagBytes(std::span<const std::uint8_t, kId3v2HeaderBytes> bytes) {
    constexpr std::uint8_t kFooterPresent = 0x10;
    constexpr std::uint32_t kFooterBytes = 10;
    if (bytes[0] != 'I' || bytes[1] != 'D' || bytes[2] != '3') return 0;
    std::uint32_t size = 0;
    for (std::size_t i = 6; i < kId3v2HeaderBytes; ++i) {
        if (bytes[i] & 0x80) return 0;
        size = (size << 7) | bytes[i];
    }
    return static_cast<std::uint32_t>(kId3v2HeaderBytes) + size + ((bytes[5] & kFooterPresent) ? kFooterBytes : 0);
}

std::uint32_t samplesPerSecond(const Mp3FrameHeader& header) {
    const std::uint32_t mpeg1 = kMpeg1SamplesPerSecond[header.samplingIndex % 3];
    switch (header.version) {
        case MpegVersion::Mpeg1: return mpeg1;
        case MpegVersion::Mpeg2: return mpeg1 / 2;
        case MpegVersion::Mpeg25: return mpeg1 / 4;
    }
    return mpeg1;
}

std::uint32_t bitrateKbps(const Mp3FrameHeader& header) {
    constexpr std::uint32_t kUnitKbps = 8;
    const int column = (header.version == MpegVersion::Mpeg1 ? 4 : 0) + (header.layerCode & 3);
    return kBitrateEightKbps[header.bitrateIndex & 15][column] * kUnitKbps;
}

std::array<std::uint8_t, kWavHeaderBytes> wavHeader(const Mp3FrameHeader& header, std::uint32_t sourceBytes) {
    std::array<std::uint8_t, kWavHeaderBytes> bytes{};
    HeaderWriter out(bytes);
    out.text("RIFF").u32(sourceBytes + kRiffSizeOverSource).text("WAVEfmt ").u32(kFormatChunkBytes);
    out.u16(kFormatMpegLayer3).u16(header.singleChannel ? 1 : 2).u32(samplesPerSecond(header));
    out.u32(bitrateKbps(header) * 1000 / 8).u16(1).u16(0).u16(kExtraFormatBytes);
    out.u16(kMpegLayer3IdMpeg).u32(kPaddingOff).u16(kBlockSize).u16(kFramesPerBlock).u16(kCodecDelay);
    out.text("fact").u32(4).u32(kFactSampleLength);
    out.text("data").u32(sourceBytes);
    return bytes;
}

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(a, b, error);
    return !error && same;
}

std::optional<Warning> wrapMp3AsWav(const std::filesystem::path& source, const std::filesystem::path& destination) {
    constexpr std::string_view kTooShort = "Dosya bir MP3 çerçeve başlığından (4 bayt) kısa.";
    const Warning notMp3 = warning(texts::kNotMp3Caption, std::string(texts::kNotMp3));
    common::InputFile in(source);
    if (in.status() != common::ReadStatus::Ok) return warning(texts::kSourceCaption, reasonText(in.reason()));
    std::array<std::uint8_t, kId3v2HeaderBytes> first{};
    const std::optional<std::size_t> firstBytes = readFully(in, first);
    if (!firstBytes) return warning(texts::kSourceCaption, reasonText(in.reason()));
    if (*firstBytes < 4) return warning(texts::kSourceCaption, std::string(kTooShort));
    // A tag's header is ten bytes; a shorter file is no tag.
    const std::uint32_t tagBytes = *firstBytes == first.size() ? id3v2TagBytes(first) : 0;
    std::array<std::uint8_t, 4> frame{};
    if (!in.seek(tagBytes) || readFully(in, frame) != frame.size()) return notMp3;
    const auto header = parseFrameHeader(frame);
    if (!header) return notMp3;

    const std::uintmax_t sourceBytes = in.sizeBytes() - tagBytes;
    constexpr std::uintmax_t kLargestWav = 0xFFFFFFFFu - kRiffSizeOverSource;
    if (sourceBytes > kLargestWav) return warning(texts::kSourceCaption, "Dosya bir WAV dosyası için çok büyük.");
    if (!in.seek(tagBytes)) return warning(texts::kSourceCaption, reasonText(in.reason()));

    common::FileReplacement out(destination);
    if (!out.started()) return warning(texts::kDestinationCaption, reasonText(out.failure()));
    const auto headerBytes = wavHeader(*header, static_cast<std::uint32_t>(sourceBytes));
    if (!out.write({reinterpret_cast<const char*>(headerBytes.data()), headerBytes.size()})) {
        return warning(texts::kReadWriteCaption, reasonText(out.failure()));
    }
    if (auto failed = copyAll(in, out)) return failed;
    if (const auto failed = out.commit()) return warning(texts::kCloseCaption, reasonText(*failed));
    return std::nullopt;
}

namespace {

using Finished = std::function<void(bool written)>;

// The destination, asked again after a warning while it is the source,
// then the wrap and its warning.
void convertTo(ConverterDialogs& dialogs, const std::filesystem::path& source, const Finished& finished) {
    const std::string proposedName = source.stem().string() + ".wav";
    dialogs.chooseDestination(source.parent_path(), proposedName, [&dialogs, source, finished](
                                                                      std::optional<std::filesystem::path> destination) {
        if (!destination) return finished(false);
        if (isSameFile(source, *destination)) {
            dialogs.warn(warning(texts::kDestinationCaption, std::string(texts::kSameFile)),
                         [&dialogs, source, finished] { convertTo(dialogs, source, finished); });
            return;
        }
        dialogs.wrap(source, *destination, [&dialogs, finished](std::optional<Warning> failure) {
            if (!failure) return finished(true);
            dialogs.warn(*failure, [finished] { finished(false); });
        });
    });
}

}  // namespace

void convertMp3ToWav(ConverterDialogs& dialogs, std::function<void(bool written)> finished) {
    dialogs.chooseSource([&dialogs, finished = std::move(finished)](std::optional<std::filesystem::path> source) {
        if (!source) return finished(false);
        convertTo(dialogs, *source, finished);
    });
}

}  // namespace orvanta::media
