// The "About" box.
#include "app/AboutForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    auto* title = new QLabel(QStringLiteral("<h2>Lorvane</h2><p>Karnaugh map minimizer<br>for "
                                            "Boolean functions of 2 to 8 variables</p>"));
    title->setAlignment(Qt::AlignCenter);
    auto* bevel = new QFrame;
    bevel->setObjectName(QStringLiteral("Bevel2"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    auto* ok = new QPushButton(QStringLiteral("Ok"));
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 1);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    setFixedSize(302, 270);
}
