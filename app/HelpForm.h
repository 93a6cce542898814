// THelp: the help window.
#pragma once

#include <QWidget>

/// A window of its own, not modal, that the Help command shows.
class THelp : public QWidget {
    Q_OBJECT
public:
    explicit THelp(QWidget* parent = nullptr);
};
