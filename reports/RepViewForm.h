// TRepView: the "Report View" window.
#pragma once

#include <QWidget>

/// A window of its own, not modal, that shows a generated report.
class TRepView : public QWidget {
    Q_OBJECT
public:
    explicit TRepView(QWidget* parent = nullptr);
};
