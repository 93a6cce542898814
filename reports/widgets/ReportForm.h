// TReport: the "Report" dialog, which chooses the content of a report and generates it.
#pragma once

#include "ui/AppContext.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QToolButton;
class TCarnoGrid;
struct ReportContent;

/// What the report dialog reads from and does to the windows around it.
struct ReportLinks {
    /// The lines of the result tree: the whole result first, then one line per term.
    std::function<std::vector<std::string>()> resultLines;
    /// Selects term line `k` (from 1) of the result tree, which highlights its term in the map.
    std::function<void(int k)> selectResultLine;
    /// Shows a generated report file in the report viewer.
    std::function<void(const QString& path)> showReport;
};

/// The modal dialog of the Report button. Its content boxes keep their state from one report to
/// the next; a successful generation shows the report in the viewer and closes the dialog, a
/// failed one shows why and leaves the dialog open.
class TReport : public QDialog {
    Q_OBJECT
public:
    /// The report describes `grid` and the result lines that `links` reads.
    TReport(const AppContext& context, TCarnoGrid& grid, ReportLinks links,
            QWidget* parent = nullptr);

    void SpeedButton1Click(); ///< Check All
    void BitBtn2Click();      ///< Generate

    /// The content boxes as they are ticked now.
    [[nodiscard]] ReportContent Content() const;
    /// The file the next report is written to: "Reports/report.htm" below the program folder,
    /// or below the per-user data folder when the program folder cannot be written.
    [[nodiscard]] QString ReportPath() const;

private:
    QGroupBox* CreateContentGroup();

    AppContext m_context;
    TCarnoGrid& m_grid;
    ReportLinks m_links;
    QGroupBox* GroupBox1;
    QCheckBox* TTInc;
    QCheckBox* MapInc;
    QCheckBox* SetInc;
    QCheckBox* MapEach;
    QCheckBox* StepsInc;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn2;
};
