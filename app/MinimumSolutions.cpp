// The minimum covers of the map in the window: status-bar hints after Analyze and the dialog
// that shows any minimum solution in place of the result.
#include "app/MinimumSolutions.h"

#include "app/vekLanguage.h"
#include "engine/ExactMinimizer.h"
#include "ui/TextTable.h"

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

} // namespace

void addCoverHintTexts(TextTable& texts) {
    texts.add(QStringLiteral("MinimumCover"),
              QStringLiteral("A minimum cover has %1 term.|A minimum cover has %1 terms."));
    texts.add(QStringLiteral("SmallerCover"),
              QStringLiteral("A cover with %1 term exists.|A cover with %1 terms exists."));
    texts.add(QStringLiteral("NotProven"),
              QStringLiteral("The search was stopped: the result is not proven minimal."));
}

QString minimumCoverHint(const TCarnoGrid& grid, const TextTable& texts) {
    const ExactResult result = minimizeExact(grid);
    const auto shown = static_cast<int>(grid.ResultTerms().size());
    if (result.terms >= shown)
        return {};
    return texts.counted(result.proven ? QStringLiteral("MinimumCover")
                                       : QStringLiteral("SmallerCover"),
                         result.terms);
}

QString exactResultHint(bool proven, const TextTable& texts) {
    if (proven)
        return {};
    return texts.text(QStringLiteral("NotProven"));
}

TMinSolutions::TMinSolutions(QWidget* parent)
    : QDialog(parent), m_texts(new TextTable(this)), Label1(new QLabel), ListBox1(new QListWidget),
      ShowBtn(new QPushButton(QStringLiteral("Show"))),
      CloseBtn(new QPushButton(QStringLiteral("Close"))) {
    setObjectName(QStringLiteral("MinSolutions"));
    m_texts->add(QStringLiteral("Caption"), QStringLiteral("Minimum Solutions"));
    m_texts->add(QStringLiteral("Solutions"),
                 QStringLiteral("%1 minimum solution|%1 minimum solutions"));
    m_texts->add(QStringLiteral("AtLeast"),
                 QStringLiteral("At least %1 minimum solution|At least %1 minimum solutions"));
    m_texts->add(QStringLiteral("TermsEach"), QStringLiteral("of %1 term|of %1 terms"));
    m_texts->add(QStringLiteral("FirstListed"), QStringLiteral(", the first %1 listed"));
    setWindowTitle(m_texts->text(QStringLiteral("Caption")));
    connect(m_texts, &TextTable::changed, this,
            [this] { setWindowTitle(m_texts->text(QStringLiteral("Caption"))); });
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ShowBtn->setObjectName(QStringLiteral("ShowBtn"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    Label1->setBuddy(ListBox1);
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

QString TMinSolutions::Summary(const ExactResult& result) const {
    const auto count = static_cast<qint64>(result.solutionCount);
    const auto listed = static_cast<qint64>(result.solutions.size());
    QString text = m_texts->counted(
        result.countComplete ? QStringLiteral("Solutions") : QStringLiteral("AtLeast"), count);
    text += QLatin1Char(' ') + m_texts->counted(QStringLiteral("TermsEach"), result.terms);
    if (listed < count)
        text += m_texts->counted(QStringLiteral("FirstListed"), listed);
    return text + QLatin1Char('.');
}

void TMinSolutions::SetSolutions(const QStringList& texts, const ExactResult& result) {
    Label1->setText(Summary(result));
    // A list takes no name from its label: the summary names it for screen readers.
    ListBox1->setAccessibleName(Label1->text());
    ListBox1->clear();
    ListBox1->addItems(texts);
    ListBox1->setCurrentRow(texts.isEmpty() ? -1 : 0);
}

int TMinSolutions::Chosen() const {
    return ListBox1->currentRow();
}

void writeMinimumSolutionsTexts(const AppContext& context) {
    TMinSolutions dialog;
    TvekLanguage(&dialog, context).WriteDefaultTexts();
}

bool chooseMinimumSolution(QWidget* parent, TCarnoGrid& grid, const AppContext& context) {
    if (!grid.ValidateCells())
        return false;
    ExactOptions options;
    options.enumerate = true;
    const ExactResult result = minimizeExact(grid, options);
    QStringList texts;
    for (const std::vector<Cube>& cover : result.solutions)
        texts << captionOfCover(grid, cover);
    TMinSolutions dialog(parent);
    (new TvekLanguage(&dialog, context))->ApplyCurrentLanguage();
    dialog.SetSolutions(texts, result);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() < 0)
        return false;
    grid.SetResultTerms(
        termsOfCover(grid, result.solutions[static_cast<std::size_t>(dialog.Chosen())]));
    return true;
}
