// TAboutBox: the "About" box with the program's animation, name and version.
#pragma once

#include <QDialog>

class MapAnimation;

/// A fixed-size box: a small animated map, the program's name and version, and "Ok".
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    /// The program's version as the build gives it, for example "1.0.0".
    [[nodiscard]] static QString Version();

private:
    MapAnimation* ShockwaveFlash1;
};
