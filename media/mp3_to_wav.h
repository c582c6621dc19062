// SPDX-License-Identifier: GPL-3.0-or-later
// Wrapping an MP3 file as a WAV file without decoding it.
//
// The WAV file is a 70-byte RIFF/WAVE header that declares MPEG Layer-3 data
// (format tag 0x0055, the MPEGLAYER3WAVEFORMAT layout of Microsoft's mmreg.h)
// followed by the whole MP3 file, byte for byte. The header's rate, channel
// and bitrate values come from the first MPEG audio frame header (ISO/IEC
// 11172-3, ISO/IEC 13818-3). A leading ID3v2 tag (title, artist, pictures:
// most downloaded recordings carry one) is left out: the WAV holds the MPEG
// frames from the first frame header after it, which must follow the tag
// at once; any other leading data makes the file unusable here.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvanta::media {

inline constexpr std::size_t kWavHeaderBytes = 70;

// MPEG-1 (ISO/IEC 11172-3), MPEG-2 at half its sampling frequencies
// (ISO/IEC 13818-3), and MPEG-2.5 at a quarter of them (the common
// extension of MPEG-2 for low rates, with MPEG-2's bitrates).
enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

// The fields of an MPEG audio frame header that the WAV header needs.
struct Mp3FrameHeader {
    MpegVersion version = MpegVersion::Mpeg1;
    int layerCode = 1;           // 1 = Layer III, 2 = Layer II, 3 = Layer I
    int bitrateIndex = 0;        // 0 (free format) .. 14
    int samplingIndex = 0;       // 0..2
    bool singleChannel = false;  // channel mode 3
};

// The header in the first four bytes, or nothing without frame sync
// (b0 = 0xFF and b1 >= 0xE0) or with a value the standards reserve: the
// version code 01, the layer code 00, bitrate index 15 or sampling index 3
// (so FF FF FF FF is no header: it would declare 0 Hz).
std::optional<Mp3FrameHeader> parseFrameHeader(std::span<const std::uint8_t, 4> bytes);

inline constexpr std::size_t kId3v2HeaderBytes = 10;

// The length of the ID3v2 tag whose 10-byte header these are (ID3v2.3 and
// 2.4, section 3.1: "ID3", version, flags, then the size as four 7-bit
// bytes, counting neither the header nor the 10-byte footer that the flag
// 0x10 announces), header and footer included; 0 when the bytes do not
// begin a tag or a size byte has its top bit set.
std::uint32_t id3v2TagBytes(std::span<const std::uint8_t, kId3v2HeaderBytes> bytes);

// Samples per second.
std::uint32_t samplesPerSecond(const Mp3FrameHeader& header);
// Bitrate in kbit/s from the standard's tables; free format (index 0)
// gives 0.
std::uint32_t bitrateKbps(const Mp3FrameHeader& header);

// The 70-byte header for sourceBytes bytes of MPEG frames.
std::array<std::uint8_t, kWavHeaderBytes> wavHeader(const Mp3FrameHeader& header, std::uint32_t sourceBytes);

// A message for the user: the caption and the body of a warning box.
struct Warning {
    std::string caption;
    std::string body;
};

// The texts of the converter.
namespace texts {
inline constexpr std::string_view kSameFile = "KAYNAK ve HEDEF dosyaları farklı olmalı...";
inline constexpr std::string_view kSourceCaption = "Kaynak Dosya Açılamıyor";
inline constexpr std::string_view kNotMp3 = "Geçersiz MP3 formatı";
inline constexpr std::string_view kNotMp3Caption = "MP3toWAV";
inline constexpr std::string_view kDestinationCaption = "Hedef Dosya Açılamıyor";
inline constexpr std::string_view kReadWriteCaption = "Okuma/Yazma Hatası";
inline constexpr std::string_view kCloseCaption = "Hedef Dosya Kapatılamıyor";
inline constexpr std::string_view kOpenTitle = "Dönüştürülecek MP3 dosyasını seçiniz";
inline constexpr std::string_view kOpenFilter = "MP3 dosyaları";
inline constexpr std::string_view kSaveTitle = "WAV dosyası";
inline constexpr std::string_view kSaveFilter = "WAV dosyaları";
}  // namespace texts

// Whether two paths reach the same file (links, "./", and on a file system
// that ignores case, another letter case). A destination that does not
// exist yet is never the source.
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Writes the WAV file for source at destination: the header, then the
// source from its first frame header (after an ID3v2 tag) to its end. The
// failure's warning, or nothing on success. Only a regular source file is
// read (a FIFO or a device is refused, not waited on). The destination is
// replaced whole or not at all (common::FileReplacement): a failure, a
// full disk or a kill leaves an existing WAV file as it was, and a device
// or FIFO there is refused.
std::optional<Warning> wrapMp3AsWav(const std::filesystem::path& source, const std::filesystem::path& destination);

// What the converter needs from the desktop: the two file choices and the
// warning box. Each answers through its callback, at once or later (a
// desktop's dialogs answer when the user closes them, and nothing waits
// for them meanwhile); the dialogs outlive the conversion.
class ConverterDialogs {
public:
    using PathAnswer = std::function<void(std::optional<std::filesystem::path>)>;
    virtual ~ConverterDialogs() = default;
    // The MP3 file to convert, or nothing when the user cancels.
    virtual void chooseSource(PathAnswer answer) = 0;
    // The WAV file to write, proposed in folder with the name proposedName,
    // or nothing when the user cancels.
    virtual void chooseDestination(const std::filesystem::path& folder, const std::string& proposedName,
                                   PathAnswer answer) = 0;
    // closed runs once the user has seen the warning.
    virtual void warn(const Warning& warning, std::function<void()> closed) = 0;
    // Writes the WAV file (wrapMp3AsWav); a desktop runs it without
    // holding up its other work.
    virtual void wrap(const std::filesystem::path& source, const std::filesystem::path& destination,
                      std::function<void(std::optional<Warning>)> done) {
        done(wrapMp3AsWav(source, destination));
    }
};

// The whole conversion dialogue: source, destination (asked again while it
// is the source), wrap, and one warning on failure. finished gets whether a
// WAV file was written.
void convertMp3ToWav(ConverterDialogs& dialogs, std::function<void(bool written)> finished);

}  // namespace orvanta::media
