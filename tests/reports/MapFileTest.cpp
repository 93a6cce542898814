// The map file: exact bytes, both encodings, round trips and refused damaged files.
#include "TestSupport.h"
#include "support/FileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

class MapFile : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("lorvane_mapfile_" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    [[nodiscard]] std::string Path(const std::string& name) const {
        return (m_dir / name).string();
    }
    static std::string Bytes(const std::string& path) { return readWholeFile(path).value_or(""); }
    static void Write(const std::string& path, const std::string& bytes) {
        ASSERT_FALSE(writeFileAtomically(path, bytes).has_value());
    }
    static std::string Header(int n, int bitSave, int rows, int cols) {
        return std::string{'C',
                           'C',
                           'S',
                           ' ',
                           1,
                           static_cast<char>(n),
                           static_cast<char>(bitSave),
                           static_cast<char>(rows),
                           static_cast<char>(cols),
                           0,
                           0,
                           0};
    }

    fs::path m_dir;
};

TEST_F(MapFile, TwoVariablesWithBitSaveIsFourteenBytes) {
    TestMap map(2);
    map.Set({0, 3}, "1");
    map.Set({1}, "*");
    map.grid.BitSave = true;
    ASSERT_TRUE(map.grid.SaveToFile(Path("m.lvn")));
    // Cell order is column by column: (1,1)=m0, (1,2)=m2, (2,1)=m1, (2,2)=m3.
    EXPECT_EQ(Bytes(Path("m.lvn")), (Header(2, 1, 2, 2) + std::string{'\x90', '\x20'}));
}

TEST_F(MapFile, FourVariablesAllOnesIsTwentyEightBytes) {
    TestMap map(4);
    map.FillAll("1");
    ASSERT_TRUE(map.grid.SaveToFile(Path("m.lvn")));
    EXPECT_EQ(Bytes(Path("m.lvn")), Header(4, 0, 4, 4) + std::string(16, '\x01'));
}

TEST_F(MapFile, SizesOfBothEncodings) {
    const int byteSizes[] = {16, 20, 28, 44, 76, 140, 268};
    const int bitSizes[] = {14, 14, 16, 20, 28, 44, 76};
    for (int n = 2; n <= 8; ++n) {
        TestMap map(n);
        map.grid.SaveToFile(Path("b.lvn"));
        map.grid.BitSave = true;
        map.grid.SaveToFile(Path("p.lvn"));
        EXPECT_EQ(Bytes(Path("b.lvn")).size(), static_cast<std::size_t>(byteSizes[n - 2])) << n;
        EXPECT_EQ(Bytes(Path("p.lvn")).size(), static_cast<std::size_t>(bitSizes[n - 2])) << n;
    }
}

TEST_F(MapFile, RandomMapsRoundTripInBothEncodings) {
    std::mt19937 random(7);
    const char* values[] = {"1", "0", "*", ""};
    for (int i = 0; i < 60; ++i) {
        const int n = 2 + i % 7;
        TestMap map(n);
        for (int m = 0; m < 1 << n; ++m)
            map.Set({m}, values[random() % 4]);
        map.grid.BitSave = i % 2 == 0;
        ASSERT_TRUE(map.grid.SaveToFile(Path("r.lvn")));
        TestMap loaded(3);
        ASSERT_TRUE(loaded.grid.LoadFromFile(Path("r.lvn")));
        ASSERT_EQ(loaded.grid.GetVariableCount(), n);
        EXPECT_EQ(loaded.grid.FillState, 2);
        for (int m = 0; m < 1 << n; ++m) {
            const std::string expected = map.At(m).empty() ? "0" : map.At(m);
            ASSERT_EQ(loaded.At(m), expected) << "map " << i << " minterm " << m;
        }
        EXPECT_TRUE(loaded.messages.shown.empty());
    }
}

TEST_F(MapFile, ByteValuesAndBothPlanes) {
    Write(Path("bytes.lvn"), Header(2, 0, 2, 2) + std::string{7, 2, 1, 0});
    TestMap map(4);
    ASSERT_TRUE(map.grid.LoadFromFile(Path("bytes.lvn")));
    EXPECT_EQ(map.grid.Cells(1, 1), "7");
    EXPECT_EQ(map.grid.Cells(1, 2), "*");
    EXPECT_EQ(map.grid.Cells(2, 1), "1");
    EXPECT_EQ(map.grid.Cells(2, 2), "0");

    // Any non-zero flag selects the planes; a cell set in both planes is "*"; version ignored.
    std::string header = Header(2, 5, 2, 2);
    header[4] = 9;
    Write(Path("planes.lvn"), header + std::string{'\xC0', '\x40'});
    ASSERT_TRUE(map.grid.LoadFromFile(Path("planes.lvn")));
    EXPECT_EQ(map.grid.Cells(1, 1), "1");
    EXPECT_EQ(map.grid.Cells(1, 2), "*");
    EXPECT_EQ(map.grid.Cells(2, 1), "0");
}

TEST_F(MapFile, CellsTheByteBodyCannotHoldAreReportedAndKeepTheirPlaces) {
    TestMap map(2);
    map.grid.SetCells(1, 1, "2");
    map.grid.SetCells(1, 2, "abc");
    map.grid.SetCells(2, 1, "200");
    map.grid.SetCells(2, 2, "1");
    EXPECT_FALSE(map.grid.SaveToFile(Path("m.lvn")));
    const std::string bytes = "; a map file stores empty, 0, 1, * and the numbers 3 to 255)";
    EXPECT_EQ(map.messages.Texts(),
              (std::vector<std::string>{
                  "File write error (\"" + Path("m.lvn") + "\": minterm 0 holds \"2\"" + bytes,
                  "File write error (\"" + Path("m.lvn") + "\": minterm 2 holds \"abc\"" + bytes}));
    EXPECT_EQ(Bytes(Path("m.lvn")), (Header(2, 0, 2, 2) + std::string{0, 0, '\xC8', 1}));
}

TEST_F(MapFile, CellsTheBitPlanesCannotHoldAreReportedOrWriteNothing) {
    TestMap map(2);
    map.grid.BitSave = true;
    map.grid.SetCells(1, 1, "7");
    map.grid.SetCells(1, 2, "*");
    map.grid.SetCells(2, 1, "<x>");
    map.grid.SetCells(2, 2, "1");
    EXPECT_FALSE(map.grid.SaveToFile(Path("m.lvn")));
    const std::string planes = "; a map file in bit form stores empty, 0, 1 and *)";
    EXPECT_EQ(
        map.messages.Texts(),
        (std::vector<std::string>{
            "File write error (\"" + Path("m.lvn") + "\": minterm 0 holds \"7\"" + planes,
            "File write error (\"" + Path("m.lvn") + "\": minterm 1 holds \"<x>\"" + planes}));
    EXPECT_EQ(Bytes(Path("m.lvn")), (Header(2, 1, 2, 2) + std::string{'\x10', '\x40'}));

    Write(Path("kept.lvn"), "kept");
    for (const bool bitSave : {true, false}) {
        map.grid.BitSave = bitSave;
        EXPECT_FALSE(map.grid.SaveToFile(Path("kept.lvn"), TLossyCells::WriteNothing));
        EXPECT_EQ(Bytes(Path("kept.lvn")), "kept");
    }
    EXPECT_EQ(map.messages.shown.size(), 2U + 2U + 1U);
}

TEST_F(MapFile, DamagedFilesAreRefusedAndLeaveEverythingAsItWas) {
    const std::string planes(2, '\0');
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {"short.lvn", Header(4, 0, 4, 4) + std::string(15, '\x01')},
        {"shortplanes.lvn", Header(8, 1, 16, 16) + std::string(63, '\x01')},
        {"nine.lvn", Header(9, 0, 16, 32) + std::string(512, '\x01')},
        {"one.lvn", Header(1, 0, 1, 2) + std::string(2, '\x01')},
        {"disagree.lvn", Header(4, 0, 16, 16) + std::string(256, '\x01')},
        {"header.lvn", std::string("CCS \x01\x04", 6)}};
    for (const auto& [name, bytes] : damaged) {
        Write(Path(name), bytes);
        TestMap map(3);
        map.Set({5}, "*");
        map.tree.lines = {"root"};
        EXPECT_FALSE(map.grid.LoadFromFile(Path(name))) << name;
        EXPECT_EQ(map.grid.GetVariableCount(), 3) << name;
        EXPECT_EQ(map.At(5), "*") << name;
        EXPECT_EQ(map.tree.lines, std::vector<std::string>{"root"}) << name;
        ASSERT_EQ(map.messages.shown.size(), 1U) << name;
        EXPECT_EQ(map.messages.shown[0].kind, MsgKind::Error) << name;
        EXPECT_EQ(map.messages.shown[0].text.rfind("Invalid map file \"" + Path(name) + "\": ", 0),
                  0U)
            << name;
    }
}

TEST_F(MapFile, SignatureMissingFileAndResultsQuestion) {
    Write(Path("other.lvn"), "PK\x03\x04 something else");
    Write(Path("tiny.lvn"), "CC");
    TestMap map(3);
    EXPECT_FALSE(map.grid.LoadFromFile(Path("other.lvn")));
    EXPECT_FALSE(map.grid.LoadFromFile(Path("tiny.lvn")));
    EXPECT_EQ(map.messages.Texts(),
              (std::vector<std::string>{
                  "File type mistmatch. (\"" + Path("other.lvn") + "\" is no map file)",
                  "File type mistmatch. (\"" + Path("tiny.lvn") + "\" is no map file)"}));
    EXPECT_FALSE(map.grid.LoadFromFile(Path("missing.lvn")));
    EXPECT_EQ(map.messages.shown.size(), 2U);

    Write(Path("good.lvn"), Header(2, 0, 2, 2) + std::string{1, 1, 1, 1});
    map.tree.lines = {"root", "  term"};
    map.messages.answers = {MsgAnswer::Cancel};
    ASSERT_TRUE(map.grid.LoadFromFile(Path("good.lvn")));
    EXPECT_EQ(map.messages.shown.back().text, "Results of analyze will be lost, Continue?");
    EXPECT_EQ(map.messages.shown.back().kind, MsgKind::Information);
    EXPECT_EQ(map.tree.Count(), 2);
    EXPECT_EQ(map.grid.GetVariableCount(), 2);
    map.messages.answers = {MsgAnswer::Ok};
    ASSERT_TRUE(map.grid.LoadFromFile(Path("good.lvn")));
    EXPECT_EQ(map.tree.Count(), 0);
}

TEST_F(MapFile, FailedSaveKeepsThePreviousFile) {
    TestMap map(2);
    map.FillAll("1");
    ASSERT_TRUE(map.grid.SaveToFile(Path("keep.lvn")));
    const std::string before = Bytes(Path("keep.lvn"));
    EXPECT_FALSE(map.grid.SaveToFile(Path("no/such/folder/x.lvn")));
    ASSERT_EQ(map.messages.shown.size(), 1U);
    EXPECT_EQ(map.messages.shown[0].kind, MsgKind::Error);
    EXPECT_NE(map.messages.shown[0].text.find("x.lvn"), std::string::npos);
    EXPECT_EQ(Bytes(Path("keep.lvn")), before);
    EXPECT_FALSE(fs::exists(Path("keep.lvn.part")));
}

} // namespace
