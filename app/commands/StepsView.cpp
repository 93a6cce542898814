// The Steps view and its commands: the steps of the result on show, painted on the map line by
// line, and the minterm numbers of the map.
#include "app/commands/StepsView.h"

#include "app/views/CarnoGridView.h"
#include "engine/ResultCheck.h"
#include "interchange/Notation.h"
#include "ui/ActionNames.h"
#include "ui/Actions.h"
#include "ui/ProductsColor.h"
#include "ui/WindowTexts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

namespace {

struct PhraseSlot {
    const char* name;
    std::string StepsPhrases::*member;
};

// The sentences of the steps in the main window's text table; the names are the keys of the
// language files.
constexpr std::array<PhraseSlot, 30> kPhraseSlots = {{
    {"StepsPrimesHeading", &StepsPhrases::primesHeading},
    {"StepsEssentialsHeading", &StepsPhrases::essentialsHeading},
    {"StepsChartHeading", &StepsPhrases::chartHeading},
    {"StepsReductionsHeading", &StepsPhrases::reductionsHeading},
    {"StepsChoicesHeading", &StepsPhrases::choicesHeading},
    {"StepsResultHeading", &StepsPhrases::resultHeading},
    {"StepsPrime", &StepsPhrases::prime},
    {"StepsNoPrime", &StepsPhrases::noPrime},
    {"StepsEssential", &StepsPhrases::essential},
    {"StepsNoEssential", &StepsPhrases::noEssential},
    {"StepsUnusedEssential", &StepsPhrases::unusedEssential},
    {"StepsChart", &StepsPhrases::chart},
    {"StepsChartEmpty", &StepsPhrases::chartEmpty},
    {"StepsChartRow", &StepsPhrases::chartRow},
    {"StepsRowReduction", &StepsPhrases::rowReduction},
    {"StepsColumnReduction", &StepsPhrases::columnReduction},
    {"StepsEmptyColumn", &StepsPhrases::emptyColumn},
    {"StepsNoReduction", &StepsPhrases::noReduction},
    {"StepsReduced", &StepsPhrases::reduced},
    {"StepsForced", &StepsPhrases::forced},
    {"StepsChosenExact", &StepsPhrases::chosenExact},
    {"StepsChosenGluing", &StepsPhrases::chosenGluing},
    {"StepsChosenShown", &StepsPhrases::chosenShown},
    {"StepsNotPrime", &StepsPhrases::notPrime},
    {"StepsNoChoice", &StepsPhrases::noChoice},
    {"StepsResult", &StepsPhrases::result},
    {"StepsMinimumYes", &StepsPhrases::minimumYes},
    {"StepsMinimumNo", &StepsPhrases::minimumNo},
    {"StepsMinimumAtMost", &StepsPhrases::minimumAtMost},
    {"StepsMinimumUnknown", &StepsPhrases::minimumUnknown},
}};

// The view's own sentences besides the steps.
struct ViewPhrase {
    const char* name;
    const char* text;
};
constexpr std::array<ViewPhrase, 4> kViewPhrases = {{
    {"StepsTitle", "Steps"},
    {"StepsNoResult", "Analyze the map (F5) to see the steps that lead to its result."},
    {"StepsSop", "Sum of products: the terms cover the cells that hold 1."},
    {"StepsPos", "Product of sums: the terms cover the cells that hold 0."},
}};

constexpr int kCellsRole = Qt::UserRole;
constexpr int kMarkedRole = Qt::UserRole + 1;
constexpr int kGapToMainWindow = 8;
const QSize kInitialSize(480, 460);

QVariantList variantList(const std::vector<int>& values) {
    QVariantList list;
    for (int v : values)
        list << v;
    return list;
}

std::vector<CellPos> cellsOf(const TCarnoGrid& grid, const QVariant& minterms) {
    std::vector<CellPos> cells;
    for (const QVariant& m : minterms.toList())
        cells.push_back(grid.CellOfMinterm(m.toInt()));
    return cells;
}

/// The products colour, unless it is too dark or too light to leave the values readable.
QColor markColor(const TCarnoGrid& grid) {
    const QColor color = colorFromBgr(grid.TermColor);
    if (color.lightness() < 40 || color.lightness() > 225)
        return {31, 119, 180};
    return color;
}

/// Measures a line of the list at the width the list gives it, so that a long step takes as
/// many text lines as it wraps to (the tree view itself measures lines unwrapped).
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), m_view(view) {}

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override {
        int depth = 1;
        for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
            ++depth;
        QStyleOptionViewItem wrapped(option);
        // The style wraps only within a valid rectangle: any height will do.
        wrapped.rect = QRect(0, 0, m_view->viewport()->width() - m_view->indentation() * depth, 1);
        return QStyledItemDelegate::sizeHint(wrapped, index);
    }

private:
    QTreeView* m_view;
};

} // namespace

TStepsView::TStepsView(const MapLinks& links)
    : QWidget(links.window, Qt::Window), m_links(links), m_texts(WindowTexts::on(links.window)),
      StepsNote(new QLabel), StepsList(new QTreeWidget),
      StepsRefresh(new QPushButton(QStringLiteral("&Refresh"))),
      StepsClose(new QPushButton(QStringLiteral("&Close"))) {
    setObjectName(QStringLiteral("StepsView"));
    CreatePhrases();
    CreateLayout();
    QAbstractItemModel* map = m_links.map->model();
    connect(map, &QAbstractItemModel::dataChanged, this, &TStepsView::MapChanged);
    connect(map, &QAbstractItemModel::modelReset, this, &TStepsView::MapChanged);
    QAbstractItemModel* tree = m_links.results->model();
    connect(tree, &QAbstractItemModel::rowsInserted, this, &TStepsView::MapChanged);
    connect(tree, &QAbstractItemModel::modelReset, this, &TStepsView::MapChanged);
}

void TStepsView::CreatePhrases() {
    const StepsPhrases english;
    for (const PhraseSlot& slot : kPhraseSlots)
        m_texts->add(QString::fromLatin1(slot.name), QString::fromStdString(english.*slot.member));
    for (const ViewPhrase& phrase : kViewPhrases)
        m_texts->add(QString::fromLatin1(phrase.name), QString::fromUtf8(phrase.text));
    // A language applied later changes them: the list follows.
    connect(m_texts, &WindowTexts::changed, this, [this] {
        m_listed.clear();
        setWindowTitle(Phrase("StepsTitle"));
        MapChanged();
    });
}

void TStepsView::CreateLayout() {
    setWindowTitle(Phrase("StepsTitle"));
    StepsNote->setObjectName(QStringLiteral("StepsNote"));
    StepsNote->setWordWrap(true);
    StepsNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StepsList->setObjectName(QStringLiteral("StepsList"));
    StepsList->setHeaderHidden(true);
    StepsList->setColumnCount(1);
    // Long steps wrap within the window's width rather than being cut short.
    StepsList->setWordWrap(true);
    StepsList->setTextElideMode(Qt::ElideNone);
    StepsList->header()->setSectionResizeMode(QHeaderView::Stretch);
    StepsList->setItemDelegate(new WrappingDelegate(StepsList));
    connect(StepsList->header(), &QHeaderView::sectionResized, StepsList, &QTreeView::doItemsLayout,
            Qt::QueuedConnection);
    StepsList->setToolTip(QStringLiteral("Select a step to see its cells on the map"));
    StepsList->setAccessibleName(QStringLiteral("Steps"));
    connect(StepsList, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { PaintStep(item); });
    StepsRefresh->setObjectName(QStringLiteral("StepsRefresh"));
    StepsRefresh->setToolTip(QStringLiteral("List the steps for the map as it is now"));
    connect(StepsRefresh, &QPushButton::clicked, this, [this] {
        m_listed.clear();
        Refresh();
    });
    StepsClose->setObjectName(QStringLiteral("StepsClose"));
    connect(StepsClose, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(StepsRefresh);
    buttons->addWidget(StepsClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StepsNote);
    layout->addWidget(StepsList, 1);
    layout->addLayout(buttons);
    resize(kInitialSize);
}

QString TStepsView::Phrase(const char* name) const {
    return m_texts->text(QString::fromLatin1(name));
}

StepsPhrases TStepsView::Phrases() const {
    StepsPhrases phrases;
    for (const PhraseSlot& slot : kPhraseSlots)
        phrases.*slot.member = Phrase(slot.name).toStdString();
    return phrases;
}

void TStepsView::SetSource(StepsSource source) {
    m_source = source;
    m_listed.clear();
    MapChanged();
}

std::optional<Steps> TStepsView::ShownSteps() const {
    const TCarnoGrid& grid = Grid();
    if (m_links.results->topLevelItemCount() == 0 || !m_links.resultIsCurrent() ||
        !grid.CellsValid() || !resultCubes(grid) || !resultFault(grid, grid.ResultTerms()).empty())
        return std::nullopt;
    return explainResult(grid, grid.ResultTerms(), m_source);
}

void TStepsView::ShowSteps() {
    if (!isVisible()) {
        const QRect main = m_links.window->frameGeometry();
        QPoint at(main.right() + kGapToMainWindow, main.top());
        if (const QScreen* screen = m_links.window->screen())
            at.setX(std::min(at.x(), screen->availableGeometry().right() - width()));
        move(at);
    }
    Refresh();
    show();
    raise();
    activateWindow();
    StepsList->setFocus();
}

QString TStepsView::MapSignature() const {
    const TCarnoGrid& grid = Grid();
    QString signature = QString::number(grid.GetVariableCount()) +
                        QString::number(grid.GlueMethod) +
                        QString::number(m_links.results->topLevelItemCount()) +
                        QString::fromStdString(grid.ResultText);
    for (const std::string& name : grid.VariableNames())
        signature += QLatin1Char(',') + QString::fromStdString(name);
    for (int col = 1; col <= grid.DataCols(); ++col)
        for (int row = 1; row <= grid.DataRows(); ++row)
            signature += QLatin1Char(';') + QString::fromStdString(grid.Cells(col, row));
    return signature;
}

void TStepsView::MapChanged() {
    if (!isVisible() || m_pending)
        return;
    // A fill changes many cells one by one: the list is made again once they are all done.
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        m_pending = false;
        Refresh();
    });
}

void TStepsView::Refresh() {
    if (MapSignature() != m_listed)
        Rebuild();
}

void TStepsView::Rebuild() {
    setWindowTitle(Phrase("StepsTitle"));
    m_listed = MapSignature();
    StepsList->clear();
    m_links.map->setStepMarks({});
    const std::optional<Steps> steps = ShownSteps();
    if (!steps) {
        ShowNote(Phrase("StepsNoResult"));
        return;
    }
    ShowNote(Phrase(steps->method == gmDNF ? "StepsSop" : "StepsPos"));
    FillList(*steps);
}

void TStepsView::ShowNote(const QString& note) {
    StepsNote->setText(note);
}

void TStepsView::FillList(const Steps& steps) {
    const StepsPhrases phrases = Phrases();
    QTreeWidgetItem* section = nullptr;
    std::optional<StepsSection> current;
    for (const StepItem& step : stepItems(steps, phrases)) {
        if (step.section != current) {
            current = step.section;
            section = new QTreeWidgetItem(StepsList);
            section->setText(0, QString::fromStdString(sectionHeading(phrases, step.section)));
            QFont bold = StepsList->font();
            bold.setBold(true);
            section->setFont(0, bold);
            section->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(section);
        item->setText(0, QString::fromStdString(step.text));
        item->setData(0, kCellsRole, variantList(step.cells));
        item->setData(0, kMarkedRole, variantList(step.marked));
    }
}

void TStepsView::PaintStep(QTreeWidgetItem* item) {
    if (!item || !item->parent()) {
        m_links.map->setStepMarks({});
        return;
    }
    const TCarnoGrid& grid = Grid();
    m_links.map->setStepMarks({cellsOf(grid, item->data(0, kCellsRole)),
                               cellsOf(grid, item->data(0, kMarkedRole)), markColor(grid)});
}

void TStepsView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Closing hides the view as well, so this drops the marks in both cases; a view the window
// system hides (minimized) keeps them.
void TStepsView::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        m_links.map->setStepMarks({});
    QWidget::hideEvent(event);
}

StepsCommands::StepsCommands(const MapLinks& links)
    : QObject(links.window), m_map(links.map), m_view(new TStepsView(links)) {}

void StepsCommands::AddTo(QMenu* mapMenu, QMenu* resultPopup) {
    QAction* steps = namedAction(mapMenu, ActionName::ShowSteps, "Steps...",
                                 "How the result was found, step by step");
    connect(steps, &QAction::triggered, this, &StepsCommands::ShowSteps);
    QAction* minterms = namedAction(mapMenu, ActionName::ShowMintermNumbers, "Show Minterm Numbers",
                                    "Write each cell's minterm number in its corner");
    minterms->setCheckable(true);
    connect(minterms, &QAction::toggled, this, &StepsCommands::ShowMintermNumbers);
    mapMenu->addAction(steps);
    mapMenu->addAction(minterms);
    resultPopup->addAction(steps);
}

void StepsCommands::ShowSteps() {
    m_view->ShowSteps();
}

void StepsCommands::ShowMintermNumbers(bool on) {
    m_map->setShowMinterms(on);
}
