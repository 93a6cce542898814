// TAboutBox: the "About" box.
#pragma once

#include <QDialog>

/// A fixed-size box with the program's name and an "Ok" button.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
