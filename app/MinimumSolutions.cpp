// The minimum covers of the map in the window: status-bar hints after Analyze and the dialog
// that shows any minimum solution in place of the result.
#include "app/MinimumSolutions.h"

#include "engine/ExactMinimizer.h"

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

/// A cover as the list shows it: its caption, and its term texts when the caption is made of
/// them (a constant has none to mark).
struct ListedCover {
    QString caption;
    std::vector<std::string> terms;
};

ListedCover listedCover(const TCarnoGrid& grid, const std::vector<Cube>& cover) {
    ListedCover listed{captionOfCover(grid, cover), {}};
    const std::vector<TTermItem> items = termsOfCover(grid, cover);
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
        const QString text = QString::fromStdString(terms[k]).toHtmlEscaped();
        parts << (k < differs.size() && differs[k] ? QStringLiteral("<u><b>%1</b></u>").arg(text)
                                                   : text);
    }
    return parts.join(separator.toHtmlEscaped() + kBreakHere);
}

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
    : QDialog(parent), Label1(new QLabel),
      Label2(new QLabel(QStringLiteral("Underlined terms are not in every solution."))),
      ListBox1(new QListWidget), ShowBtn(new QPushButton(QStringLiteral("Show"))),
      CloseBtn(new QPushButton(QStringLiteral("Close"))) {
    setObjectName(QStringLiteral("MinSolutions"));
    setWindowTitle(QStringLiteral("Minimum Solutions"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setItemDelegate(new WrappedSolutionDelegate(ListBox1));
    ListBox1->setWordWrap(true);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setResizeMode(QListView::Adjust);
    new RelayoutOnResize(ListBox1);
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
    layout->addWidget(Label2);
    layout->addLayout(buttons);
    resize(420, 260);
}

void TMinSolutions::SetSolutions(const QStringList& texts, const QString& summary,
                                 const QStringList& marked) {
    Label1->setText(summary);
    ListBox1->clear();
    ListBox1->addItems(texts);
    for (int row = 0; row < texts.size() && row < marked.size(); ++row)
        ListBox1->item(row)->setData(kMarkedRole, marked[row]);
    Label2->setVisible(std::any_of(marked.begin(), marked.end(), [](const QString& text) {
        return text.contains(QLatin1String("<u>"));
    }));
    ListBox1->setCurrentRow(texts.isEmpty() ? -1 : 0);
}

QString TMinSolutions::ShownText(int row) const {
    const QListWidgetItem* item = ListBox1->item(row);
    if (!item)
        return {};
    const QString marked = item->data(kMarkedRole).toString();
    return marked.isEmpty() ? item->text() : marked;
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
    std::vector<std::vector<std::string>> terms;
    for (const std::vector<Cube>& cover : result.solutions) {
        ListedCover listed = listedCover(grid, cover);
        texts << listed.caption;
        terms.push_back(std::move(listed.terms));
    }
    const auto differs = differingTerms(terms);
    const QString separator = grid.GlueMethod == gmDNF ? QStringLiteral("+") : QStringLiteral("*");
    QStringList marked;
    for (std::size_t k = 0; k < terms.size(); ++k)
        marked << (terms[k].empty() ? QString() : markedCover(terms[k], differs[k], separator));
    TMinSolutions dialog(parent);
    dialog.SetSolutions(texts, summaryOf(result), marked);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() < 0)
        return false;
    grid.SetResultTerms(
        termsOfCover(grid, result.solutions[static_cast<std::size_t>(dialog.Chosen())]));
    return true;
}
