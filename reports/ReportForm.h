// TReport: the "Report" dialog, which chooses the content of a report and generates it.
#pragma once

#include "app/Application.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QToolButton;
struct ReportContent;

/// The modal dialog of the Report button. Its four boxes keep their state from one report to
/// the next; a successful generation shows the report in the viewer and closes the dialog, a
/// failed one shows why and leaves the dialog open.
class TReport : public QDialog {
    Q_OBJECT
public:
    /// `windows` is filled in as the windows are created; the dialog reads the main window
    /// and the viewer from it when it generates.
    TReport(const AppContext& context, const AppWindows* windows, QWidget* parent = nullptr);

    void SpeedButton1Click(); ///< Check All
    void BitBtn2Click();      ///< Generate

    /// The four boxes as they are ticked now.
    [[nodiscard]] ReportContent Content() const;
    /// The file the next report is written to: "Reports/report.htm" below the program folder,
    /// or below the per-user data folder when the program folder cannot be written.
    [[nodiscard]] QString ReportPath() const;

private:
    QGroupBox* CreateContentGroup();
    [[nodiscard]] std::vector<std::string> TreeLines() const;
    void SelectTreeLine(int k) const;

    AppContext m_context;
    const AppWindows* m_windows;
    QGroupBox* GroupBox1;
    QCheckBox* TTInc;
    QCheckBox* MapInc;
    QCheckBox* SetInc;
    QCheckBox* MapEach;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn2;
};
