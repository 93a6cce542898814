// TTruthTableForm: the "Truth Table" dialog holding the truth-table control TruthTable1.
#pragma once

#include <QDialog>

class IMessageBox;
class TTruthTable;

/// The caller prepares the table, shows the dialog and reads the table after OK.
class TTruthTableForm : public QDialog {
    Q_OBJECT
public:
    explicit TTruthTableForm(IMessageBox* messages, QWidget* parent = nullptr);

    [[nodiscard]] TTruthTable* TruthTable1() const { return m_table; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TTruthTable* m_table;
};
