// Helpers for the widget tests: the nine windows over a temporary program folder, scripted
// message boxes and standard dialogs, and answering modal windows.
#pragma once

#include "TestSupport.h"
#include "app/LorvaneWindows.h"
#include "app/Main.h"
#include "app/views/CarnoGridView.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

/// Answers the standard dialogs from scripts and records how they were asked.
class FakeDialogs : public IUserDialogs {
public:
    struct FileCall {
        QString title;
        QString filter;
        QString defaultSuffix;
        QString fileName;
        QString folder; ///< the start folder the dialog was shown with
    };

    std::optional<FileChoice> openFile(QWidget*, const QString& title, const QString& filter,
                                       const QString& defaultSuffix) override {
        openCalls.push_back({title, filter, defaultSuffix, {}, startFolder()});
        auto answer = next(openAnswers);
        rememberFolderOf(answer);
        return answer;
    }
    std::optional<FileChoice> saveFile(QWidget*, const QString& title, const QString& filter,
                                       const QString& defaultSuffix,
                                       const QString& fileName) override {
        saveCalls.push_back({title, filter, defaultSuffix, fileName, startFolder()});
        auto answer = next(saveAnswers);
        rememberFolderOf(answer);
        return answer;
    }
    std::optional<QFont> chooseFont(QWidget*, const QFont& initial) override {
        fontCalls.push_back(initial);
        return next(fontAnswers);
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        colorCalls.push_back(initial);
        return next(colorAnswers);
    }
    /// Prints into the PDF file the script names; no answer cancels.
    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        ++printerCalls;
        const auto file = next(printerAnswers);
        if (!file)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*file);
        return true;
    }
    std::optional<int> chooseItem(QWidget*, const QString& title, const QString& label,
                                  const QStringList& items) override {
        itemCalls.push_back({title, label, items});
        return next(itemAnswers);
    }

    std::deque<std::optional<FileChoice>> openAnswers;
    std::deque<std::optional<FileChoice>> saveAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<QString>> printerAnswers;
    int printerCalls = 0;
    std::deque<std::optional<int>> itemAnswers;
    std::vector<FileCall> openCalls;
    std::vector<FileCall> saveCalls;
    std::vector<QFont> fontCalls;
    std::vector<QColor> colorCalls;
    struct ItemCall {
        QString title;
        QString label;
        QStringList items;
    };
    std::vector<ItemCall> itemCalls;

private:
    template <class T> static std::optional<T> next(std::deque<std::optional<T>>& answers) {
        if (answers.empty())
            return std::nullopt;
// GCC 12 takes the copied std::optional's string for uninitialized at -O2.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
        auto answer = answers.front();
        answers.pop_front();
        return answer;
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
    }
};

/// The nine windows over a temporary program folder with scripted ports.
class UiApp {
public:
    /// `settings` is written as the settings file before the windows are created, unless it
    /// is empty.
    explicit UiApp(const QByteArray& settings = {}, const QString& initialMap = {}) {
        if (!settings.isEmpty())
            writeFile(QStringLiteral("lorvane.ini"), settings);
        start(initialMap);
    }

    void start(const QString& initialMap = {}) {
        AppContext context;
        context.programFolder = folder.path() + QLatin1Char('/');
        context.userConfigFolder = folder.path() + QStringLiteral("/user");
        context.initialMap = initialMap;
        context.messages = &messages;
        context.dialogs = &dialogs;
        start(context);
    }
    void start(const AppContext& context) {
        app.reset();
        app = std::make_unique<LorvaneWindows>(context);
    }
    /// Ends the run as the program does: the windows go, the settings are written.
    void stop() { app.reset(); }
    /// Starts again with the shipped language file `name` ("German") as the current language.
    void restartInLanguage(const QString& name) {
        stop();
        QDir(folder.path()).mkpath(QStringLiteral("Languages"));
        const QString file = QStringLiteral("Languages/") + name + QStringLiteral(".lng");
        QVERIFY(QFile::copy(QStringLiteral(LORVANE_DATA "/") + file, path(file)));
        writeFile(QStringLiteral("lorvane.ini"),
                  "[Language]\r\nCurrentLanguage=" + name.toUtf8() + ".lng\r\n");
        start();
    }

    [[nodiscard]] const AppWindows& w() const { return app->windows(); }
    [[nodiscard]] TForm1* form() const { return w().Form1; }
    [[nodiscard]] TCarnoGrid& grid() const { return form()->Grid(); }
    [[nodiscard]] CarnoGridView* map() const { return form()->MapView(); }
    /// The box of the variable count.
    [[nodiscard]] QLineEdit* countBox() const {
        return form()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    }
    void setVariables(int count) const { countBox()->setText(QString::number(count)); }
    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] QByteArray readFile(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    /// Text of the cell of minterm `m`.
    [[nodiscard]] std::string at(int m) const {
        const CellPos cell = grid().CellOfMinterm(m);
        return grid().Cells(cell.col, cell.row);
    }
    void set(const std::vector<int>& minterms, const std::string& value) const {
        for (int m : minterms) {
            const CellPos cell = grid().CellOfMinterm(m);
            grid().SetCells(cell.col, cell.row, value);
        }
    }
    /// Every data cell's text, row by row.
    [[nodiscard]] std::vector<std::string> cells() const {
        std::vector<std::string> texts;
        for (int r = 1; r <= grid().DataRows(); ++r)
            for (int c = 1; c <= grid().DataCols(); ++c)
                texts.push_back(grid().Cells(c, r));
        return texts;
    }

    QTemporaryDir folder;
    FakeMessageBox messages;
    FakeDialogs dialogs;
    std::unique_ptr<LorvaneWindows> app;
};

/// Answers the next modal windows, one action each, in order, while it lives. Each window an
/// action was run on is skipped afterwards, even while it is still closing.
class ModalScript {
public:
    using Action = std::function<void(QWidget*)>;

    explicit ModalScript(std::vector<Action> actions) : m_actions(std::move(actions)) {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    explicit ModalScript(Action action) : ModalScript(std::vector<Action>{std::move(action)}) {}

    /// Object names of the modal windows answered so far.
    [[nodiscard]] const QStringList& seen() const { return m_seen; }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || m_done.contains(modal) || m_next >= m_actions.size())
            return;
        m_done << modal;
        m_seen << modal->objectName();
        m_actions[m_next++](modal);
    }

    std::vector<Action> m_actions;
    std::size_t m_next = 0;
    QList<QWidget*> m_done;
    QStringList m_seen;
    QTimer m_timer;
};

/// Clicks the push button `name` of a window.
inline void clickButton(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

inline void rejectDialog(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
}

template <class T> T* child(const QObject* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

/// The main window's command `name` (a menu item, not a submenu).
inline QAction* action(const UiApp& ui, const QString& name) {
    for (QAction* a : ui.form()->findChildren<QAction*>(name))
        if (!a->menu())
            return a;
    return nullptr;
}

/// Shows the main window and makes it active, so that its shortcuts work.
inline void activate(const UiApp& ui) {
    ui.form()->show();
    QApplication::setActiveWindow(ui.form());
    QVERIFY(QTest::qWaitForWindowActive(ui.form()));
}

/// The texts of the message boxes shown, as Qt strings for QCOMPARE.
inline QStringList shownTexts(const FakeMessageBox& box) {
    QStringList texts;
    for (const auto& s : box.shown)
        texts << QString::fromStdString(s.text);
    return texts;
}
