// The main window: layout, command table, start-up, variable count, Analyze and the commands.
#include "app/Main.h"

#include "app/AboutForm.h"
#include "app/AppWindows.h"
#include "app/HelpForm.h"
#include "app/MainAccessibility.h"
#include "app/OptionsForm.h"
#include "app/UpDown.h"
#include "app/commands/EditCommands.h"
#include "app/commands/PlaOpen.h"
#include "app/commands/ResultCommands.h"
#include "app/vekLanguage.h"
#include "app/views/CarnoGridView.h"
#include "document/MapDocument.h"
#include "document/Settings.h"
#include "input/widgets/Input.h"
#include "input/widgets/Input_Formula.h"
#include "input/widgets/TTableForm.h"
#include "input/widgets/TruthTable.h"
#include "reports/widgets/ReportForm.h"
#include "ui/ActionNames.h"
#include "ui/Actions.h"
#include "ui/Icons.h"
#include "ui/ProductsColor.h"
#include "ui/UserDialogs.h"
#include "ui/WindowTexts.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMinWidth = 600;
constexpr int kMinHeight = 305;
constexpr int kGridWidth = 247;
// The map pane never gets narrower than the label column and a few cells.
constexpr int kMapMinWidth = 110;
// A window frame's usual size, for sizing the window before the window system has framed it.
constexpr int kFrameAllowance = 8;
constexpr int kTitleAllowance = 40;
constexpr int kToolPanelHeight = 49;
constexpr int kCountStripHeight = 32;
constexpr int kButtonBarMinWidth = 330;

// The PLA filters come after "All Files", so that the older filters keep their numbers.
const char* const kOpenFilter = "Karnaugh Map File|*.lvn|All Files|*.*|PLA files|*.pla";
const char* const kSaveFilter = "Karnaugh Map Files|*.lvn|Internet HTML Document|*.htm; "
                                "*.html|All Files|*.*|PLA files|*.pla";
constexpr int kOpenPlaFilter = 3;
constexpr int kHtmlFilter = 2;
constexpr int kAllFilesFilter = 3;
constexpr int kSavePlaFilter = 4;

/// The format of the save dialog's filter; "All Files" leaves it to the file name.
MapFormat saveFormat(const FileChoice& choice) {
    switch (choice.filterIndex) {
    case kHtmlFilter:
        return MapFormat::Html;
    case kAllFilesFilter:
        return formatOfFileName(QFile::encodeName(choice.path).toStdString());
    case kSavePlaFilter:
        return MapFormat::Pla;
    default:
        return MapFormat::Map;
    }
}

QMenu* addSubmenu(QMenu* parent, const char* name, const char* caption, const char* hint) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    if (hint)
        menu->menuAction()->setToolTip(QString::fromUtf8(hint));
    menu->setToolTipsVisible(true);
    return menu;
}

/// Comic Sans MS where it is installed; a plain sans-serif face where it is not, since the
/// fallback for a "fantasy" face can be a symbol font.
QFont captionFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(11);
    font.setBold(true);
    return font;
}

QToolButton* addTool(QLayout* layout, const char* name, const char* caption, const char* tip,
                     const QIcon& icon, const std::function<void()>& handler) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(tip));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(28, 28);
    if (caption) {
        button->setText(QString::fromUtf8(caption));
        button->setFont(captionFont());
    } else {
        button->setIcon(icon);
        button->setIconSize(QSize(20, 20));
    }
    QObject::connect(button, &QToolButton::clicked, button, [handler] { handler(); });
    layout->addWidget(button);
    return button;
}

void addGap(QBoxLayout* layout) {
    layout->addSpacing(6);
}

/// A widget that takes typed text: its own editing keys are meant for it.
bool isTextField(const QObject* object) {
    return qobject_cast<const QLineEdit*>(object) || qobject_cast<const QTextEdit*>(object) ||
           qobject_cast<const QPlainTextEdit*>(object) ||
           qobject_cast<const QAbstractSpinBox*>(object);
}

/// Select All, Cut, Copy, Paste, Undo and Redo, in every binding the platform knows and the
/// common ones besides.
bool isEditingKey(const QKeyEvent& key) {
    for (auto standard : {QKeySequence::SelectAll, QKeySequence::Cut, QKeySequence::Copy,
                          QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Redo})
        if (key.matches(standard))
            return true;
    const QKeySequence pressed(key.keyCombination());
    for (const QKeySequence& common :
         {QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::CTRL | Qt::Key_X),
          QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_V),
          QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        if (pressed == common)
            return true;
    return false;
}

} // namespace

TForm1::TForm1(const AppContext& context, MapDocument& document, const Settings& settings,
               QWidget* parent)
    : QMainWindow(parent), m_context(context), m_document(document), m_settings(settings),
      CarnoGrid1(new CarnoGridView(document.Grid())), TreeView(new QTreeWidget),
      ProgressBar(new QProgressBar), Edit1(new QLineEdit),
      UpDown1(new UpDownControl(Edit1, nullptr)), ReportBtn(new QPushButton), Edit2(new QLineEdit),
      m_resultNote(new QLabel), Splitter1(nullptr), m_resultSide(nullptr), PopupMenu1(nullptr),
      PopupMenu2(nullptr), m_treePort(TreeView), m_progressPort(ProgressBar) {
    m_document.SetRestoredListener([this] { RestoreControls(); });
    SetUpWindow();
    CreateMenus();
    CreateLayout();
    CreatePopupMenus();
    CreateResultCommands();
    ConnectGrid();
    SetReportEnabled(false);
    ConnectPorts();
    SetDefaultNames();
    setUpMainAccessibility(*this, CarnoGrid1, TreeView);
    // The language comes before the map file, so that a map's variable count wins over the
    // count box's text in a language file.
    LoadLanguage();
    OpenInitialMap();
    History().Reset(); // what start-up did is no step to undo
    UpdateTitle();
    FitMapPane();
    CentreOnScreen();
}

TForm1::~TForm1() {
    // The children are destroyed after this body, when the window's own members are gone, and
    // still signal as they go (an open cell edit ends, the result model resets, the undo stack
    // announces a clean state): none of that may reach this window's slots any more.
    QCoreApplication::instance()->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    History().SetListener(nullptr);
    m_document.SetRestoredListener(nullptr);
    Grid().SetTreeView(nullptr);
    Grid().SetProgress(nullptr);
    Grid().SetMessageBox(nullptr);
}

TCarnoGrid& TForm1::Grid() {
    return m_document.Grid();
}

MapHistory& TForm1::History() const {
    return m_document.History();
}

void TForm1::SetUpWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lorvane"));
    setWindowIcon(programIcon());
    setMinimumSize(kMinWidth, kMinHeight);
    resize(kMinWidth, kMinHeight);
}

void TForm1::CreateLayout() {
    QFont mapFont(QStringLiteral("MS Sans Serif"));
    mapFont.setStyleHint(QFont::SansSerif);
    mapFont.setPointSize(8);
    CarnoGrid1->setFont(mapFont);
    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(4);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(CarnoGrid1);
    Splitter1->addWidget(CreateRightSide());
    // Width the window gains goes to the map until it is whole (its maximum), then to the
    // result side.
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({kGridWidth, kMinWidth - kGridWidth});
    CarnoGrid1->setMinimumWidth(kMapMinWidth);
    setCentralWidget(Splitter1);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
}

void TForm1::CreateResultCommands() {
    const MapLinks map{.window = this,
                       .grid = &Grid(),
                       .map = CarnoGrid1,
                       .results = TreeView,
                       .dialogs = m_context.dialogs,
                       .messages = m_context.messages,
                       .resultIsCurrent = [this] { return m_document.ResultIsCurrent(); }};
    const auto translate = [context = m_context](QWidget* dialog) {
        (new TvekLanguage(dialog, context))->ApplyCurrentLanguage();
    };
    m_commands = new ResultCommands({map, statusBar(), translate});
    m_commands->AddTo(menuBar()->findChild<QMenu*>(QStringLiteral("N10")),
                      menuBar()->findChild<QMenu*>(QStringLiteral("N11")), PopupMenu1, PopupMenu2);
}

void TForm1::ConnectPorts() {
    Grid().SetTreeView(&m_treePort);
    Grid().SetProgress(&m_progressPort);
    Grid().SetMessageBox(m_context.messages);
}

// The count 4 and the names "A".."H", and the map hint that shows them.
void TForm1::SetDefaultNames() {
    UpDown1->setRange(2, 8);
    UpDown1->setPosition(4);
    m_document.SetOptionNames({"A", "B", "C", "D", "E", "F", "G", "H"});
    BuildMapHint();
}

void TForm1::LoadLanguage() {
    (new TvekLanguage(this, m_context))->InitLanguage();
}

void TForm1::OpenInitialMap() {
    if (!m_context.initialMap.isEmpty())
        LoadMap(m_context.initialMap);
}

// The pane gets the map's whole width (its maximum, so that a wider window gives the rest to
// the results); the window grows, within its screen, when the map and the result side do not
// fit side by side or the map is taller than the window.
void TForm1::FitMapPane() {
    const QSize whole = CarnoGrid1->wholeSize();
    const int mapWidth = std::max(whole.width(), kMapMinWidth);
    CarnoGrid1->setMaximumWidth(mapWidth);
    const int handle = Splitter1->handleWidth();
    const int sideMinimum = m_resultSide->minimumSizeHint().width();
    const int side = std::max(sideMinimum, Splitter1->sizes().value(1));
    const int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    QSize wanted(std::max(width(), mapWidth + handle + side),
                 std::max(height(), whole.height() + chrome));
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        // Until the window is shown its frame is unknown: leave room for a usual one.
        const QSize frame =
            (frameGeometry().size() - size()).expandedTo(QSize(kFrameAllowance, kTitleAllowance));
        wanted = wanted.boundedTo(room.size() - frame).expandedTo(minimumSize());
    }
    if (wanted != size()) {
        // A visible window grows about its centre, then is kept on the screen.
        const QPoint centre = frameGeometry().center();
        resize(wanted);
        if (isVisible())
            move(pos() + centre - frameGeometry().center());
    }
    const int pane = std::min(mapWidth, wanted.width() - handle - sideMinimum);
    Splitter1->setSizes({pane, wanted.width() - handle - pane});
    KeepOnScreen();
}

void TForm1::KeepOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen || !isVisible())
        return;
    const QRect room = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != frameGeometry().topLeft())
        move(frame.topLeft());
}

void TForm1::CentreOnScreen() {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::CreateMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("N10"));
    file->setToolTipsVisible(true);
    addCommand(file, "N18", "Open Map...", Qt::Key_F3, "Open Map", [this] { N18Click(); });
    // Ctrl+S fills the map from sets.
    addCommand(file, ActionName::SaveMap, "Save", Qt::CTRL | Qt::SHIFT | Qt::Key_S,
               "Save the map to its file", [this] { (void)SaveChanges(); });
    addCommand(file, "N5", "Save as...", {}, "Save map", [this] { N5Click(); });
    addCommand(file, "N19", "Exit", Qt::CTRL | Qt::Key_F4, "Exit program", [this] { N19Click(); });

    QMenu* map = menuBar()->addMenu(QStringLiteral("&Map"));
    map->setObjectName(QStringLiteral("N11"));
    map->setToolTipsVisible(true);
    CreateEditCommands(map);
    QMenu* fill = addSubmenu(map, "N20", "Fill With", "Fill map with");
    addCommand(fill, "N110", "1", Qt::CTRL | Qt::Key_I, nullptr, [this] { FillWith("1"); });
    addCommand(fill, "N03", "0", Qt::CTRL | Qt::Key_O, nullptr, [this] { FillWith("0"); });
    addCommand(fill, "N21", "*", Qt::CTRL | Qt::Key_A, nullptr, [this] { FillWith("*"); });
    addCommand(fill, "N22", "Formula...", Qt::CTRL | Qt::Key_F, nullptr, [this] { N22Click(); });
    // Ctrl+S opens the sets, not a save: "Save as..." has no key.
    addCommand(fill, "N23", "Set's...", Qt::CTRL | Qt::Key_S, nullptr, [this] { N23Click(); });
    addCommand(fill, "N28", "Truth Table...", Qt::CTRL | Qt::Key_T, nullptr,
               [this] { N28Click(); });
    addCommand(map, "N25", "Analyze", Qt::Key_F5, "Analyze", [this] { N25Click(); });
    addCommand(map, "N24", "Clear", Qt::CTRL | Qt::Key_X, "Clear map", [this] { FillWith(""); });
    addSeparator(map, "N32");
    addCommand(map, "N26", "Map Font...", {}, "Map Font", [this] { N26Click(); });
    addCommand(map, "N27", "Products Color...", {}, "Product color", [this] { N27Click(); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("N12"));
    addCommand(options, "N13", "Map...", {}, nullptr, [this] { N13Click(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("N15"));
    addCommand(help, "N16", "Help", Qt::Key_F1, nullptr, [this] { N16Click(); });
    addSeparator(help, "N30");
    addCommand(help, "N17", "&About...", {}, nullptr, [this] { N17Click(); });
}

void TForm1::CreateEditCommands(QMenu* map) {
    WindowTexts* texts = WindowTexts::on(this);
    texts->add(QStringLiteral("SaveChanges"), QStringLiteral("Save changes?"));
    // The language of Qt's own texts: a translation names its locale here.
    texts->add(QStringLiteral("Locale"), QStringLiteral("en"));
    texts->add(QStringLiteral("StaleResult"),
               QStringLiteral("The result on show belongs to an earlier map: analyze again (F5)."));
    auto* edits = new EditCommands({.window = this, .document = &m_document, .map = CarnoGrid1});
    edits->AddTo(map);
    History().SetListener([this, edits] {
        edits->UpdateActions();
        UpdateTitle();
    });
}

void TForm1::CreatePopupMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* fill = addSubmenu(PopupMenu1, "N6", "Fill", nullptr);
    addCommand(fill, "N01", "1", {}, nullptr, [this] { FillWith("1"); });
    addCommand(fill, "N02", "0", {}, nullptr, [this] { FillWith("0"); });
    addCommand(fill, "N7", "*", {}, nullptr, [this] { FillWith("*"); });
    addCommand(fill, "N9", "Formula...", {}, nullptr, [this] { N22Click(); });
    addCommand(fill, "N8", "Set's...", {}, nullptr, [this] { N23Click(); });
    addCommand(fill, "N29", "Truth Table...", {}, nullptr, [this] { N28Click(); });
    addSeparator(PopupMenu1, ActionName::CellsPopupSeparator);
    for (const char* name : {ActionName::CopyCells, ActionName::PasteCells})
        PopupMenu1->addAction(menuBar()->findChild<QAction*>(QString::fromLatin1(name)));
    QMenu* mapOptions = addSubmenu(PopupMenu1, "N1", "Map Options", nullptr);
    addCommand(mapOptions, "N3", "Font ...", {}, nullptr, [this] { N26Click(); });
    addCommand(mapOptions, "N2", "Products Color...", {}, nullptr, [this] { N27Click(); });

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    addCommand(PopupMenu2, "N4", "Font...", {}, nullptr, [this] { N4Click(); });
    addCommand(PopupMenu2, "N14", "Paste result to FormulaInput", {}, nullptr,
               [this] { N14Click(); });

    CarnoGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(CarnoGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(CarnoGrid1->viewport()->mapToGlobal(at));
    });
    TreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu2->popup(TreeView->viewport()->mapToGlobal(at)); });
}

QWidget* TForm1::CreateToolPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("ToolPanel"));
    panel->setFixedHeight(kToolPanelHeight);
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMinimumWidth(kButtonBarMinWidth);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 4, 0);
    buttons->setSpacing(1);
    addTool(buttons, "SpeedButton1", nullptr, "Open Map", toolIcon(ToolGlyph::Open),
            [this] { N18Click(); });
    addTool(buttons, "SpeedButton2", nullptr, "Save as...", toolIcon(ToolGlyph::Save),
            [this] { N5Click(); });
    addGap(buttons);
    addTool(buttons, "SpeedButton3", nullptr, "FormulaInput", toolIcon(ToolGlyph::Formula),
            [this] { N22Click(); });
    addTool(buttons, "SpeedButton4", nullptr, "Set's Fill", toolIcon(ToolGlyph::Sets),
            [this] { N23Click(); });
    addTool(buttons, "SpeedButton11", nullptr, "Truth Table ", toolIcon(ToolGlyph::TruthTable),
            [this] { N28Click(); });
    addGap(buttons);
    addTool(buttons, "SpeedButton5", "1", "Fill with 1", {}, [this] { FillWith("1"); });
    addTool(buttons, "SpeedButton6", "0", "Fill with 0", {}, [this] { FillWith("0"); });
    addTool(buttons, "SpeedButton7", nullptr, "Fill with *", toolIcon(ToolGlyph::Star),
            [this] { FillWith("*"); });
    addTool(buttons, "SpeedButton8", nullptr, "Clear Map", toolIcon(ToolGlyph::Clear),
            [this] { FillWith(""); });
    addGap(buttons);
    QToolButton* go = addTool(buttons, "SpeedButton9", "Go", "Analyze", {}, [this] { N25Click(); });
    go->setFixedWidth(36);
    go->setStyleSheet(QStringLiteral("QToolButton { color: #008000; }"));
    addTool(buttons, "SpeedButton10", nullptr, "Options", toolIcon(ToolGlyph::Options),
            [this] { N13Click(); });

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(bar);
    return panel;
}

QWidget* TForm1::CreateCountStrip() {
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("CountStrip"));
    strip->setFixedHeight(kCountStripHeight);
    auto* label = new QLabel(QStringLiteral("Number of Variables"));
    label->setObjectName(QStringLiteral("CountLabel"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(25);
    Edit1->setAlignment(Qt::AlignCenter);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setFixedHeight(Edit1->sizeHint().height());
    ReportBtn->setObjectName(QStringLiteral("ReportBtn"));
    ReportBtn->setText(QStringLiteral("Report"));
    ReportBtn->setToolTip(QStringLiteral("Create Report"));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(4);
    layout->addWidget(label);
    layout->addWidget(Edit1);
    layout->addSpacing(-4);
    layout->addWidget(UpDown1);
    layout->addStretch(1);
    layout->addWidget(ReportBtn);
    return strip;
}

QWidget* TForm1::CreateResultArea() {
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setHeaderHidden(true);
    TreeView->setColumnCount(1);
    TreeView->setIndentation(19);
    TreeView->setIconSize(QSize(16, 16));
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(13);
    font.setBold(true);
    TreeView->setFont(font);
    // The focus shows on the frame, so that it is seen also while the tree is empty.
    TreeView->setStyleSheet(
        QStringLiteral("QTreeView { border: 1px solid palette(mid); }"
                       "QTreeView:focus { border: 2px solid palette(highlight); }"));
    // The selected term stays visible while the map has the focus.
    QPalette palette = TreeView->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    TreeView->setPalette(palette);
    // Lines keep their whole text; a long one scrolls sideways.
    TreeView->header()->setStretchLastSection(false);
    TreeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TreeView->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_resultNote->setObjectName(QStringLiteral("ResultNote"));
    m_resultNote->setText(
        QStringLiteral("The map has changed since this result was found: analyze again (F5)."));
    m_resultNote->setWordWrap(true);
    m_resultNote->setHidden(true);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setToolTip(QStringLiteral("The whole result: select it to copy it"));
    Edit2->setAccessibleName(QStringLiteral("Whole result"));
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedHeight(8);
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(TreeView, 1);
    layout->addWidget(m_resultNote);
    layout->addWidget(Edit2);
    layout->addWidget(ProgressBar);
    return area;
}

QWidget* TForm1::CreateRightSide() {
    auto* side = new QWidget;
    m_resultSide = side;
    side->setObjectName(QStringLiteral("ResultSide"));
    // No minimum of its own: the tool bar's decides, so the side never collapses.
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateToolPanel());
    layout->addWidget(CreateCountStrip());
    layout->addWidget(CreateResultArea(), 1);
    return side;
}

void TForm1::ConnectGrid() {
    CarnoGrid1->installEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
    connect(CarnoGrid1, &CarnoGridView::cellsEdited, this, &TForm1::RecordMapChange);
    connect(CarnoGrid1, &CarnoGridView::mapSizeChanged, this, &TForm1::FitMapPane);
    // Whatever changes the map, a result of an earlier map is marked as such at once.
    QAbstractItemModel* map = CarnoGrid1->model();
    connect(map, &QAbstractItemModel::dataChanged, this, &TForm1::UpdateResultState);
    connect(map, &QAbstractItemModel::modelReset, this, &TForm1::UpdateResultState);
    QAbstractItemModel* results = TreeView->model();
    connect(results, &QAbstractItemModel::rowsInserted, this, &TForm1::ShowResultLine);
    connect(results, &QAbstractItemModel::rowsRemoved, this, &TForm1::ShowResultLine);
    connect(results, &QAbstractItemModel::modelReset, this, &TForm1::ShowResultLine);
    SetTabOrder();
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    UpDown1->setChanging(
        [this](int requested, bool& allow) { UpDown1ChangingEx(requested, allow); });
    connect(TreeView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TreeViewChange(current); });
    connect(ReportBtn, &QPushButton::clicked, this, &TForm1::ReportBtnClick);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CarnoGrid1 && event->type() == QEvent::KeyPress && !CarnoGrid1->isEditing()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            CarnoGrid1KeyDown(key);
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride && IsMenuKey(watched, event)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isTextField(watched) || !isEditingKey(*key))
            return true; // not overridden: the menu command runs
        key->accept();   // the field's own Select All, Cut, Copy, Paste, Undo or Redo
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The menu keys (F5, Ctrl+F, ...) win over the keys of the edit boxes in this window, the
// count box and the map's cell editor, so that a menu key does the same wherever the focus is;
// only the editing keys stay with a text field (see eventFilter).
bool TForm1::IsMenuKey(QObject* watched, QEvent* event) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    const QList<QAction*> actions = findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
        const QList<QKeySequence> keys = action->shortcuts();
        return keys.contains(pressed);
    });
}

QString TForm1::MapHint() const {
    return CarnoGrid1->toolTip();
}

void TForm1::BuildMapHint() {
    const TCarnoGrid& grid = CarnoGrid1->grid();
    const int n = grid.GetVariableCount();
    QString hint = QStringLiteral("Variables: ");
    for (int i = 1; i <= n; ++i) {
        if (i == n / 2 + 1)
            hint += QStringLiteral("\\ ");
        hint += QString::fromStdString(grid.VariableName(i)) + QLatin1Char(' ');
    }
    CarnoGrid1->setHint(hint);
    UpdateResultState(); // the names and the count are part of what a result was made from
}

void TForm1::Edit1Change(const QString& text) {
    bool ok = false;
    const int count = text.toInt(&ok);
    if (ok && count >= 2 && count <= 8)
        Grid().SetVariableCount(count);
    BuildMapHint();
    RecordMapChange();
}

void TForm1::UpDown1ChangingEx(int requested, bool& allow) {
    if (requested >= 2 && requested <= 8) {
        Grid().SetVariableCount(requested);
        SetReportEnabled(false);
        allow = true;
    }
    BuildMapHint();
    RecordMapChange();
}

void TForm1::SetReportEnabled(bool on) {
    ReportBtn->setEnabled(on);
}

void TForm1::CarnoGrid1KeyDown(int key) {
    if (key != Qt::Key_Delete)
        return;
    const QRect selection = CarnoGrid1->selectionRect();
    if (selection.isNull())
        return;
    for (int col = selection.left(); col <= selection.right(); ++col)
        for (int row = selection.top(); row <= selection.bottom(); ++row)
            Grid().SetCells(col, row, "");
    RecordMapChange();
}

void TForm1::TreeViewChange(QTreeWidgetItem* node) {
    if (node && node->parent() && !m_resultStale) {
        Grid().SelectTerm(node->parent()->indexOfChild(node));
        return;
    }
    CarnoGrid1->Repaint();
}

void TForm1::N25Click() {
    const bool exact = m_settings.exactMinimum;
    const AnalyzeOutcome outcome = Grid().Analyze(m_settings.glueMethod, exact);
    RecordMapChange(); // the empty cells it filled
    m_document.NoteAnalysis(outcome.accepted);
    UpdateResultState();
    ProgressBar->setValue(0);
    markTermLines(TreeView);
    // A refused map has no result to report.
    SetReportEnabled(outcome.accepted);
    m_commands->AfterAnalyze(exact, outcome.proven);
}

void TForm1::FillWith(const std::string& value) {
    Grid().FillCard(value);
    m_document.RestoreOptionNames(); // a PLA file's names went with its map
    BuildMapHint();
    RecordMapChange();
    SetReportEnabled(false);
}

void TForm1::FillFormulaVariables() {
    QStringList names;
    for (int i = 1; i <= Grid().GetVariableCount(); ++i)
        names << QString::fromStdString(Grid().VariableName(i));
    m_windows->InputFormula->SetVariables(names);
}

void TForm1::N22Click() {
    FillFormulaVariables();
    if (m_windows->InputFormula->exec() != QDialog::Accepted)
        return;
    Grid().AnalyzeFormulaString(m_windows->InputFormula->FormulaText().toStdString());
    RecordMapChange();
    SetReportEnabled(false);
}

void TForm1::N14Click() {
    m_windows->InputFormula->SetFormula(QString::fromStdString(Grid().ResultText));
    FillFormulaVariables();
    m_windows->InputFormula->exec();
}

void TForm1::N23Click() {
    TInputForm* sets = m_windows->InputForm;
    const int highest = (1 << Grid().GetVariableCount()) - 1;
    sets->SetRange(QStringLiteral("[0..%1]").arg(highest));
    if (sets->exec() != QDialog::Accepted)
        return;
    Grid().ApplySets(sets->SetText(0).toStdString(), sets->SetText(1).toStdString(),
                     sets->SetText(2).toStdString());
    RecordMapChange();
    SetReportEnabled(false);
}

void TForm1::N28Click() {
    TTruthTable* table = m_windows->TruthTableForm->TruthTable1();
    table->SetVariableCount(UpDown1->position());
    for (int i = 1; i <= table->VariableCount(); ++i)
        table->SetColumnName(i, Grid().VariableName(i));
    if (m_windows->TruthTableForm->exec() != QDialog::Accepted)
        return;
    table->FillCarnoCard(Grid());
    RecordMapChange();
    SetReportEnabled(false);
}

void TForm1::LoadMap(const QString& path, bool plaExpected) {
    if (!m_document.Load(QFile::encodeName(path).toStdString(), plaExpected,
                         plaOutputChooser(*m_context.dialogs, this)))
        return;
    UpDown1->setPosition(Grid().GetVariableCount());
    BuildMapHint(); // a PLA file may have named the variables
    UpdateTitle();
}

void TForm1::N18Click() {
    if (!AskToSaveChanges())
        return;
    const auto choice = m_context.dialogs->openFile(
        this, QStringLiteral("Open Map"), QString::fromLatin1(kOpenFilter), QStringLiteral("lvn"));
    if (choice)
        LoadMap(choice->path, choice->filterIndex == kOpenPlaFilter);
}

void TForm1::N5Click() {
    const QString name = QStringLiteral("Map%1").arg(SaveCounter);
    const auto choice =
        m_context.dialogs->saveFile(this, QStringLiteral("Save As..."),
                                    QString::fromLatin1(kSaveFilter), QStringLiteral("lvn"), name);
    if (choice && mayReplace(*m_context.messages, choice->path) &&
        m_document.Save(QFile::encodeName(choice->path).toStdString(), saveFormat(*choice),
                        m_settings.bitSave))
        UpdateTitle();
    SaveCounter = static_cast<std::uint8_t>(SaveCounter + 1);
}

void TForm1::N19Click() {
    close();
}

void TForm1::N13Click() {
    TOptions* options = m_windows->Options;
    std::array<QString, 8> names;
    for (int i = 1; i <= 8; ++i)
        names[static_cast<std::size_t>(i - 1)] = QString::fromStdString(Grid().VariableName(i));
    options->SetNames(names);
    options->exec();
    std::array<std::string, 8> taken;
    for (int i = 1; i <= 8; ++i)
        taken[static_cast<std::size_t>(i - 1)] = options->TakenName(i);
    m_document.SetOptionNames(taken);
    BuildMapHint();
    ApplyMapSwitches();
}

void TForm1::ApplyMapSwitches() {
    CarnoGrid1->setFillCursor(m_settings.drawFocus);
    CarnoGrid1->setMovable(m_settings.movableColRow);
    CarnoGrid1->setResizable(m_settings.sizingColRow);
}

void TForm1::N26Click() {
    if (const auto font = m_context.dialogs->chooseFont(this, CarnoGrid1->font()))
        CarnoGrid1->setFont(*font);
    CarnoGrid1->Repaint();
}

void TForm1::N27Click() {
    if (const auto color = m_context.dialogs->chooseColor(this, colorFromBgr(Grid().TermColor)))
        Grid().TermColor = bgrFromColor(*color);
}

void TForm1::N4Click() {
    if (const auto font = m_context.dialogs->chooseFont(this, TreeView->font()))
        TreeView->setFont(*font);
}

void TForm1::N16Click() {
    THelp* help = m_windows->Help;
    help->setWindowTitle(QStringLiteral("Help"));
    help->View(QStringLiteral("help\\index.htm"));
    help->show();
    help->raise();
    help->activateWindow();
}

void TForm1::N17Click() {
    m_windows->AboutBox->exec();
}

void TForm1::ReportBtnClick() {
    if (m_resultStale) {
        m_context.messages->Show(
            WindowTexts::of(this)->text(QStringLiteral("StaleResult")).toStdString(),
            MsgKind::Information, MsgButtons::Ok);
        return;
    }
    m_windows->Report->exec();
}

// Unsaved changes are asked about first; whoever answered that has decided, and is not asked
// whether to quit as well.
bool TForm1::FormCloseQuery() {
    if (IsModified())
        return AskToSaveChanges();
    if (!m_settings.askExit)
        return true;
    return m_context.messages->Show("Do you really want to quit?", MsgKind::Information,
                                    MsgButtons::YesNo) == MsgAnswer::Yes;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}
