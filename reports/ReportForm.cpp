// The "Report" dialog.
#include "reports/ReportForm.h"

TReport::TReport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Report"));
    setWindowTitle(QStringLiteral("Report"));
}
