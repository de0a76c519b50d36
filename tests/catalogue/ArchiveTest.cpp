#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/ArchiveReader.h"
#include "catalogue/ArchiveWriter.h"
#include "catalogue/FileError.h"
#include "catalogue/StringSink.h"
#include "catalogue/TextCodec.h"

namespace {

using namespace std::string_literals;

/// Accepts bytes until a limit is reached, then fails like a full disk.
class CFailingSink : public CByteSink {
public:
    explicit CFailingSink(std::size_t limit) : m_limit(limit) {}
    void Write(std::string_view bytes) override {
        if (m_written + bytes.size() > m_limit) {
            throw CFileError("failing", "No space left on device");
        }
        m_written += bytes.size();
    }

private:
    std::size_t m_limit;
    std::size_t m_written = 0;
};

/// Records the size of every block the writer hands over.
class CBlockSink : public CStringSink {
public:
    void Write(std::string_view bytes) override {
        m_blocks.push_back(bytes.size());
        CStringSink::Write(bytes);
    }
    std::vector<std::size_t> m_blocks;
};

template <typename WriteFn>
std::string Written(WriteFn write) {
    CStringSink sink;
    CArchiveWriter writer(sink);
    write(writer);
    writer.Flush();
    return sink.Bytes();
}

std::string TextBytes(std::string_view utf8) {
    return Written([&](CArchiveWriter& w) { w.WriteText(utf8); });
}

std::string ReadOneText(const std::string& bytes) {
    CArchiveReader reader(bytes, "test");
    std::string text = reader.ReadText();
    EXPECT_EQ(reader.Remaining(), 0u);
    return text;
}

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

TEST(TextCodecTest, EveryCp1252ByteMapsToOneCharacterAndBack) {
    const std::string bytes = AllBytes();
    const std::string utf8 = TextCodec::Cp1252ToUtf8(bytes);
    EXPECT_EQ(TextCodec::Utf8ToCp1252(utf8), bytes);
}

TEST(TextCodecTest, KnownCharacters) {
    struct Case {
        std::string cp1252;
        std::string utf8;
    };
    const std::vector<Case> cases = {
        {"\xB0", "°"},
        {"\xEB", "ë"},
        {"\xB2\xB3", "²³"},
        {"\x80", "€"},
        {"\x9F", "Ÿ"},
        {"\x81", "\xC2\x81"},
        {"\x8D\x8F", "\xC2\x8D\xC2\x8F"},
        {"\x90\x9D", "\xC2\x90\xC2\x9D"},
        {"A\0B"s, "A\0B"s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextCodec::Cp1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(TextCodec::Utf8ToCp1252(c.utf8), c.cp1252);
    }
}

TEST(TextCodecTest, TextsWithoutACp1252ByteAreRefused) {
    for (const std::string utf8 : {"Ω", "Метр", "a😀", "\xC2\x80", "\xFF", "\xC0\xAF", "\xE2\x82"}) {
        EXPECT_FALSE(TextCodec::Utf8ToCp1252(utf8).has_value()) << utf8;
    }
}

TEST(TextCodecTest, Utf16Conversions) {
    EXPECT_EQ(TextCodec::Utf8ToUtf16Le("AΩ😀"), "A\0\xA9\x03\x3D\xD8\x00\xDE"s);
    EXPECT_EQ(TextCodec::Utf16LeToUtf8("A\0\xA9\x03\x3D\xD8\x00\xDE"s), "AΩ😀");
    // Unpaired surrogates, an odd byte and invalid UTF-8 become U+FFFD.
    EXPECT_EQ(TextCodec::Utf16LeToUtf8("\x3D\xD8"
                                       "A\0"s),
              "\uFFFDA");
    EXPECT_EQ(TextCodec::Utf16LeToUtf8("\x00\xDE"s), "\uFFFD");
    EXPECT_EQ(TextCodec::Utf16LeToUtf8("A\0B"s), "A\uFFFD");
    EXPECT_EQ(TextCodec::Utf8ToUtf16Le("\xFF"
                                       "a"),
              "\xFD\xFF"
              "a\0"s);
}

TEST(TextCodecTest, CountsCharactersOfWellFormedUtf8Only) {
    struct Case {
        std::string utf8;
        std::optional<std::size_t> characters;
    };
    const Case cases[] = {
        {"", 0},
        {"inch (in.)", 10},
        {"\xC2\xB0"
         "C\xE2\x82\xAC\xF0\x9F\x98\x80",
         4},                                     // two, one, three and four bytes
        {"\xC0\xAF", std::nullopt},              // overlong
        {"\xED\xA0\x80", std::nullopt},          // surrogate
        {"\xF4\x90\x80\x80", std::nullopt},      // above U+10FFFF
        {"ab\xE2\x82", std::nullopt},            // cut short
        {"\x80", std::nullopt},                  // lone continuation byte
        {"\xF8\x88\x80\x80\x80", std::nullopt},  // five-byte form
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextCodec::CountUtf8Characters(c.utf8), c.characters) << c.utf8;
    }
}

TEST(ArchiveWriterTest, TextLengthForms) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const std::vector<Case> cases = {
        {0, "\x00"s},
        {8, "\x08"s},
        {254, "\xFE"s},
        {255, "\xFF\xFF\x00"s},
        {65533, "\xFF\xFD\xFF"s},
        {65534, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
        {70000, "\xFF\xFF\xFF\x70\x11\x01\x00"s},
    };
    for (const auto& c : cases) {
        const std::string text(c.length, 'x');
        const std::string bytes = TextBytes(text);
        EXPECT_TRUE(bytes == c.prefix + text) << c.length;
        EXPECT_TRUE(ReadOneText(bytes) == text) << c.length;
    }
}

TEST(ArchiveWriterTest, TextsOutsideCp1252UseTheUtf16Form) {
    struct Case {
        std::string utf8;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"Ω", "\xFF\xFE\xFF\x01\xA9\x03"s},
        {"Ω°", "\xFF\xFE\xFF\x02\xA9\x03\xB0\x00"s},
        {"Метр", "\xFF\xFE\xFF\x04\x1C\x04\x35\x04\x42\x04\x40\x04"s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextBytes(c.utf8), c.bytes);
        EXPECT_EQ(ReadOneText(c.bytes), c.utf8);
    }
    const std::string longName = std::string(300, 'a') + "Ω";
    const std::string bytes = TextBytes(longName);
    EXPECT_EQ(bytes.substr(0, 6), "\xFF\xFE\xFF\xFF\x2D\x01"s);
    EXPECT_EQ(ReadOneText(bytes), longName);
}

TEST(ArchiveWriterTest, FixedSizeFieldsAreLittleEndian) {
    EXPECT_EQ(Written([](CArchiveWriter& w) { w.WriteUInt32(65536); }), "\x00\x00\x01\x00"s);
    EXPECT_EQ(Written([](CArchiveWriter& w) { w.WriteInt32(-2); }), "\xFE\xFF\xFF\xFF"s);
    EXPECT_EQ(Written([](CArchiveWriter& w) { w.WriteDouble(1.0); }),
              "\x00\x00\x00\x00\x00\x00\xF0\x3F"s);
    EXPECT_EQ(Written([](CArchiveWriter& w) { w.WriteDouble(-273.15); }),
              "\x66\x66\x66\x66\x66\x12\x71\xC0"s);
}

TEST(ArchiveWriterTest, CountForms) {
    struct Case {
        std::size_t count;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {0, "\x00\x00"s},
        {153, "\x99\x00"s},
        {65534, "\xFE\xFF"s},
        {65535, "\xFF\xFF\xFF\xFF\x00\x00"s},
        {70000, "\xFF\xFF\x70\x11\x01\x00"s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Written([&](CArchiveWriter& w) { w.WriteCount(c.count); }), c.bytes);
        CArchiveReader reader(c.bytes, "test");
        EXPECT_EQ(reader.ReadCount(0), c.count);
    }
}

TEST(ArchiveWriterTest, BuffersInBlocksOf4096Bytes) {
    CBlockSink sink;
    CArchiveWriter writer(sink);
    const std::string text(10000, 'y');
    writer.WriteText(text);
    writer.WriteUInt32(7);
    EXPECT_EQ(sink.m_blocks, (std::vector<std::size_t>{4096, 4096}));
    writer.Flush();
    writer.Flush();
    EXPECT_EQ(sink.m_blocks.size(), 3u);
    EXPECT_EQ(sink.Bytes().size(), 3u + 10000u + 4u);
    EXPECT_TRUE(sink.Bytes().substr(3, 10000) == text);
}

TEST(ArchiveWriterTest, SinkFailuresReachTheCaller) {
    for (std::size_t limit : {0u, 100u, 4095u, 4096u, 8191u}) {
        CFailingSink sink(limit);
        CArchiveWriter writer(sink);
        EXPECT_THROW(
            {
                for (int i = 0; i < 1000; ++i) {
                    writer.WriteText("some unit name");
                }
                writer.Flush();
            },
            CFileError)
            << limit;
    }
}

TEST(ArchiveReaderTest, ReadsTheUtf16Form) {
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const std::vector<Case> cases = {
        {"\xFF\xFE\xFF\x00"s, ""},
        {"\xFF\xFE\xFF\x03"
         "A\0\xB0\0\xEB\0"s,
         "A°ë"},
        {"\xFF\xFE\xFF\xFF\x02\x00"
         "a\0b\0"s,
         "ab"},
        {"\xFF\xFE\xFF\xFF\xFF\xFF\x01\x00\x00\x00"
         "z\0"s,
         "z"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadOneText(c.bytes), c.utf8);
    }
    // The marker counts once: after it, FE FF is a plain length of 65534 units.
    const std::string units(2 * 65534, 'q');
    EXPECT_EQ(ReadOneText("\xFF\xFE\xFF\xFF\xFE\xFF"s + units).size(), 65534u * 3u);
}

TEST(ArchiveReaderTest, ReadsFieldsInOrder) {
    const std::string bytes =
        "\x00\x00\x01\x00\xFE\xFF\xFF\xFF\x00\x00\x00\x00\x00\x00\xF0\x3F\x02hi"s;
    CArchiveReader reader(bytes, "file.Dat");
    EXPECT_EQ(reader.ReadUInt32(), 65536u);
    EXPECT_EQ(reader.ReadInt32(), -2);
    EXPECT_EQ(reader.ReadDouble(), 1.0);
    EXPECT_EQ(reader.ReadText(), "hi");
    EXPECT_EQ(reader.Remaining(), 0u);
    try {
        reader.ReadUInt32();
        FAIL() << "read past the end";
    } catch (const CFileError& error) {
        EXPECT_EQ(error.Path(), "file.Dat");
        EXPECT_EQ(error.Reason(), "the data ends early");
    }
}

TEST(ArchiveReaderTest, ShortDataFailsEveryRead) {
    struct Case {
        const char* what;
        std::string bytes;
        void (*read)(CArchiveReader&);
    };
    const std::vector<Case> cases = {
        {"uint32", "\x01\x02\x03"s, [](CArchiveReader& r) { r.ReadUInt32(); }},
        {"int32", ""s, [](CArchiveReader& r) { r.ReadInt32(); }},
        {"double", "\x00\x00\x00\x00\x00\x00\xF0"s, [](CArchiveReader& r) { r.ReadDouble(); }},
        {"empty text", ""s, [](CArchiveReader& r) { r.ReadText(); }},
        {"short text",
         "\x05"
         "abcd"s,
         [](CArchiveReader& r) { r.ReadText(); }},
        {"2-byte length", "\xFF\x01"s, [](CArchiveReader& r) { r.ReadText(); }},
        {"4-byte length", "\xFF\xFF\xFF\x01\x00\x00"s, [](CArchiveReader& r) { r.ReadText(); }},
        {"4 billion bytes",
         "\xFF\xFF\xFF\x00\x28\x6B\xEE"
         "abc"s,
         [](CArchiveReader& r) { r.ReadText(); }},
        {"largest length", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s,
         [](CArchiveReader& r) { r.ReadText(); }},
        {"UTF-16 marker only", "\xFF\xFE\xFF"s, [](CArchiveReader& r) { r.ReadText(); }},
        {"odd UTF-16",
         "\xFF\xFE\xFF\x02"
         "a\0b"s,
         [](CArchiveReader& r) { r.ReadText(); }},
        {"huge UTF-16",
         "\xFF\xFE\xFF\xFF\xFF\xFF\x00\x00\x00\x80"
         "ab"s,
         [](CArchiveReader& r) { r.ReadText(); }},
        {"count", "\x01"s, [](CArchiveReader& r) { r.ReadCount(0); }},
        {"4-byte count", "\xFF\xFF\x01\x00"s, [](CArchiveReader& r) { r.ReadCount(0); }},
        {"largest count", "\xFF\xFF\xFF\xFF\xFF\xFF"s + std::string(1000, 0),
         [](CArchiveReader& r) { r.ReadCount(27); }},
        {"count over the rest", "\x03\x00"s + std::string(80, 0),
         [](CArchiveReader& r) { r.ReadCount(27); }},
    };
    for (const auto& c : cases) {
        CArchiveReader reader(c.bytes, "short.Dat");
        EXPECT_THROW(c.read(reader), CFileError) << c.what;
    }
}

TEST(ArchiveReaderTest, CountThatTheRestCanHoldIsAccepted) {
    const std::string bytes = "\x03\x00"s + std::string(81, 0);
    CArchiveReader reader(bytes, "test");
    EXPECT_EQ(reader.ReadCount(27), 3u);
}

}  // namespace
