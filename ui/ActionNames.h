// The object names of the menu commands that carry no number: tests, the screenshot tour and
// the language files ("Form1.ShowAllGroups.Caption=...") find the commands by them.
#pragma once

namespace ActionName {

// File menu
inline constexpr char SaveMap[] = "SaveMap";
inline constexpr char ExportMapImage[] = "ExportMapImage";
inline constexpr char Print[] = "Print";
inline constexpr char PrintPreview[] = "PrintPreview";
inline constexpr char ExportPdf[] = "ExportPdf";
inline constexpr char PrintSteps[] = "PrintSteps";
inline constexpr char PrintSeparator[] = "PrintSeparator";
inline constexpr char PrintEndSeparator[] = "PrintEndSeparator";

// Map menu and the map's popup menu
inline constexpr char UndoMapChange[] = "UndoMapChange";
inline constexpr char RedoMapChange[] = "RedoMapChange";
inline constexpr char EditSeparator[] = "EditSeparator";
inline constexpr char CopyCells[] = "CopyCells";
inline constexpr char PasteCells[] = "PasteCells";
inline constexpr char EditEndSeparator[] = "EditEndSeparator";
inline constexpr char CellsPopupSeparator[] = "CellsPopupSeparator";
inline constexpr char GroupsSeparator[] = "GroupsSeparator";
inline constexpr char ShowAllGroups[] = "ShowAllGroups";
inline constexpr char ShowSteps[] = "ShowSteps";
inline constexpr char ShowMintermNumbers[] = "ShowMintermNumbers";

// The result tree's popup menu
inline constexpr char SolutionsSeparator[] = "SolutionsSeparator";
inline constexpr char MinimumSolutions[] = "MinimumSolutions";
inline constexpr char CopyResultAs[] = "CopyResultAs";
inline constexpr char CopyResultAsPlain[] = "CopyResultAsPlain";
inline constexpr char CopyResultAsVerilog[] = "CopyResultAsVerilog";
inline constexpr char CopyResultAsVhdl[] = "CopyResultAsVhdl";
inline constexpr char CopyResultAsLatex[] = "CopyResultAsLatex";
inline constexpr char CopyResultAsC[] = "CopyResultAsC";

} // namespace ActionName
