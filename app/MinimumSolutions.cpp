// The minimum covers of the map in the window: status-bar hints after Analyze and the dialog
// that shows any minimum solution in place of the result.
#include "app/MinimumSolutions.h"

#include "engine/ExactMinimizer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

/// Shown for a cover without terms: the function is the other constant.
QString captionOfCover(const TCarnoGrid& grid, const std::vector<Cube>& cover) {
    const std::string caption = coverCaption(grid, cover);
    if (!caption.empty())
        return QString::fromStdString(caption);
    return grid.GlueMethod == gmDNF ? QStringLiteral("0") : QStringLiteral("1");
}

QString summaryOf(const ExactResult& result) {
    const auto listed = static_cast<qulonglong>(result.solutions.size());
    QString text = result.countComplete
                       ? QStringLiteral("%1 minimum solutions of %2 terms")
                       : QStringLiteral("At least %1 minimum solutions of %2 terms");
    text = text.arg(static_cast<qulonglong>(result.solutionCount)).arg(result.terms);
    if (listed < result.solutionCount)
        text += QStringLiteral(", the first %1 listed").arg(listed);
    return text + QLatin1Char('.');
}

} // namespace

QString minimumCoverHint(const TCarnoGrid& grid) {
    const ExactResult result = minimizeExact(grid);
    const auto shown = static_cast<int>(grid.ResultTerms().size());
    if (result.terms >= shown)
        return {};
    if (!result.proven)
        return QStringLiteral("A cover with %1 terms exists.").arg(result.terms);
    return QStringLiteral("A minimum cover has %1 terms.").arg(result.terms);
}

QString exactResultHint(bool proven) {
    if (proven)
        return {};
    return QStringLiteral("The search was stopped: the result is not proven minimal.");
}

TMinSolutions::TMinSolutions(QWidget* parent)
    : QDialog(parent), Label1(new QLabel), ListBox1(new QListWidget),
      ShowBtn(new QPushButton(QStringLiteral("Show"))),
      CloseBtn(new QPushButton(QStringLiteral("Close"))) {
    setObjectName(QStringLiteral("MinSolutions"));
    setWindowTitle(QStringLiteral("Minimum Solutions"));
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ShowBtn->setObjectName(QStringLiteral("ShowBtn"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    ShowBtn->setDefault(true);
    connect(ShowBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ShowBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);
    resize(420, 260);
}

void TMinSolutions::SetSolutions(const QStringList& texts, const QString& summary) {
    Label1->setText(summary);
    ListBox1->clear();
    ListBox1->addItems(texts);
    ListBox1->setCurrentRow(texts.isEmpty() ? -1 : 0);
}

int TMinSolutions::Chosen() const {
    return ListBox1->currentRow();
}

bool chooseMinimumSolution(QWidget* parent, TCarnoGrid& grid) {
    if (!grid.ValidateCells())
        return false;
    ExactOptions options;
    options.enumerate = true;
    const ExactResult result = minimizeExact(grid, options);
    QStringList texts;
    for (const std::vector<Cube>& cover : result.solutions)
        texts << captionOfCover(grid, cover);
    TMinSolutions dialog(parent);
    dialog.SetSolutions(texts, summaryOf(result));
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() < 0)
        return false;
    grid.SetResultTerms(
        termsOfCover(grid, result.solutions[static_cast<std::size_t>(dialog.Chosen())]));
    return true;
}
