// The help window.
#include "app/HelpForm.h"

THelp::THelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Help"));
    setWindowTitle(QStringLiteral("Help"));
    resize(544, 375);
}
