// TCarnoGrid: the Karnaugh map model, its minimizer and the conversions that read or write it.
//
// The map holds n = 2..8 variables: floor(n/2) row variables (the first ones) and ceil(n/2)
// column variables, rows and columns labelled with the reflected Gray code. A data cell
// (column c, row r, both from 1) stands for the minterm whose digits are its row label followed
// by its column label, variable 1 most significant. Cell texts live in a 32 x 32 store that
// keeps texts outside the current size, so shrinking and growing the map shows them again.
//
// Pipeline of one analysis (Test):
//   ValidateCells   refuse any cell that is not "", "0", "1" or "*"
//   Glue            pair every target cell with its neighbours (level 2), then glue equal-sized
//                   terms into terms of twice the size, level by level (BuildPairs, BuildLevels)
//                   choose terms from the end of each level, largest first (ChooseCover),
//                   drop terms contained in others and terms made redundant by the others
//                   (RemoveContainedTerms, RemoveRedundantTerms), build ResultText
//   result tree     one root line with the whole result, one child line per term
//
// The window system is reached only through the ports of Ports.h. Conversions that other
// folders own are declared here and defined there: fills and sets in input/, the formula
// language in input/, the map file and HTML export in reports/.
#pragma once

#include "engine/CellSet.h"
#include "engine/Ports.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// Kind of result: sum of products (target "1") or product of sums (target "0").
enum TGlueMethod : std::uint8_t { gmDNF = 0, gmKNF = 1 };

/// Reading of a formula: SOP ("+" between products) or POS ("*" between sums).
enum TFormulaType : std::uint8_t { ftSOP = 0, ftPOS = 1 };

/// One cell of a term: its position and the value code its text had when the term was made.
struct TCellItem {
    std::uint8_t col = 0;
    std::uint8_t row = 0;
    std::uint8_t code = 0; ///< 0 one, 1 zero, 2 don't care
};

/// One term: its cells in the order they were appended, and the same cells as a set.
struct TTermItem {
    std::vector<TCellItem> cells;
    CellSet set;
    bool taken = false;

    void Append(const TCellItem& cell);
    [[nodiscard]] int CellCount() const { return static_cast<int>(cells.size()); }
};

/// One level: every term of one size that the gluing found, in the order found.
struct TLevelItem {
    std::vector<TTermItem> terms;
    int size = 1;
};

/// The function as one character per minterm number (code 0 for an empty cell).
struct FunctionTable {
    std::uint8_t VariableCount = 0;
    std::vector<char> Values;
};

class TCarnoGrid {
public:
    static constexpr int kStoreSize = 32;

    TCarnoGrid();

    // --- ports -----------------------------------------------------------------------------
    void SetMessageBox(IMessageBox* box) { m_messages = box; }
    void SetProgress(IProgressBar* bar) { Progress = bar; }
    void SetTreeView(IResultTree* tree) { TreeView = tree; }
    void SetView(IMapView* view) { m_view = view; }
    [[nodiscard]] IResultTree* GetTreeView() const { return TreeView; }

    // --- geometry and cells ----------------------------------------------------------------
    /// Sets the number of variables (2..8); outside that range shows "Invalid number of
    /// variables" and changes nothing. Cell texts are kept.
    void SetVariableCount(int value);
    [[nodiscard]] int GetVariableCount() const { return VariableCount; }
    [[nodiscard]] int GetColVarCount() const { return ColVarCount; }
    [[nodiscard]] int GetRowVarCount() const { return RowVarCount; }
    /// Grid column count including the label column: data columns + 1.
    [[nodiscard]] int ColCount() const { return m_colCount; }
    /// Grid row count including the label row: data rows + 1.
    [[nodiscard]] int RowCount() const { return m_rowCount; }
    [[nodiscard]] int DataCols() const { return m_colCount - 1; }
    [[nodiscard]] int DataRows() const { return m_rowCount - 1; }

    /// Text of the cell at (col, row) of the 32 x 32 store; empty outside it.
    [[nodiscard]] const std::string& Cells(int col, int row) const;
    /// Writes a cell of the store; positions outside 1..32 are ignored.
    void SetCells(int col, int row, const std::string& text);

    /// Minterm number of the data cell (col, row) under the current variable count.
    [[nodiscard]] int MintermOf(int col, int row) const;
    /// Data cell of minterm `m` (0 .. 2^n - 1) under the current variable count.
    [[nodiscard]] CellPos CellOfMinterm(int m) const;

    // --- labels and helpers ----------------------------------------------------------------
    std::array<std::string, 256> ColLabels;
    std::array<std::string, 256> RowLabels;
    /// Writes the Gray-code labels for `bits` digits into `labels` (8-digit entries).
    static void MakeGrayLabels(int bits, std::array<std::string, 256>& labels);
    [[nodiscard]] static std::string ByteToBinary(int value);
    [[nodiscard]] static int BinaryToByte(const std::string& digits);
    /// Value code of a cell text: "1" -> 0, "0" -> 1, anything else -> 2.
    [[nodiscard]] static std::uint8_t CellCode(const std::string& text);
    /// Row label (last RowVarCount digits) of data row `row`.
    [[nodiscard]] std::string RowLabel(int row) const;
    /// Column label (last ColVarCount digits) of data column `col`.
    [[nodiscard]] std::string ColLabel(int col) const;

    /// Shows "Invalid data in cell." and returns false at the first cell that is not empty
    /// and not exactly "0", "1" or "*".
    [[nodiscard]] bool ValidateCells();

    // --- names, flags, state ---------------------------------------------------------------
    /// Names of variables 1..8 (index 0 unused), upper case, at most 10 characters.
    std::array<std::string, 9> VariableNames;
    TGlueMethod GlueMethod = gmDNF;
    /// Products colour in the window system's encoding: 0x00BBGGRR.
    std::uint32_t TermColor = 0;
    bool BitSave = false;
    TFormulaType FormulaType = ftSOP;
    /// 2 after a map file was loaded; makes the next CleareCard empty the whole store.
    std::uint8_t FillState = 0;
    std::string ResultText;

    // --- minimizer -------------------------------------------------------------------------
    /// Validates, analyses and writes the result tree; shows "Analyze Complete.".
    void Test();
    /// Builds the term levels, chooses the cover and builds ResultText.
    void Glue();
    /// Text of a term in the notation of the formula language ("|A*B" or "A+|B").
    [[nodiscard]] std::string TermText(const TTermItem& term) const;
    /// The texts of `terms` joined by the term separator, as ResultText is built.
    [[nodiscard]] std::string JoinTermTexts(const std::vector<TTermItem>& terms) const;
    /// Root-line caption for `terms`: their joined texts, or the constant when the one term
    /// spans the whole map; empty without a term.
    [[nodiscard]] std::string CaptionOf(const std::vector<TTermItem>& terms) const;
    /// Adds the root line and one child line per result term to the result tree.
    void ShowResultTree() const;
    /// Replaces the result by `terms` (in result order) and rebuilds ResultText; lets another
    /// minimizer's cover, or another minimum cover, be shown like the analysis result.
    void SetResultTerms(std::vector<TTermItem> terms);
    /// Like Test, but with the exact minimizer (engine/ExactMinimizer.cpp): validates, finds a
    /// cover with the fewest terms, then the fewest literals, and writes the result tree; warns
    /// when the time budget stopped the search before the minimum was proven. Returns false in
    /// that case only (a refused map returns true: there is no result to doubt).
    bool TestExact();
    /// Highlights the cells of result term `index` (from 0) on the view; nothing if none.
    void SelectTerm(int index);
    /// True when result term `k` (from 0) holds the cell (col, row).
    [[nodiscard]] bool IsCellOfTerm(int k, int col, int row) const;

    [[nodiscard]] const std::vector<TLevelItem>& TermLevels() const { return m_termLevels; }
    [[nodiscard]] const std::vector<TTermItem>& ResultTerms() const { return m_resultTerms; }
    [[nodiscard]] const std::vector<TCellItem>& CoveredCells() const { return m_coveredCells; }
    /// Number of target cells found by the last Glue.
    [[nodiscard]] int TargetCount() const { return m_targetCount; }
    /// "1" for a sum of products, "0" for a product of sums: the caption of a whole-map term.
    [[nodiscard]] std::string ConstantText() const { return GlueMethod == gmDNF ? "1" : "0"; }

    // --- fills and sets (input/Fill.cpp, input/Sets.cpp) -----------------------------------
    /// Sets every data cell to `value`, after asking whether a shown result may be dropped.
    void FillCard(const std::string& value);
    /// Empties the whole 32 x 32 store if a map file was loaded since the last clearing.
    void CleareCard();
    /// Sets the cells that the set text names ("0,2,5-7") to `value`. Returns false (after a
    /// message) when the text is refused; then nothing of it is applied.
    bool AnalyzeWorkString(const std::string& setText, const std::string& value);
    /// The 1-set, 0-set and don't-care set of the map, in map order.
    void MapToSets(std::string& ones, std::string& zeros, std::string& dontCares) const;

    // --- formula language (input/Formula.cpp) ----------------------------------------------
    /// 0 when every operand names a variable, else the position (from 1, spaces not counted)
    /// of the first bad operand; kFormulaTooLong for more than 255 characters without spaces.
    [[nodiscard]] int ValidateFormulaString(const std::string& formula) const;
    static constexpr int kFormulaTooLong = -1;
    /// The message a refused formula gets, for a non-zero result of ValidateFormulaString.
    [[nodiscard]] static std::string FormulaMessage(int validation);
    /// Writes the formula into the map under FormulaType.
    void AnalyzeFormulaString(const std::string& formula);

    // --- truth table (input/TruthTableModel.cpp) -------------------------------------------
    void MapToTruthTable(FunctionTable& table) const;

    // --- map file and HTML export (reports/) -----------------------------------------------
    /// Writes the map file; false (after a message) when it could not be written.
    bool SaveToFile(const std::string& path);
    /// Replaces the map by the file's content; false (after a message, or silently for a
    /// missing file) when the map was left as it was.
    bool LoadFromFile(const std::string& path);
    /// Writes the map as an HTML page; false (after a message) on failure.
    bool SaveToHTMLFile(const std::string& path);
    /// The map table as an HTML fragment with the cells of result term `termNo` coloured.
    void SaveToHTMLTemp(std::vector<std::string>& list, int termNo) const;

    /// Shows a message through the message-box port (answers OK/Yes without one).
    MsgAnswer Message(const std::string& text, MsgKind kind, MsgButtons buttons) const;
    /// Repaints the view, which drops any highlight.
    void Repaint() const;

private:
    void BuildPairs(int& targetCount);
    void BuildLevels();
    void ChooseCover();
    void RemoveContainedTerms();
    void RemoveRedundantTerms();
    void GlueLevel(const std::vector<TTermItem>& terms, std::vector<TTermItem>& glued);
    void TakeTerm(TTermItem& term);
    [[nodiscard]] bool AllCovered() const {
        return static_cast<int>(m_coveredCells.size()) == m_targetCount;
    }
    [[nodiscard]] bool Gluable(const TTermItem& x, const TTermItem& y) const;
    void AdvanceProgress(int step) const;

    std::array<std::array<std::string, kStoreSize + 1>, kStoreSize + 1> m_cells{};

    std::vector<TCellItem> m_coveredCells;
    CellSet m_covered;
    std::vector<TTermItem> m_resultTerms;
    std::vector<TLevelItem> m_termLevels;
    IProgressBar* Progress = nullptr;
    IResultTree* TreeView = nullptr;
    IMessageBox* m_messages = nullptr;
    IMapView* m_view = nullptr;
    int BlockWidth = 4;
    std::uint8_t VariableCount = 4;
    std::uint8_t ColVarCount = 2;
    std::uint8_t RowVarCount = 2;
    int m_colCount = 5;
    int m_rowCount = 5;
    int m_targetCount = 0;
    /// Neighbour cells of every cell under the current geometry, as sets.
    std::array<CellSet, 256> m_neighbours{};
};
