// The "About" box: a map whose groups form one by one, the program's name and version, "Ok".
#include "app/AboutForm.h"

#include "app/MapAnimation.h"
#include "ui/Icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 302;
constexpr int kClientHeight = 270;
constexpr int kAnimationWidth = 300;
constexpr int kAnimationHeight = 225;

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ShockwaveFlash1(new MapAnimation) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(programIcon());
    // The animation fills the top of the box; tests and the screenshot tour find it by name.
    ShockwaveFlash1->setObjectName(QStringLiteral("ShockwaveFlash1"));
    ShockwaveFlash1->setFixedSize(kAnimationWidth, kAnimationHeight);
    auto* bevel = new QFrame;
    bevel->setObjectName(QStringLiteral("Bevel2"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    auto* name = new QLabel(QStringLiteral("<b>Lorvane</b> %1").arg(Version()));
    // Left unnamed: the name and version are the same in every language.
    name->setTextFormat(Qt::RichText);
    auto* ok = new QPushButton(QStringLiteral("Ok"));
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 0);
    buttons->addWidget(name);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 4);
    layout->setSpacing(3);
    layout->addWidget(ShockwaveFlash1, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    setFixedSize(kClientWidth, kClientHeight);
}

QString TAboutBox::Version() {
    return QStringLiteral(LORVANE_VERSION);
}
