// TInputForm: the "Fill Map from Sets" dialog with a set text for each of 1, 0 and *.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

/// Appends the box's text to its drop-down list unless it is empty or listed already (letter
/// case not counted); the text stays as it is.
void rememberInHistory(QComboBox* box);

/// Lets an editable combo box suggest matching history entries in a pop-up list instead of
/// completing the typed text in place, so that the box always holds what the user typed or
/// chose.
void offerHistoryInList(QComboBox* box);

/// The drop-down items of a combo box, in order.
[[nodiscard]] QStringList comboItems(const QComboBox* box);

/// Collects the 1-set, the 0-set and the don't-care set. It examines nothing itself: the
/// caller applies the texts after the dialog has closed. Each box keeps a drop-down history
/// of the texts confirmed since the program started.
class TInputForm : public QDialog {
    Q_OBJECT
public:
    explicit TInputForm(QWidget* parent = nullptr);

    /// Sets the range label ("[0..15]").
    void SetRange(const QString& range);
    [[nodiscard]] QString Range() const;
    /// Text of set `index`: 0 the 1-set, 1 the 0-set, 2 the don't-care set.
    [[nodiscard]] QString SetText(int index) const;
    void SetSetText(int index, const QString& text);
    /// The drop-down history of set `index`.
    [[nodiscard]] QStringList History(int index) const;

    void BitBtn1Click(); ///< Ok: remember the texts, close with OK
    void BitBtn2Click(); ///< Cancel

private:
    QComboBox* m_sets[3];
    QLabel* Label5;
};
