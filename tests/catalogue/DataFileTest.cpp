#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/FileError.h"
#include "catalogue/UnitMgr.h"
#include "tests/support/ScratchDir.h"

namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

const std::string kEmptyCatalogue =
    "\x00\x00\x01\x00\x08Untitled\x07Unknown\x00\x00\x00\x00\x00\x00\x00"s;

std::string DataFile(const std::string& name) {
    return std::string(TARVO_TEST_DATA) + "/" + name;
}

std::string OneUnitCatalogue() {
    CUnitMgr catalogue;
    catalogue.AddOrUpdateUnit(CUnit("Distance", "inch (in.)", 1.0, 0.0));
    return catalogue.SaveToBytes();
}

TEST(DataFileTest, NewCatalogueBytes) {
    struct Case {
        std::string bytes;
        std::string expected;
        std::string sampleFile;
    };
    const std::vector<Case> cases = {
        {CUnitMgr().SaveToBytes(), kEmptyCatalogue, "Empty.Dat"},
        {OneUnitCatalogue(),
         kEmptyCatalogue.substr(0, 26) +
             "\x01\x00\x08"
             "Distance\x0Ainch (in.)\x00"s +
             "\x00\x00\x00\x00\x00\x00\xF0\x3F"s + std::string(16, '\0'),
         "OneUnit.Dat"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.bytes, c.expected) << c.sampleFile;
        EXPECT_EQ(c.bytes, CScratchDir::Read(DataFile(c.sampleFile)));
    }
    EXPECT_EQ(kEmptyCatalogue.size(), 28u);
    EXPECT_EQ(OneUnitCatalogue().size(), 73u);
}

TEST(DataFileTest, NameLengthForms) {
    struct Case {
        std::size_t length;
        std::string lengthBytes;
    };
    const std::vector<Case> cases = {
        {254, "\xFE"s},
        {255, "\xFF\xFF\x00"s},
        {65534, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
    };
    for (const auto& c : cases) {
        CUnitMgr catalogue;
        const std::string name(c.length, 'n');
        catalogue.AddOrUpdateUnit(CUnit("T", name, 2.0, 0.0));
        const std::string bytes = catalogue.SaveToBytes();
        const std::string expectedStart = kEmptyCatalogue.substr(0, 26) + "\x01\x00\x01T"s;
        EXPECT_EQ(bytes.substr(0, 30), expectedStart);
        EXPECT_EQ(bytes.substr(30, c.lengthBytes.size()), c.lengthBytes) << c.length;
        EXPECT_EQ(bytes.size(), 30 + c.lengthBytes.size() + c.length + 25);

        CUnitMgr loaded;
        loaded.LoadFromBytes(bytes);
        ASSERT_EQ(loaded.GetCount(), 1);
        EXPECT_TRUE(loaded.GetUnit(0).m_name == name);
    }
}

TEST(DataFileTest, NamesRoundTrip) {
    std::string everyByteName;
    for (int b = 1; b < 256; ++b) {
        everyByteName.push_back(static_cast<char>(b));
    }
    everyByteName.push_back('\0');
    struct Case {
        std::string what;
        std::string name;
    };
    const std::vector<Case> cases = {
        {"factory characters", "Celsius (°C) Israël (Shekel) m² m³"},
        {"Greek", "ohm (Ω)"},
        {"Cyrillic", "метр (м)"},
        {"outside the BMP", "emoji 😀"},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        CUnitMgr catalogue;
        catalogue.AddOrUpdateUnit(CUnit(c.name, c.name, 3.0, 1.0));
        CUnitMgr loaded;
        loaded.LoadFromBytes(catalogue.SaveToBytes());
        ASSERT_EQ(loaded.GetCount(), 1) << c.what;
        EXPECT_EQ(loaded.GetUnit(0).m_type, c.name) << c.what;
        EXPECT_EQ(loaded.GetUnit(0).m_name, c.name) << c.what;
    }

    // Every byte value in a stored name comes back as the same byte.
    const std::string file = kEmptyCatalogue.substr(0, 26) + "\x01\x00\x01T"s + "\xFF\x00\x01"s +
                             everyByteName + "\x00"s + std::string(24, '\0');
    CUnitMgr catalogue;
    catalogue.LoadFromBytes(file);
    ASSERT_EQ(catalogue.GetCount(), 1);
    EXPECT_EQ(catalogue.SaveToBytes(), file);
}

TEST(DataFileTest, SampleFilesSaveBackUnchanged) {
    for (const char* name : {"Empty.Dat", "OneUnit.Dat", "Custom.Dat"}) {
        const std::string bytes = CScratchDir::Read(DataFile(name));
        CUnitMgr catalogue;
        catalogue.LoadFromFile(DataFile(name));
        EXPECT_FALSE(catalogue.IsModified()) << name;
        EXPECT_EQ(catalogue.SaveToBytes(), bytes) << name;
    }
}

TEST(DataFileTest, HeaderAndReservedFieldsAreCarried) {
    CUnitMgr catalogue;
    catalogue.LoadFromFile(DataFile("Custom.Dat"));
    EXPECT_EQ(catalogue.m_headerNumber, 0x00020003u);
    EXPECT_EQ(catalogue.m_title, "Workshop units");
    EXPECT_EQ(catalogue.m_secondHeader, "Kolpa ë");
    EXPECT_EQ(catalogue.m_thirdHeader, "third");
    EXPECT_EQ(catalogue.m_headerValue, -5);
    ASSERT_EQ(catalogue.GetCount(), 3);
    const CUnit& celsius = catalogue.Units()[0];
    EXPECT_EQ(celsius.m_name, "Celsius (°C)");
    EXPECT_EQ(celsius.m_reservedText, "kept");
    EXPECT_EQ(celsius.m_reservedTime, 1234567890u);
    EXPECT_EQ(celsius.m_reservedNumber, -7);
    EXPECT_EQ(catalogue.Units()[1].m_reservedTime, 4294967295u);
    EXPECT_EQ(catalogue.Units()[1].m_offset, 32.0);
    EXPECT_EQ(catalogue.Units()[2].m_name, "ohm (Ω)");

    // Editing units leaves the header as it was read.
    catalogue.AddOrUpdateUnit(CUnit("Distance", "meter (m)", 1.0, 0.0));
    catalogue.RemoveUnit("Temperature", "Fahrenheit (°F)");
    CUnitMgr reloaded;
    reloaded.LoadFromBytes(catalogue.SaveToBytes());
    EXPECT_EQ(reloaded.m_title, "Workshop units");
    EXPECT_EQ(reloaded.m_secondHeader, "Kolpa ë");
    EXPECT_EQ(reloaded.m_headerValue, -5);
    EXPECT_EQ(reloaded.GetCount(), 3);
}

TEST(DataFileTest, Utf16TextsAreReadAndWrittenSingleByte) {
    CUnitMgr catalogue;
    catalogue.LoadFromFile(DataFile("Utf16Names.Dat"));
    ASSERT_EQ(catalogue.GetCount(), 1);
    EXPECT_EQ(catalogue.FindUnit("Temperature", "Celsius (°C)"), 0);
    const std::string expected = kEmptyCatalogue.substr(0, 26) + "\x01\x00"s + "\x0BTemperature" +
                                 "\x0C"
                                 "Celsius (\xB0"
                                 "C)\x00"s +
                                 "\x00\x00\x00\x00\x00\x00\xF0\x3F"s + std::string(16, '\0');
    EXPECT_EQ(catalogue.SaveToBytes(), expected);
}

TEST(DataFileTest, FactoryCatalogueSavesLoadsAndSavesIdentically) {
    CUnitMgr factory;
    factory.AddFactoryUnits();
    const std::string bytes = factory.SaveToBytes();
    CUnitMgr loaded;
    loaded.LoadFromBytes(bytes);
    EXPECT_EQ(loaded.GetCount(), 153);
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.SaveToBytes(), bytes);
    // Factory names are stored as Windows-1252 bytes.
    EXPECT_NE(bytes.find("\x0FIsra\xEBl (Shekel)"), std::string::npos);
}

TEST(DataFileTest, ExtraBytesAfterTheLastRecordAreIgnored) {
    CUnitMgr catalogue;
    catalogue.LoadFromBytes(OneUnitCatalogue() + "garbage\xFF\xFF"s);
    EXPECT_EQ(catalogue.GetCount(), 1);
    EXPECT_EQ(catalogue.SaveToBytes(), OneUnitCatalogue());
}

TEST(DataFileTest, FileCutAnywhereLoadsNoUnits) {
    CUnitMgr source;
    source.AddOrUpdateUnit(CUnit("Distance", "inch (in.)", 1.0, 0.0));
    source.AddOrUpdateUnit(CUnit("Distance", "foot (ft.)", 1.0 / 12, 0.0));
    source.AddOrUpdateUnit(CUnit("Temperature", "Ω", 1.0, 0.0));
    const std::string bytes = source.SaveToBytes();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        CUnitMgr catalogue;
        catalogue.AddFactoryUnits();
        EXPECT_THROW(catalogue.LoadFromBytes(bytes.substr(0, length)), CFileError) << length;
        EXPECT_EQ(catalogue.GetCount(), 0) << length;
    }
}

TEST(DataFileTest, ImpossibleSizesFailAtOnce) {
    const std::string header = kEmptyCatalogue.substr(0, 26);
    struct Case {
        std::string what;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"count 0xFFFFFFFF", header + "\xFF\xFF\xFF\xFF\xFF\xFF"s + std::string(100, '\0')},
        {"count 65534", header + "\xFE\xFF"s + std::string(27 * 1000, '\0')},
        {"count one too many", header + "\x02\x00"s + std::string(53, '\0')},
        {"title of 4 billion bytes", "\x00\x00\x01\x00\xFF\xFF\xFF\x00\x28\x6B\xEE"s + "abc"},
        {"UTF-16 title of 2^31 units", "\x00\x00\x01\x00\xFF\xFE\xFF\xFF\xFF\xFF\x00\x00\x00\x80"s},
        {"name of 4 billion bytes",
         header + "\x01\x00\x01T\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s + std::string(100, '\0')},
    };
    for (const auto& c : cases) {
        CUnitMgr catalogue;
        EXPECT_THROW(catalogue.LoadFromBytes(c.bytes), CFileError) << c.what;
        EXPECT_EQ(catalogue.GetCount(), 0) << c.what;
    }
}

TEST(DataFileTest, LoadingAMissingFileNamesThePath) {
    CScratchDir dir;
    const std::string path = (dir.Path() / "missing.Dat").string();
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    try {
        catalogue.LoadFromFile(path);
        FAIL() << "loaded a missing file";
    } catch (const CFileError& error) {
        EXPECT_EQ(error.Path(), path);
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
        EXPECT_FALSE(error.Reason().empty());
    }
    EXPECT_EQ(catalogue.GetCount(), 0);
    EXPECT_THROW(catalogue.LoadFromFile(dir.Path().string()), CFileError);
}

// A pipe or a device named like the catalogue must fail the load, not hang or fill memory.
TEST(DataFileTest, OnlyRegularFilesAreLoaded) {
    CScratchDir dir;
    const fs::path fifo = dir.Path() / "fifo.Dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path zero = dir.Path() / "zero.Dat";
    fs::create_symlink("/dev/zero", zero);
    for (const fs::path& path : {fifo, zero}) {
        CUnitMgr catalogue;
        catalogue.AddFactoryUnits();
        EXPECT_THROW(catalogue.LoadFromFile(path.string()), CFileError) << path;
        EXPECT_EQ(catalogue.GetCount(), 0) << path;
    }
}

TEST(DataFileTest, SaveToFileReplacesTheFileAndLeavesNoTemporary) {
    CScratchDir dir;
    const fs::path path = dir.Path() / "Tarvo.Dat";
    dir.Write("Tarvo.Dat", "old contents");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    catalogue.SetModified(true);
    catalogue.SaveToFile(path.string());
    EXPECT_TRUE(catalogue.IsModified());
    EXPECT_EQ(CScratchDir::Read(path), catalogue.SaveToBytes());
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Tarvo.Dat"});
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    CUnitMgr loaded;
    loaded.LoadFromFile(path.string());
    EXPECT_EQ(loaded.GetCount(), 153);

    // A relative name is taken from the current directory.
    const fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    CUnitMgr().SaveToFile("Relative.Dat");
    fs::current_path(previous);
    EXPECT_EQ(CScratchDir::Read(dir.Path() / "Relative.Dat"), kEmptyCatalogue);
}

TEST(DataFileTest, SaveThroughASymbolicLinkUpdatesTheLinkedFile) {
    CScratchDir dir;
    dir.Write("real.Dat", "old");
    fs::create_symlink("real.Dat", dir.Path() / "link.Dat");
    CUnitMgr().SaveToFile((dir.Path() / "link.Dat").string());
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.Dat"));
    EXPECT_EQ(CScratchDir::Read(dir.Path() / "real.Dat"), kEmptyCatalogue);
}

TEST(DataFileTest, FailedSavesNameThePathAndLeaveNoTemporary) {
    CScratchDir dir;
    fs::create_directory(dir.Path() / "folder.Dat");
    const std::vector<std::string> targets = {
        "",
        (dir.Path() / "no such dir" / "Tarvo.Dat").string(),
        (dir.Path() / "folder.Dat").string(),
    };
    for (const auto& target : targets) {
        try {
            CUnitMgr().SaveToFile(target);
            FAIL() << "saved to " << target;
        } catch (const CFileError& error) {
            EXPECT_EQ(error.Path(), target);
            EXPECT_FALSE(error.Reason().empty());
        }
    }
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"folder.Dat"});
}

/// Lets this process write files of at most limit bytes (a full disk, even for root).
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t limit) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~CFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(DataFileTest, WriteFailureKeepsTheOldFile) {
    CScratchDir dir;
    const fs::path path = dir.Path() / "Tarvo.Dat";
    const std::string old = OneUnitCatalogue();
    dir.Write("Tarvo.Dat", old);
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    {
        const CFileSizeLimit limit(1000);
        try {
            catalogue.SaveToFile(path.string());
            FAIL() << "saved past the file size limit";
        } catch (const CFileError& error) {
            EXPECT_EQ(error.Path(), path.string());
            EXPECT_FALSE(error.Reason().empty());
        }
    }
    EXPECT_EQ(CScratchDir::Read(path), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Tarvo.Dat"});
}

}  // namespace
