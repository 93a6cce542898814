// TInputFormula: the "Fill Map from Formula" dialog.
#pragma once

#include <QDialog>

#include <cstdint>

class IMessageBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TCarnoGrid;

/// Composes a formula from the variable list and the operator buttons, with a one-step undo,
/// a read-only view of the whole text and a history of confirmed formulas. Ok validates the
/// formula against the map's variable names and sets the map's FormulaType; filling the map
/// is the caller's.
class TInputFormula : public QDialog {
    Q_OBJECT
public:
    TInputFormula(TCarnoGrid& grid, IMessageBox& messages, QWidget* parent = nullptr);

    /// Fills the variable list (after clearing it).
    void SetVariables(const QStringList& names);
    /// Sets the formula box and the view.
    void SetFormula(const QString& text);
    [[nodiscard]] QString FormulaText() const;
    [[nodiscard]] QString ViewText() const;
    [[nodiscard]] QStringList History() const;
    [[nodiscard]] bool CanUndo() const;

    void ListBox1DblClick();  ///< insert the selected variable
    void ComboBox2DragDrop(); ///< a variable dropped on the formula box
    void Button1Click();      ///< "+"
    void Button2Click();      ///< "*"
    void Button4Click();      ///< "|"
    void Button5Click();      ///< "<-"
    void Button3Click();      ///< "Back"
    void ComboBox2Change(const QString& text);
    void BitBtn1Click(); ///< Ok
    void BitBtn2Click(); ///< Cancel

    /// Characters added by the last insertion; 0 when there is nothing to undo.
    std::uint8_t UndoLength = 0;
    /// Whether the dialog may close; cleared by a refused Ok.
    bool CloseAllowed = true;

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void Insert(const QString& text);
    void RemoveLast(int count);
    void SetBothTexts(const QString& text);

    TCarnoGrid& m_grid;
    IMessageBox& m_messages;
    QListWidget* ListBox1;
    QComboBox* ComboBox2;
    QPlainTextEdit* Memo1;
    QPushButton* Button3;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
};
