// SPDX-License-Identifier: GPL-3.0-or-later
// MP3-to-WAV wrapping: the header, the failures in their order, the file
// choices, and a real decoder reading the result.
#include "media/mp3_to_wav.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <tuple>

#include "tests/support/little_endian.h"
#include "tests/support/temp_folder.h"

namespace orvanta::media {
namespace {

using test::littleEndianAt;
using test::TempFolder;

std::string mp3Bytes(std::string_view firstFour, std::size_t totalBytes) {
    std::string bytes(firstFour);
    bytes.resize(totalBytes, '\0');
    return bytes;
}

TEST(WavHeader, MegabyteOfJointStereoAt128Kbps) {
    TempFolder folder;
    const std::string source = mp3Bytes("\xFF\xFB\x90\x44", 1000000);
    ASSERT_FALSE(wrapMp3AsWav(folder.write("a.mp3", source), folder / "a.wav"));
    const std::string wav = test::readFile(folder / "a.wav");
    ASSERT_EQ(wav.size(), 1000070u);
    // Chunk names, then each little-endian field: offset, width, value.
    for (const auto& [offset, name] : {std::pair{0, "RIFF"}, {8, "WAVEfmt "}, {50, "fact"}, {62, "data"}}) {
        EXPECT_EQ(wav.substr(static_cast<std::size_t>(offset), std::strlen(name)), name);
    }
    const std::tuple<std::size_t, int, std::uint32_t> fields[] = {
        {4, 4, 1000062}, {16, 4, 30}, {20, 2, 0x0055}, {22, 2, 2}, {24, 4, 44100}, {28, 4, 16000}, {32, 2, 1},
        {34, 2, 0},      {36, 2, 12}, {38, 2, 1},      {40, 4, 2}, {44, 2, 96},    {46, 2, 1},     {48, 2, 1393},
        {54, 4, 4},      {58, 4, 298368}, {66, 4, 1000000}};
    for (const auto& [offset, width, value] : fields) {
        EXPECT_EQ(littleEndianAt(wav, offset, width), value) << "offset " << offset;
    }
    EXPECT_TRUE(wav.compare(70, std::string::npos, source) == 0) << "the MP3 follows byte for byte";
}

// Reference: ISO/IEC 11172-3 and 13818-3 header fields and tables.
TEST(WavHeader, ChannelsRatesAndBitrates) {
    auto header = [](std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
        const std::array<std::uint8_t, 4> bytes{0xFF, b1, b2, b3};
        return *parseFrameHeader(bytes);
    };
    EXPECT_TRUE(header(0xFB, 0x90, 0xC4).singleChannel);
    EXPECT_EQ(wavHeader(header(0xFB, 0x90, 0xC4), 10)[22], 1);
    EXPECT_EQ(samplesPerSecond(header(0xF3, 0x90, 0x44)), 22050u);
    EXPECT_EQ(samplesPerSecond(header(0xE3, 0x98, 0x44)), 8000u) << "MPEG-2.5 quarters the rates";
    EXPECT_EQ(bitrateKbps(header(0xE3, 0x98, 0x44)), 80u) << "with MPEG-2's bitrates";
    EXPECT_EQ(bitrateKbps(header(0xFB, 0x00, 0x44)), 0u) << "free format";
    EXPECT_EQ(bitrateKbps(header(0xF3, 0xE0, 0x44)), 160u) << "MPEG-2 Layer III";
}

// Reserved header values made WAV files of 0 Hz (FF FF FF FF) or 0 kbit/s.
TEST(WavHeader, ReservedValuesAreNoMp3) {
    TempFolder folder;
    struct Case {
        const char* what;
        std::array<std::uint8_t, 4> bytes;
    } const cases[] = {{"all ones: bitrate index 15", {0xFF, 0xFF, 0xFF, 0xFF}},
                       {"reserved layer", {0xFF, 0xF9, 0x90, 0x44}},
                       {"sampling index 3", {0xFF, 0xFB, 0x9C, 0x44}},
                       {"reserved version", {0xFF, 0xEB, 0x90, 0x44}},
                       {"no frame sync", {0xFF, 0xDB, 0x90, 0x44}}};
    for (const Case& c : cases) {
        EXPECT_FALSE(parseFrameHeader(c.bytes)) << c.what;
        const std::string mp3 = mp3Bytes(std::string_view(reinterpret_cast<const char*>(c.bytes.data()), 4), 100);
        const auto refused = wrapMp3AsWav(folder.write("r.mp3", mp3), folder / "r.wav");
        ASSERT_TRUE(refused) << c.what;
        EXPECT_EQ(refused->body, "Geçersiz MP3 formatı") << c.what;
        EXPECT_FALSE(std::filesystem::exists(folder / "r.wav")) << c.what;
    }
}

// An ID3v2 tag of tagSize bytes after its header (flags as given), then a
// frame of 1000 bytes.
std::string taggedMp3(std::uint32_t tagSize, char flags, std::string_view afterTag = "\xFF\xFB\x90\xC4") {
    std::string bytes = std::string("ID3\x04\x00", 5) + flags;
    for (int shift = 21; shift >= 0; shift -= 7) bytes += static_cast<char>((tagSize >> shift) & 0x7F);
    bytes.resize(bytes.size() + tagSize + ((flags & 0x10) ? 10 : 0), 'T');
    return bytes + mp3Bytes(afterTag, 1000);
}

TEST(Id3v2Tag, IsLeftOutAndTheSizesCountWhatIsWritten) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::uint32_t tagSize;
        char flags;
    } const cases[] = {{"plain", 300, 0}, {"footer", 200, 0x10}, {"large size bytes", 0x4000 + 5, 0}};
    for (const Case& c : cases) {
        ASSERT_FALSE(wrapMp3AsWav(folder.write("t.mp3", taggedMp3(c.tagSize, c.flags)), folder / "t.wav")) << c.name;
        const std::string wav = test::readFile(folder / "t.wav");
        EXPECT_EQ(wav.size(), 1070u) << c.name;
        EXPECT_EQ(littleEndianAt(wav, 4), 1062u) << c.name;
        EXPECT_EQ(littleEndianAt(wav, 66), 1000u) << c.name;
        EXPECT_EQ(littleEndianAt(wav, 22, 2), 1u) << c.name;  // from the frame after the tag: single channel
        EXPECT_EQ(wav.substr(70, 4), "\xFF\xFB\x90\xC4") << c.name;
    }
}

TEST(WrapFailures, SourceProblemsWriteNothing) {
    TempFolder folder;
    const auto junk = wrapMp3AsWav(folder.write("tag.mp3", taggedMp3(50, 0, "junk")), folder / "tag.wav");
    ASSERT_TRUE(junk);
    EXPECT_EQ(junk->caption, "MP3toWAV");
    EXPECT_EQ(junk->body, "Geçersiz MP3 formatı");
    EXPECT_FALSE(std::filesystem::exists(folder / "tag.wav"));
    // A size byte with its top bit set is no tag; a tag past the file's end.
    std::string badSize = taggedMp3(50, 0);
    badSize[9] = static_cast<char>(0x80 | badSize[9]);
    EXPECT_TRUE(wrapMp3AsWav(folder.write("bad.mp3", badSize), folder / "bad.wav"));
    EXPECT_TRUE(wrapMp3AsWav(folder.write("cut.mp3", taggedMp3(50, 0).substr(0, 40)), folder / "cut.wav"));
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.wav") || std::filesystem::exists(folder / "cut.wav"));

    const auto shortFile = wrapMp3AsWav(folder.write("short.mp3", "\xFF\xFB\x90"), folder / "short.wav");
    ASSERT_TRUE(shortFile);
    EXPECT_EQ(shortFile->caption, "Kaynak Dosya Açılamıyor");
    EXPECT_FALSE(shortFile->body.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "short.wav"));

    const auto missing = wrapMp3AsWav(folder / "none.mp3", folder / "none.wav");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->caption, "Kaynak Dosya Açılamıyor");
    EXPECT_NE(missing->body.find("No such file"), std::string::npos) << missing->body;
}

// The destination was truncated in place: a full disk deleted the old WAV
// file and a kill left a cut one whose header claimed more data. It is
// now replaced whole or not at all.
TEST(WrapFailures, OldDestinationSurvivesEveryFailure) {
    TempFolder folder;
    const auto small = folder.write("small.mp3", mp3Bytes("\xFF\xFB\x90\x44", 1000));
    const auto large = folder.write("large.mp3", mp3Bytes("\xFF\xFB\x90\x44", 300000));
    const auto old = folder.write("old.wav", "the old recording");

    const auto unopenable = wrapMp3AsWav(small, folder / "no-such-folder" / "x.wav");
    ASSERT_TRUE(unopenable);
    EXPECT_EQ(unopenable->caption, "Hedef Dosya Açılamıyor");

    // A disk that fills up while copying: the file size limit of a child.
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto full = wrapMp3AsWav(large, old);
        const bool said = full && full->caption == "Okuma/Yazma Hatası" && full->body.find("too large") != std::string::npos;
        _exit(said ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the copy fails on the full disk";
    EXPECT_EQ(test::readFile(old), "the old recording");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3) << "nothing else left";

    ASSERT_FALSE(wrapMp3AsWav(small, old));
    EXPECT_EQ(std::filesystem::file_size(old), 1070u);
}

// A recording (the shipped ezan signal, 22050 Hz mono) encoded by a real
// MP3 encoder with an ID3v2 tag, wrapped, and decoded by GStreamer: the
// decoded PCM has the recording's length.
TEST(RealPlayer, GStreamerDecodesTheWrappedRecording) {
    TempFolder folder;
    const std::string dir = folder.path().string();
    const std::string recording = std::string(ORVANTA_RESOURCES_DIR) + "/ezan.wav";
    ASSERT_EQ(std::system(("lame --quiet --add-id3v2 --tt 'Öğle ezanı' '" + recording + "' '" + dir + "/e.mp3'").c_str()),
              0)
        << "lame is needed (Debian package lame)";
    ASSERT_FALSE(wrapMp3AsWav(folder / "e.mp3", folder / "wrapped.wav"));
    const std::string decode = "gst-launch-1.0 -q filesrc location='" + dir +
                               "/wrapped.wav' ! decodebin ! audioconvert ! audioresample ! "
                               "audio/x-raw,format=S16LE,channels=1,rate=22050 ! filesink location='" + dir +
                               "/decoded.raw'";
    ASSERT_EQ(std::system(decode.c_str()), 0) << "gst-launch-1.0 with the good plugins is needed";
    // The PCM recording's samples follow its 44-byte header. An MP3 frame
    // is 576 samples at this rate; the encoder's delay and padding add at
    // most a frame or two.
    const double pcmBytes = static_cast<double>(std::filesystem::file_size(recording) - 44);
    EXPECT_NEAR(static_cast<double>(std::filesystem::file_size(folder / "decoded.raw")), pcmBytes, 2 * 1152 * 2.0);
}

}  // namespace
}  // namespace orvanta::media
