// The map document: loading by content, saving in a format, the modified state and the undo
// history, all without a window.
#include "document/MapDocument.h"
#include "TestSupport.h"
#include "support/FileWriter.h"

#include <gtest/gtest.h>

namespace {

/// A document with recording ports, and what its history and chooser were told.
struct Document {
    MapDocument document;
    FakeMessageBox messages;
    FakeTree tree;
    int restored = 0;
    int changes = 0;
    std::vector<std::vector<std::string>> offered;
    std::optional<std::size_t> choice = 1;

    Document() {
        grid().SetMessageBox(&messages);
        grid().SetTreeView(&tree);
        document.SetRestoredListener([this] { ++restored; });
        document.History().SetListener([this] { ++changes; });
    }
    TCarnoGrid& grid() { return document.Grid(); }
    MapHistory& history() { return document.History(); }
    void Set(int m, const std::string& value) {
        const CellPos cell = grid().CellOfMinterm(m);
        grid().SetCells(cell.col, cell.row, value);
    }
    bool Load(const std::string& path, bool plaExpected = false) {
        return document.Load(path, plaExpected, [this](const std::vector<std::string>& labels) {
            offered.push_back(labels);
            return choice;
        });
    }
};

class MapDocumentTest : public testing::Test {
protected:
    ScratchFolder m_folder{"document"};
    Document m_doc;

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = m_folder.Path(name);
        EXPECT_FALSE(writeFileAtomically(path, bytes).has_value());
        return path;
    }
    /// A map file of `variables` variables with minterm 1 set, written under `name`.
    std::string MapFile(const std::string& name, int variables) {
        TestMap source(variables);
        source.Set({1}, "1");
        const std::string path = m_folder.Path(name);
        EXPECT_TRUE(source.grid.SaveToFile(path));
        return path;
    }
};

TEST(MapFormat, FollowsTheSuffixOfTheFileNameInAnyCase) {
    EXPECT_EQ(formatOfFileName("/maps/a.htm"), MapFormat::Html);
    EXPECT_EQ(formatOfFileName("/maps/a.HTML"), MapFormat::Html);
    EXPECT_EQ(formatOfFileName("/maps/a.Pla"), MapFormat::Pla);
    EXPECT_EQ(formatOfFileName("/maps/.pla"), MapFormat::Pla);
    EXPECT_EQ(formatOfFileName("/maps/a.lvn"), MapFormat::Map);
    EXPECT_EQ(formatOfFileName("/maps/a.pla.txt"), MapFormat::Map);
    EXPECT_EQ(formatOfFileName("/maps.pla/a"), MapFormat::Map);
    EXPECT_EQ(formatOfFileName("a"), MapFormat::Map);
}

TEST_F(MapDocumentTest, LoadsByContentWhateverTheName) {
    ASSERT_TRUE(m_doc.Load(MapFile("map.pla", 5)));
    EXPECT_EQ(m_doc.grid().GetVariableCount(), 5);
    EXPECT_TRUE(m_doc.document.FileIsMap());
    EXPECT_EQ(m_doc.document.FileName(), m_folder.Path("map.pla"));

    const std::string pla = Write("pla.lvn", "# made by hand\n\n.i 3\n.o 1\n1-1 1\n");
    ASSERT_TRUE(m_doc.Load(pla));
    EXPECT_EQ(m_doc.grid().GetVariableCount(), 3);
    EXPECT_FALSE(m_doc.document.FileIsMap());
    EXPECT_EQ(m_doc.document.FileName(), pla);
    EXPECT_TRUE(m_doc.offered.empty());
    EXPECT_TRUE(m_doc.messages.shown.empty());
}

TEST_F(MapDocumentTest, OtherContentGoesToTheReaderTheCallerExpects) {
    const std::string text = Write("notes.lvn", "hello\n");
    EXPECT_FALSE(m_doc.Load(text));
    EXPECT_FALSE(m_doc.Load(text, true));
    EXPECT_FALSE(m_doc.Load(Write("notes.PLA", "hello\n")));
    const std::vector<std::string> shown = m_doc.messages.Texts();
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_EQ(shown[0].find("Invalid PLA"), std::string::npos) << shown[0];
    EXPECT_EQ(shown[1].rfind("Invalid PLA file", 0), 0U) << shown[1];
    EXPECT_EQ(shown[2].rfind("Invalid PLA file", 0), 0U) << shown[2];
    EXPECT_TRUE(m_doc.document.FileName().empty());
}

TEST_F(MapDocumentTest, APlaFileOfSeveralOutputsLoadsTheChosenOne) {
    const std::string pla = Write("gates.pla", ".i 2\n.o 2\n.ob and or\n11 11\n01 01\n10 01\n");
    m_doc.choice = std::nullopt;
    EXPECT_FALSE(m_doc.Load(pla));
    EXPECT_EQ(m_doc.grid().GetVariableCount(), 4);
    EXPECT_TRUE(m_doc.document.FileName().empty());
    m_doc.choice = 1;
    ASSERT_TRUE(m_doc.Load(pla));
    ASSERT_EQ(m_doc.offered.size(), 2U);
    EXPECT_EQ(m_doc.offered[1], (std::vector<std::string>{"and", "or"}));
    const TCarnoGrid& grid = m_doc.grid();
    EXPECT_EQ(grid.Cells(grid.CellOfMinterm(1).col, grid.CellOfMinterm(1).row), "1");
    EXPECT_EQ(grid.Cells(grid.CellOfMinterm(0).col, grid.CellOfMinterm(0).row), "0");
}

TEST_F(MapDocumentTest, OnlyAMapFileSavedCountsAsSaved) {
    m_doc.Set(3, "1");
    m_doc.history().Record();
    ASSERT_TRUE(m_doc.document.IsModified());
    EXPECT_FALSE(m_doc.document.Save(m_folder.Path("page.htm"), MapFormat::Html, false));
    EXPECT_FALSE(m_doc.document.Save(m_folder.Path("map.pla"), MapFormat::Pla, false));
    EXPECT_TRUE(m_doc.document.IsModified());
    EXPECT_TRUE(m_doc.document.FileName().empty());
    EXPECT_NE(readWholeFile(m_folder.Path("page.htm")).value_or("").find("<"), std::string::npos);
    EXPECT_NE(readWholeFile(m_folder.Path("map.pla")).value_or("").find(".i 4\n"),
              std::string::npos);

    ASSERT_TRUE(m_doc.document.Save(m_folder.Path("bits.lvn"), MapFormat::Map, true));
    EXPECT_FALSE(m_doc.document.IsModified());
    EXPECT_TRUE(m_doc.document.FileIsMap());
    EXPECT_EQ(m_doc.document.FileName(), m_folder.Path("bits.lvn"));
    EXPECT_EQ(readWholeFile(m_folder.Path("bits.lvn")).value_or("").at(6), 1); // bit planes
}

TEST_F(MapDocumentTest, HistoryRecordsRealChangesAndRestoresThem) {
    MapHistory& history = m_doc.history();
    const MapCells empty = m_doc.grid().Snapshot();
    history.Record();
    EXPECT_EQ(history.Count(), 0);
    EXPECT_EQ(m_doc.changes, 0);
    m_doc.Set(0, "1");
    history.Record();
    const MapCells one = m_doc.grid().Snapshot();
    m_doc.grid().SetVariableCount(6);
    history.Record();
    EXPECT_EQ(history.Count(), 2);
    EXPECT_EQ(m_doc.changes, 2);

    history.Undo();
    EXPECT_TRUE(m_doc.grid().Snapshot() == one);
    EXPECT_EQ(m_doc.grid().GetVariableCount(), 4);
    history.Undo();
    EXPECT_TRUE(m_doc.grid().Snapshot() == empty);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(m_doc.document.IsModified());
    EXPECT_EQ(m_doc.restored, 2);
    history.Redo();
    EXPECT_TRUE(m_doc.grid().Snapshot() == one);
    // A change after an undo drops what could have been redone.
    m_doc.Set(1, "*");
    history.Record();
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Count(), 2);
}

TEST_F(MapDocumentTest, UndoRecordsAChangeNotYetRecordedFirst) {
    m_doc.Set(0, "1");
    m_doc.history().Undo();
    EXPECT_EQ(m_doc.grid().Cells(1, 1), "");
    EXPECT_TRUE(m_doc.history().CanRedo());
}

TEST_F(MapDocumentTest, KeepsAHundredStepsAndForgetsADroppedSavedState) {
    MapHistory& history = m_doc.history();
    history.MarkSaved();
    for (int k = 0; k < MapHistory::kStepLimit + 5; ++k) {
        m_doc.Set(0, k % 2 == 0 ? "1" : "0");
        history.Record();
    }
    EXPECT_EQ(history.Count(), MapHistory::kStepLimit);
    while (history.CanUndo())
        history.Undo();
    EXPECT_TRUE(m_doc.document.IsModified()); // the saved state went with the oldest steps
}

TEST_F(MapDocumentTest, SavedMarksFollowUndoAndALoadStartsAFreshHistory) {
    MapHistory& history = m_doc.history();
    m_doc.Set(0, "1");
    history.Record();
    m_doc.Set(0, "0");
    history.MarkSaved();
    EXPECT_FALSE(m_doc.document.IsModified());
    history.Undo();
    EXPECT_TRUE(m_doc.document.IsModified());
    history.Redo();
    EXPECT_FALSE(m_doc.document.IsModified());
    // A change after an undo drops the saved state with the steps that could have been redone.
    history.Undo();
    m_doc.Set(2, "*");
    history.Record();
    history.Undo();
    EXPECT_TRUE(m_doc.document.IsModified());
    history.Redo();
    EXPECT_TRUE(m_doc.document.IsModified());

    ASSERT_TRUE(m_doc.Load(MapFile("three.lvn", 3)));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(m_doc.document.IsModified());
}

} // namespace

TEST_F(MapDocumentTest, AResultBelongsToTheMapItWasMadeFrom) {
    m_doc.Set(3, "1");
    m_doc.document.NoteAnalysis(m_doc.grid().Analyze(gmDNF).accepted);
    m_doc.history().Record();
    EXPECT_TRUE(m_doc.document.ResultIsCurrent());
    m_doc.Set(5, "1");
    m_doc.history().Record();
    EXPECT_FALSE(m_doc.document.ResultIsCurrent()) << "a cell changed";
    m_doc.history().Undo();
    EXPECT_TRUE(m_doc.document.ResultIsCurrent()) << "undone back to the analyzed cells";
    m_doc.grid().SetVariableName(2, "X");
    EXPECT_FALSE(m_doc.document.ResultIsCurrent()) << "the result's text names B";
    m_doc.grid().SetVariableName(2, "B");
    m_doc.grid().SetVariableCount(3);
    EXPECT_FALSE(m_doc.document.ResultIsCurrent()) << "another variable count";
    m_doc.grid().SetVariableCount(4);
    ASSERT_TRUE(m_doc.document.ResultIsCurrent());
    ASSERT_TRUE(m_doc.Load(MapFile("same.lvn", 4)));
    EXPECT_FALSE(m_doc.document.ResultIsCurrent()) << "a load starts without a result";
    m_doc.Set(0, "x");
    m_doc.document.NoteAnalysis(m_doc.grid().Analyze(gmDNF).accepted);
    EXPECT_FALSE(m_doc.document.ResultIsCurrent()) << "a refused map leaves no result";
}

TEST_F(MapDocumentTest, APlaFilesNamesGoWithItsMap) {
    m_doc.document.SetOptionNames({"P", "Q", "R", "S", "T", "U", "V", "W"});
    ASSERT_TRUE(m_doc.Load(Write("named.pla", ".i 3\n.o 1\n.ilb x y z\n1-- 1\n.e\n")));
    EXPECT_EQ(m_doc.grid().VariableNames(), (std::vector<std::string>{"X", "Y", "Z"}));
    ASSERT_TRUE(m_doc.Load(MapFile("eight.lvn", 8)));
    EXPECT_EQ(m_doc.grid().VariableNames(),
              (std::vector<std::string>{"P", "Q", "R", "S", "T", "U", "V", "W"}));
    ASSERT_TRUE(m_doc.Load(Write("unnamed.pla", ".i 2\n.o 1\n11 1\n.e\n")));
    EXPECT_EQ(m_doc.grid().VariableNames(), (std::vector<std::string>{"P", "Q"}));
}
