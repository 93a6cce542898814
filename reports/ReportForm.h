// TReport: the "Report" dialog.
#pragma once

#include <QDialog>

/// The modal dialog that the Report button opens.
class TReport : public QDialog {
    Q_OBJECT
public:
    explicit TReport(QWidget* parent = nullptr);
};
