// The "Report" dialog: content switches, Check All, and generating into the report viewer.
#include "reports/widgets/ReportForm.h"

#include "engine/CarnoGrid.h"
#include "engine/Ports.h"
#include "reports/Report.h"
#include "ui/ProgramFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kReportFile = "Reports\\report.htm";

QCheckBox* contentBox(const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

/// Two ticks, one behind the other: every box checked.
QIcon checkAllIcon() {
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colors[] = {QColor(120, 160, 120), QColor(0, 128, 0)};
    for (int i = 0; i < 2; ++i) {
        painter.setPen(QPen(colors[i], 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF shift(i * 8.0, i * 6.0);
        painter.drawPolyline(
            QPolygonF({QPointF(4, 16) + shift, QPointF(12, 24) + shift, QPointF(26, 6) + shift}));
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace

TReport::TReport(const AppContext& context, TCarnoGrid& grid, ReportLinks links, QWidget* parent)
    : QDialog(parent), m_context(context), m_grid(grid), m_links(std::move(links)) {
    setObjectName(QStringLiteral("Report"));
    setWindowTitle(QStringLiteral("Report"));
    SpeedButton1 = new QToolButton;
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(checkAllIcon());
    SpeedButton1->setIconSize(QSize(20, 20));
    SpeedButton1->setToolTip(QStringLiteral("Check All"));
    SpeedButton1->setAutoRaise(true);
    connect(SpeedButton1, &QToolButton::clicked, this, &TReport::SpeedButton1Click);
    BitBtn2 = new QPushButton(QStringLiteral("&Generate"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(QStringLiteral("Generate report"));
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TReport::BitBtn2Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateContentGroup());
    layout->addLayout(buttons);
    // A dialog without a parent opens centred on the desktop.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* TReport::CreateContentGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral(" Content  "));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    TTInc = contentBox("TTInc", "Include Truth Table");
    MapInc = contentBox("MapInc", "Include Karnaugh Map");
    SetInc = contentBox("SetInc", "Include Set's");
    MapEach = contentBox("MapEach", "Include Map for  Each Term");
    StepsInc = contentBox("StepsInc", "Include Steps");
    StepsInc->setToolTip(
        QStringLiteral("Prime implicants, essential terms and the choice of the others"));
    auto* layout = new QVBoxLayout(GroupBox1);
    for (QCheckBox* box : {TTInc, MapInc, SetInc, MapEach, StepsInc})
        layout->addWidget(box);
    return GroupBox1;
}

ReportContent TReport::Content() const {
    ReportContent content;
    content.truthTable = TTInc->isChecked();
    content.map = MapInc->isChecked();
    content.sets = SetInc->isChecked();
    content.mapEach = MapEach->isChecked();
    content.steps = StepsInc->isChecked();
    return content;
}

void TReport::SpeedButton1Click() {
    for (QCheckBox* box : {TTInc, MapInc, SetInc, MapEach, StepsInc})
        box->setChecked(true);
}

QString TReport::ReportPath() const {
    const QString inProgram =
        programFile(m_context.programFolder, QString::fromLatin1(kReportFile));
    const QString folder = QFileInfo(inProgram).absolutePath();
    // A missing "Reports" folder is created in the program folder when that can be written.
    const bool writable =
        QFileInfo(folder).isDir() ? canWriteFile(inProgram) : canWriteFile(folder);
    if (writable || m_context.userDataFolder.isEmpty())
        return inProgram;
    return QDir(m_context.userDataFolder).filePath(QStringLiteral("Reports/report.htm"));
}

void TReport::BitBtn2Click() {
    ReportRequest request;
    request.content = Content();
    request.treeLines = m_links.resultLines();
    request.programFolder = QFile::encodeName(m_context.programFolder).toStdString();
    request.outputPath = QFile::encodeName(ReportPath()).toStdString();
    request.selectTerm = m_links.selectResultLine;
    const ReportResult result = generateReport(m_grid, request);
    if (result.error) {
        m_context.messages->Show(*result.error, MsgKind::Error, MsgButtons::Ok);
        return;
    }
    m_links.showReport(QFile::decodeName(result.path.c_str()));
    accept();
}
