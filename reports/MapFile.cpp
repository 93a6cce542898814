// The map file: a 12-byte header and a byte body or a two-plane bit body.
#include "reports/MapFile.h"

#include "engine/CarnoGrid.h"
#include "input/VariableNames.h"
#include "support/FileWriter.h"
#include "support/Utf8.h"

#include <optional>
#include <vector>

namespace {

constexpr std::string_view kSignature = "CCS ";
constexpr std::size_t kHeaderSize = 12;
// The largest file is 268 bytes; anything after the body is never looked at.
constexpr std::size_t kReadLimit = 4096;

enum HeaderField { kVersion = 4, kVariables = 5, kBitSave = 6, kRows = 7, kCols = 8 };

/// The byte a cell text is stored as, or nothing when the byte body cannot hold the text so
/// that it reads back the same.
std::optional<unsigned char> cellByte(const std::string& text) {
    if (text.empty() || text == "0")
        return 0;
    if (text == "1")
        return 1;
    if (text == "*")
        return 2;
    if (text.size() > 3 || text[0] == '0' ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < 3 || value > 255)
        return std::nullopt;
    return static_cast<unsigned char>(value);
}

std::size_t planeBytes(int variables) {
    return ((std::size_t{1} << variables) + 7) / 8;
}

/// The reason a whole file cannot be loaded, if any, checked against its header.
std::optional<std::string> bodyProblem(const std::vector<unsigned char>& data) {
    if (data.size() < kHeaderSize)
        return "the header is incomplete.";
    const int n = data[kVariables];
    if (n < 2 || n > 8)
        return "the variable count " + std::to_string(n) + " is outside 2..8.";
    const int rows = data[kRows];
    const int cols = data[kCols];
    if (rows != 1 << (n / 2) || cols != 1 << (n - n / 2))
        return std::to_string(rows) + " rows and " + std::to_string(cols) + " columns do not fit " +
               std::to_string(n) + " variables.";
    const std::size_t body = data[kBitSave] ? 2 * planeBytes(n) : std::size_t(rows * cols);
    if (data.size() < kHeaderSize + body)
        return std::string("the file ends before its last cell.");
    return std::nullopt;
}

/// Checks a whole file against its header; returns the message naming the file and why it
/// cannot be loaded, if it cannot.
std::optional<std::string> checkBody(const std::string& path,
                                     const std::vector<unsigned char>& data) {
    if (const auto problem = bodyProblem(data))
        return "Invalid map file \"" + path + "\": " + *problem;
    return std::nullopt;
}

/// The message for a cell the file's body cannot hold: the file, the cell's minterm and text,
/// and what the body holds.
std::string lostCellMessage(const std::string& path, int minterm, const std::string& text,
                            bool bitSave) {
    constexpr std::size_t kShownCharacters = 20;
    std::string shown = escapedText(cutToCharacters(text, kShownCharacters));
    if (characterCount(text) > kShownCharacters)
        shown += "...";
    const char* holds = bitSave ? "a map file in bit form stores empty, 0, 1 and *"
                                : "a map file stores empty, 0, 1, * and the numbers 3 to 255";
    return "File write error (\"" + path + "\": minterm " + std::to_string(minterm) + " holds \"" +
           shown + "\"; " + holds + ")";
}

bool planeBit(const unsigned char* plane, int k) {
    return plane[k / 8] & (0x80 >> (k % 8));
}

} // namespace

bool looksLikeMapFile(std::string_view head) {
    return head.starts_with(kSignature);
}

bool TCarnoGrid::SaveToFile(const std::string& path, TLossyCells lossy) {
    const int rows = DataRows();
    const int cols = DataCols();
    std::string bytes = {'C',
                         'C',
                         'S',
                         ' ',
                         1,
                         static_cast<char>(m_variableCount),
                         static_cast<char>(BitSave ? 1 : 0),
                         static_cast<char>(rows),
                         static_cast<char>(cols),
                         0,
                         0,
                         0};
    std::vector<std::string> lost;
    auto lose = [&](int k) {
        const int col = k / rows + 1;
        const int row = k % rows + 1;
        lost.push_back(lostCellMessage(path, MintermOf(col, row), Cells(col, row), BitSave));
    };
    if (BitSave) {
        const std::size_t bytesPerPlane = planeBytes(m_variableCount);
        std::string ones(bytesPerPlane, '\0');
        std::string stars(bytesPerPlane, '\0');
        for (int k = 0; k < rows * cols; ++k) {
            const std::string& text = Cells(k / rows + 1, k % rows + 1);
            const char bit = static_cast<char>(0x80 >> (k % 8));
            if (text == "1")
                ones[static_cast<std::size_t>(k / 8)] |= bit;
            else if (text == "*")
                stars[static_cast<std::size_t>(k / 8)] |= bit;
            else if (!text.empty() && text != "0")
                lose(k);
        }
        bytes += ones + stars;
    } else {
        for (int k = 0; k < rows * cols; ++k) {
            const auto byte = cellByte(Cells(k / rows + 1, k % rows + 1));
            // A cell the file cannot hold still takes its place, so the cells after it keep
            // theirs.
            if (!byte)
                lose(k);
            bytes += static_cast<char>(byte.value_or(0));
        }
    }
    for (const std::string& message : lost)
        Message(message, MsgKind::Error, MsgButtons::Ok);
    if (!lost.empty() && lossy == TLossyCells::WriteNothing)
        return false;
    if (const auto error = writeFileAtomically(path, bytes)) {
        Message(*error, MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    return lost.empty();
}

bool TCarnoGrid::LoadFromFile(const std::string& path) {
    const FileRead read = readFileLimited(path, kReadLimit);
    if (read.missing)
        return false;
    if (read.error) {
        Message(*read.error, MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    const std::vector<unsigned char> data(read.bytes.begin(), read.bytes.end());

    if (!looksLikeMapFile(read.bytes)) {
        Message("File type mistmatch. (\"" + path + "\" is no map file)", MsgKind::Error,
                MsgButtons::Ok);
        return false;
    }
    if (const auto error = checkBody(path, data)) {
        Message(*error, MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    if (m_treeView && m_treeView->Count() > 0 &&
        Message("Results of analyze will be lost, Continue?", MsgKind::Information,
                MsgButtons::OkCancel) == MsgAnswer::Ok)
        m_treeView->Clear();

    CleareCard();
    const int n = data[kVariables];
    SetVariableCount(n);
    const int rows = data[kRows];
    const int cells = rows * data[kCols];
    const unsigned char* body = data.data() + kHeaderSize;
    if (data[kBitSave]) {
        const unsigned char* stars = body + planeBytes(n);
        for (int k = 0; k < cells; ++k) {
            const char* text = planeBit(stars, k) ? "*" : planeBit(body, k) ? "1" : "0";
            SetCells(k / rows + 1, k % rows + 1, text);
        }
    } else {
        for (int k = 0; k < cells; ++k) {
            const int b = body[k];
            SetCells(k / rows + 1, k % rows + 1, b == 2 ? std::string("*") : std::to_string(b));
        }
    }
    FillState = 2;
    return true;
}
