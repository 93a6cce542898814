// TForm1: the main window with the map, the tool panel, the result tree and every command.
#pragma once

#include "app/QtPorts.h"
#include "ui/AppContext.h"

#include <QMainWindow>

#include <cstdint>
#include <string>

class CarnoGridView;
class EditCommands;
class MapDocument;
class MapHistory;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class ResultCommands;
class TCarnoGrid;
class UpDownControl;
struct AppWindows;
struct Settings;

/// The single working window. It sequences calls into the map and the dialogs and keeps the
/// Report command in step with the map; it minimizes and formats nothing itself. Handlers are
/// named after the control that triggers them, as the language files name the controls.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    /// The window shows and edits `document` and follows `settings`; both outlive it.
    TForm1(const AppContext& context, MapDocument& document, const Settings& settings,
           QWidget* parent = nullptr);
    ~TForm1() override;

    /// Gives the window the other windows, once they all exist.
    void SetWindows(const AppWindows* windows) { m_windows = windows; }

    [[nodiscard]] TCarnoGrid& Grid();
    [[nodiscard]] CarnoGridView* MapView() const { return CarnoGrid1; }
    [[nodiscard]] QTreeWidget* ResultTree() const { return TreeView; }
    [[nodiscard]] const QString& ProgramFolder() const { return m_context.programFolder; }
    [[nodiscard]] QString MapHint() const;
    /// The undo history of the map's cells.
    [[nodiscard]] MapHistory& History() const;
    /// Whether the map has changes that no file holds.
    [[nodiscard]] bool IsModified() const;

    /// Number of the name the save dialog proposes next ("Map0", "Map1", ...).
    std::uint8_t SaveCounter = 0;

    // Commands: file
    void N18Click(); ///< Open Map
    void N5Click();  ///< Save as
    void N19Click(); ///< Exit
    // Commands: map
    void FillWith(const std::string& value); ///< Fill with 1, 0, * or empty (Clear)
    void N22Click();                         ///< Formula
    void N23Click();                         ///< Set's
    void N28Click();                         ///< Truth Table
    void N25Click();                         ///< Analyze
    void N26Click();                         ///< Map font
    void N27Click();                         ///< Products colour
    void N13Click();                         ///< Options
    void N16Click();                         ///< Help
    void N17Click();                         ///< About
    void N4Click();                          ///< Result font
    void N14Click();                         ///< Paste result to the formula dialog
    void ReportBtnClick();

    // Events of the controls
    void CarnoGrid1KeyDown(int key);
    void TreeViewChange(QTreeWidgetItem* node);
    void Edit1Change(const QString& text);
    void UpDown1ChangingEx(int requested, bool& allow);
    /// Rebuilds the map hint from the variable count and names.
    void BuildMapHint();
    /// Applies the three map switches of the settings to the map view.
    void ApplyMapSwitches();
    /// Gives the map pane the room the whole map needs, growing the window within the screen
    /// when the map does not fit.
    void FitMapPane();

signals:
    /// The window has closed for good; the application ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpWindow();
    void CreateMenus();
    void CreateLayout();
    void CreatePopupMenus();
    void CreateResultCommands();
    QWidget* CreateToolPanel();
    QWidget* CreateCountStrip();
    QWidget* CreateRightSide();
    QWidget* CreateResultArea();
    void ConnectGrid();
    void ConnectPorts();
    void SetDefaultNames();
    void LoadLanguage();
    void OpenInitialMap();
    void CentreOnScreen();
    void KeepOnScreen();
    void CreateEditCommands(QMenu* map);
    void SetTabOrder();
    void LoadMap(const QString& path, bool plaExpected = false);
    /// Asks "Save changes?" for a modified map; true when the caller may go on.
    [[nodiscard]] bool AskToSaveChanges();
    /// Saves to the map file in use, or through the save dialog; true when saved.
    [[nodiscard]] bool SaveChanges();
    void RecordMapChange();
    /// Brings the count box and the hint in step with a map an undo or redo put back.
    void RestoreControls();
    void UpdateTitle();
    void ShowResultLine();
    /// Marks a result on show that no longer belongs to the map, or unmarks it.
    void UpdateResultState();
    void FillFormulaVariables();
    [[nodiscard]] bool IsMenuKey(QObject* watched, QEvent* event) const;
    void SetReportEnabled(bool on);
    [[nodiscard]] bool FormCloseQuery();

    AppContext m_context;
    MapDocument& m_document;
    const Settings& m_settings;
    const AppWindows* m_windows = nullptr;

    // Created first: the ports below refer to them.
    CarnoGridView* CarnoGrid1;
    QTreeWidget* TreeView;
    QProgressBar* ProgressBar;
    QLineEdit* Edit1;
    UpDownControl* UpDown1;
    QPushButton* ReportBtn;
    QLineEdit* Edit2;     // the whole result line, read-only
    QLabel* m_resultNote; // says when the result on show belongs to an earlier map
    bool m_resultStale = false;
    QSplitter* Splitter1;
    QWidget* m_resultSide;
    QMenu* PopupMenu1;
    QMenu* PopupMenu2;

    ResultCommands* m_commands = nullptr; // owned as a child of the window
    QtResultTree m_treePort;
    QtProgressBar m_progressPort;
};
