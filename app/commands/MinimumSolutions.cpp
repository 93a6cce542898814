// The minimum covers of the map in the window: status-bar hints after Analyze and the dialog
// that shows any minimum solution in place of the result.
#include "app/commands/MinimumSolutions.h"

#include "engine/ExactMap.h"
#include "ui/WindowTexts.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMarkedRole = Qt::UserRole + 1;
constexpr int kItemMargin = 4;
// Lets a line break after a separator, so that a cover wraps between its terms.
const QString kBreakHere = QStringLiteral("&#8203;");
// Keeps a term on one line: a word joiner between each two of its characters.
const QChar kJoiner(0x2060);

/// Paints each solution as wrapped rich text across the list's width.
class WrappedSolutionDelegate : public QStyledItemDelegate {
public:
    explicit WrappedSolutionDelegate(QListWidget* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        opt.text.clear();
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        QTextDocument doc;
        prepare(doc, index);
        QAbstractTextDocumentLayout::PaintContext context;
        const bool selected = opt.state & QStyle::State_Selected;
        context.palette.setColor(
            QPalette::Text,
            opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->save();
        painter->translate(opt.rect.topLeft() + QPoint(kItemMargin, kItemMargin));
        doc.documentLayout()->draw(painter, context);
        painter->restore();
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem&,
                                 const QModelIndex& index) const override {
        QTextDocument doc;
        prepare(doc, index);
        return {textWidth() + 2 * kItemMargin,
                static_cast<int>(doc.size().height()) + 2 * kItemMargin};
    }

private:
    [[nodiscard]] int textWidth() const {
        return std::max(50, m_list->viewport()->width() - 2 * kItemMargin);
    }
    void prepare(QTextDocument& doc, const QModelIndex& index) const {
        doc.setDefaultFont(m_list->font());
        doc.setDocumentMargin(0);
        doc.setTextWidth(textWidth());
        const QString marked = index.data(kMarkedRole).toString();
        if (marked.isEmpty())
            doc.setPlainText(index.data(Qt::DisplayRole).toString());
        else
            doc.setHtml(marked);
    }

    QListWidget* m_list;
};

/// Keeps each item's wrapped height in step with the list's width.
class RelayoutOnResize : public QObject {
public:
    explicit RelayoutOnResize(QListWidget* list) : QObject(list), m_list(list) {
        list->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            m_list->doItemsLayout();
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* m_list;
};

/// Shown for a cover without terms: the function is the other constant.
QString captionOfCover(const TCarnoGrid& grid, const std::vector<TTermItem>& terms) {
    const std::string caption = grid.CaptionOf(terms);
    if (!caption.empty())
        return QString::fromStdString(caption);
    return grid.GlueMethod == gmDNF ? QStringLiteral("0") : QStringLiteral("1");
}

/// A cover as the list shows it: its caption, and its term texts when the caption is made of
/// them (a constant has none to mark).
struct ListedCover {
    QString caption;
    std::vector<std::string> terms;
};

ListedCover listedCover(const TCarnoGrid& grid, const std::vector<Cube>& cover) {
    const std::vector<TTermItem> items = termsOfCover(grid, cover);
    ListedCover listed{captionOfCover(grid, items), {}};
    if (listed.caption.toStdString() != grid.JoinTermTexts(items))
        return listed;
    for (const TTermItem& term : items)
        listed.terms.push_back(grid.TermText(term));
    return listed;
}

} // namespace

std::vector<std::vector<bool>> differingTerms(const std::vector<std::vector<std::string>>& covers) {
    std::vector<std::vector<bool>> marks;
    for (const auto& cover : covers) {
        std::vector<bool> differs;
        for (const std::string& term : cover)
            differs.push_back(std::any_of(covers.begin(), covers.end(), [&term](const auto& other) {
                return std::find(other.begin(), other.end(), term) == other.end();
            }));
        marks.push_back(std::move(differs));
    }
    return marks;
}

QString markedCover(const std::vector<std::string>& terms, const std::vector<bool>& differs,
                    const QString& separator) {
    QStringList parts;
    for (std::size_t k = 0; k < terms.size(); ++k) {
        const QString term = QString::fromStdString(terms[k]);
        QStringList characters;
        for (const QChar ch : term)
            characters << QString(ch).toHtmlEscaped();
        const QString text = characters.join(kJoiner);
        parts << (k < differs.size() && differs[k] ? QStringLiteral("<u><b>%1</b></u>").arg(text)
                                                   : text);
    }
    return parts.join(separator.toHtmlEscaped() + kBreakHere);
}

void addCoverHintTexts(WindowTexts& texts) {
    texts.add(QStringLiteral("MinimumCover"),
              QStringLiteral("A minimum cover has %1 term.|A minimum cover has %1 terms."));
    texts.add(QStringLiteral("SmallerCover"),
              QStringLiteral("A cover with %1 term exists.|A cover with %1 terms exists."));
    texts.add(QStringLiteral("NotProven"),
              QStringLiteral("The search was stopped: the result is not proven minimal."));
}

QString minimumCoverHint(const TCarnoGrid& grid, const WindowTexts& texts) {
    const ExactResult result = minimizeExact(grid);
    const auto shown = static_cast<int>(grid.ResultTerms().size());
    if (result.terms >= shown)
        return {};
    return texts.counted(result.proven ? QStringLiteral("MinimumCover")
                                       : QStringLiteral("SmallerCover"),
                         result.terms);
}

QString exactResultHint(bool proven, const WindowTexts& texts) {
    if (proven)
        return {};
    return texts.text(QStringLiteral("NotProven"));
}

TMinSolutions::TMinSolutions(QWidget* parent)
    : QDialog(parent), m_texts(new WindowTexts(this)), m_summary(new QLabel),
      m_marksNote(new QLabel(QStringLiteral("Underlined terms are not in every solution."))),
      m_list(new QListWidget), ShowBtn(new QPushButton(QStringLiteral("Show"))),
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
    connect(m_texts, &WindowTexts::changed, this,
            [this] { setWindowTitle(m_texts->text(QStringLiteral("Caption"))); });
    m_summary->setObjectName(QStringLiteral("SolutionsSummary"));
    m_marksNote->setObjectName(QStringLiteral("SolutionsMarksNote"));
    m_marksNote->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("SolutionsList"));
    m_list->setItemDelegate(new WrappedSolutionDelegate(m_list));
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setResizeMode(QListView::Adjust);
    new RelayoutOnResize(m_list);
    ShowBtn->setObjectName(QStringLiteral("ShowBtn"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    m_summary->setBuddy(m_list);
    ShowBtn->setDefault(true);
    connect(ShowBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ShowBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_marksNote);
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

void TMinSolutions::SetSolutions(const QStringList& texts, const ExactResult& result,
                                 const QStringList& marked) {
    m_summary->setText(Summary(result));
    // A list takes no name from its label: the summary names it for screen readers.
    m_list->setAccessibleName(m_summary->text());
    m_list->clear();
    m_list->addItems(texts);
    for (int row = 0; row < texts.size() && row < marked.size(); ++row)
        m_list->item(row)->setData(kMarkedRole, marked[row]);
    m_marksNote->setVisible(std::any_of(marked.begin(), marked.end(), [](const QString& text) {
        return text.contains(QLatin1String("<u>"));
    }));
    m_list->setCurrentRow(texts.isEmpty() ? -1 : 0);
}

int TMinSolutions::Chosen() const {
    return m_list->currentRow();
}

bool chooseMinimumSolution(QWidget* parent, TCarnoGrid& grid,
                           const std::function<void(QWidget* dialog)>& translate) {
    if (!grid.ValidateCells())
        return false;
    ExactOptions options;
    options.enumerate = true;
    const ExactResult result = minimizeExact(grid, options);
    QStringList texts;
    std::vector<std::vector<std::string>> terms;
    for (const std::vector<Cube>& cover : result.solutions) {
        ListedCover listed = listedCover(grid, cover);
        texts << listed.caption;
        terms.push_back(std::move(listed.terms));
    }
    const auto differs = differingTerms(terms);
    const QString separator = QString::fromLatin1(grid.TermSeparator());
    QStringList marked;
    for (std::size_t k = 0; k < terms.size(); ++k)
        marked << (terms[k].empty() ? QString() : markedCover(terms[k], differs[k], separator));
    TMinSolutions dialog(parent);
    translate(&dialog);
    dialog.SetSolutions(texts, result, marked);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() < 0)
        return false;
    grid.SetResultTerms(
        termsOfCover(grid, result.solutions[static_cast<std::size_t>(dialog.Chosen())]));
    return true;
}
