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
//   Glue            the gluing analysis (engine/Gluing.h) on the function the map holds
//                   (engine/MapFunction.h): pair every target cell with its neighbours
//                   (level 2), then glue equal-sized terms into terms of twice the size, level
//                   by level (BuildPairs, BuildLevels), choose terms from the end of each
//                   level, largest first (ChooseCover), drop terms contained in others and
//                   terms made redundant by the others (RemoveContainedTerms,
//                   RemoveRedundantTerms); then build ResultText
//   result tree     one root line with the whole result, one child line per term
//
// The minimizers, the steps and the batch minimizer work on the function value
// (engine/function/BooleanFunction.h); the map converts to and from it (engine/MapFunction.h).
// The window system is reached only through the ports of Ports.h. Conversions that other
// folders own are declared here and defined there: fills and sets in input/, the formula
// language in input/, the map file and HTML export in reports/.
#pragma once

#include "engine/MapTerms.h"
#include "engine/Ports.h"
#include "engine/function/CellSet.h"
#include "engine/function/GlueMethod.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// How far an Analyze got.
struct AnalyzeOutcome {
    /// False when the map was refused ("Invalid data in cell."): there is no result.
    bool accepted = false;
    /// False only when the exact search stopped at its time budget before proving the minimum.
    bool proven = true;
};

/// What SaveToFile does when the map holds a cell its file body cannot hold.
enum class TLossyCells : std::uint8_t { WriteTheRest, WriteNothing };

/// Reading of a formula: SOP ("+" between products) or POS ("*" between sums).
enum TFormulaType : std::uint8_t { ftSOP = 0, ftPOS = 1 };

/// The map's cell store with its variable count and fill state, as one value: cheap to keep,
/// compare and restore (an undo step holds two of them).
struct MapCells {
    static constexpr int kStoreSize = 32;
    using Store = std::array<std::array<std::string, kStoreSize + 1>, kStoreSize + 1>;

    Store cells{};
    std::uint8_t variableCount = 4;
    std::uint8_t fillState = 0;

    bool operator==(const MapCells&) const = default;
};

/// The function as one character per minterm number (code 0 for an empty cell).
struct FunctionTable {
    std::uint8_t VariableCount = 0;
    std::vector<char> Values;
};

class TCarnoGrid {
public:
    static constexpr int kStoreSize = MapCells::kStoreSize;

    TCarnoGrid();

    // --- ports -----------------------------------------------------------------------------
    void SetMessageBox(IMessageBox* box) { m_messages = box; }
    void SetProgress(IProgressBar* bar) { m_progress = bar; }
    void SetTreeView(IResultTree* tree) { m_treeView = tree; }
    void SetView(IMapView* view) { m_view = view; }
    [[nodiscard]] IResultTree* GetTreeView() const { return m_treeView; }

    // --- geometry and cells ----------------------------------------------------------------
    /// Sets the number of variables (2..8); outside that range shows "Invalid number of
    /// variables" and changes nothing. Cell texts are kept.
    void SetVariableCount(int value);
    [[nodiscard]] int GetVariableCount() const { return m_variableCount; }
    [[nodiscard]] int GetColVarCount() const { return m_colVarCount; }
    [[nodiscard]] int GetRowVarCount() const { return m_rowVarCount; }
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

    /// The whole cell store, the variable count and the fill state as one value.
    [[nodiscard]] MapCells Snapshot() const;
    /// Puts a snapshot back: the store, then the variable count (labels and geometry follow);
    /// the view is repainted once. Results and names are left as they are.
    void Restore(const MapCells& cells);

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
    /// Value code of a cell text: "1" -> vcOne, "0" -> vcZero, anything else -> vcDontCare.
    [[nodiscard]] static TValueCode CellCode(const std::string& text);
    /// Row label (last RowVarCount digits) of data row `row`.
    [[nodiscard]] std::string RowLabel(int row) const;
    /// Column label (last ColVarCount digits) of data column `col`.
    [[nodiscard]] std::string ColLabel(int col) const;

    /// Shows "Invalid data in cell." and returns false at the first cell that is not empty
    /// and not exactly "0", "1" or "*".
    [[nodiscard]] bool ValidateCells();
    /// True when every data cell is empty or exactly "0", "1" or "*"; shows nothing.
    [[nodiscard]] bool CellsValid() const;
    /// True for the texts a data cell may hold: empty, "0", "1" or "*".
    [[nodiscard]] static bool IsCellValue(const std::string& text);

    // --- names, flags, state ---------------------------------------------------------------
    /// Name of variable `i` (1..8): written for it in every term and formula. Upper case, at
    /// most 10 characters as the options and the command line set them.
    [[nodiscard]] const std::string& VariableName(int i) const;
    void SetVariableName(int i, std::string name);
    /// Names of variables 1..n, in order.
    [[nodiscard]] std::vector<std::string> VariableNames() const;
    TGlueMethod GlueMethod = gmDNF;
    /// Products colour as 0x00BBGGRR, the value the settings file keeps as ProductsColor.
    std::uint32_t TermColor = 0;
    bool BitSave = false;
    TFormulaType FormulaType = ftSOP;
    /// 2 after a map file was loaded; makes the next CleareCard empty the whole store.
    std::uint8_t FillState = 0;
    std::string ResultText;

    // --- minimizer -------------------------------------------------------------------------
    /// The Analyze command: empties the result tree, sets GlueMethod to `method`, writes the
    /// non-target value into every empty data cell and runs Test (or TestExact when `exact`).
    AnalyzeOutcome Analyze(TGlueMethod method, bool exact = false);
    /// Validates, analyses and writes the result tree; shows "Analyze Complete.".
    void Test();
    /// Runs the gluing analysis on the function the map holds under GlueMethod (empty and
    /// invalid cells count as neither target nor "*"): keeps its term levels, result terms,
    /// covered cells and target count, advances the progress port and builds ResultText.
    void Glue();
    /// Text of a term in the notation of the formula language ("|A*B" or "A+|B").
    [[nodiscard]] std::string TermText(const TTermItem& term) const;
    /// What joins the terms of a result: "+" for a sum of products, "*" for a product of sums.
    [[nodiscard]] const char* TermSeparator() const;
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
    [[nodiscard]] std::string ConstantText() const { return targetText(GlueMethod); }

    // --- fills and sets (input/Fill.cpp, input/Sets.cpp) -----------------------------------
    /// Sets every data cell to `value`, after asking whether a shown result may be dropped.
    void FillCard(const std::string& value);
    /// Empties the whole 32 x 32 store if a map file was loaded since the last clearing.
    void CleareCard();
    /// Sets the cells that the set text names ("0,2,5-7") to `value`. Returns false (after a
    /// message) when the text is refused; then nothing of it is applied.
    bool AnalyzeWorkString(const std::string& setText, const std::string& value);
    /// Applies the set texts of the "Fill Map from Sets" dialog: the 1-set, then the 0-set,
    /// then the don't-care set, so that the later one wins where they overlap. Empty texts are
    /// skipped; a refused text gets its message and the others are still applied. Returns
    /// false when any text was refused.
    bool ApplySets(const std::string& ones, const std::string& zeros, const std::string& dontCares);
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

    // --- truth table (input/TruthTableData.cpp) -------------------------------------------
    void MapToTruthTable(FunctionTable& table) const;

    // --- map file and HTML export (reports/) -----------------------------------------------
    /// Writes the map file. Every cell the chosen body cannot hold so that it reads back the
    /// same (the bit planes hold "1", "*", "0" and empty; the byte body also the numbers 3 to
    /// 255) shows "File write error"; with `lossy` WriteTheRest the other cells are still
    /// written in their places, with WriteNothing nothing is written. False after any message.
    bool SaveToFile(const std::string& path, TLossyCells lossy = TLossyCells::WriteTheRest);
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
    void FillEmptyCells(const std::string& value);

    MapCells::Store m_cells{};
    std::array<std::string, 9> m_variableNames; // index 0 unused

    std::vector<TCellItem> m_coveredCells;
    std::vector<TTermItem> m_resultTerms;
    std::vector<TLevelItem> m_termLevels;
    IProgressBar* m_progress = nullptr;
    IResultTree* m_treeView = nullptr;
    IMessageBox* m_messages = nullptr;
    IMapView* m_view = nullptr;
    std::uint8_t m_variableCount = 4;
    std::uint8_t m_colVarCount = 2;
    std::uint8_t m_rowVarCount = 2;
    int m_colCount = 5;
    int m_rowCount = 5;
    int m_targetCount = 0;
};
