// The "Report View" window.
#include "reports/RepViewForm.h"

TRepView::TRepView(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("RepView"));
    setWindowTitle(QStringLiteral("Report View"));
}
