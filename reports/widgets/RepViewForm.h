// TRepView: the "Report View" window that shows a generated report and saves copies of it.
#pragma once

#include "ui/AppContext.h"

#include <QWidget>

#include <cstdint>
#include <functional>

class QStatusBar;
class QTextBrowser;
class QToolButton;
class QUrl;
class WindowTexts;

/// A window of its own, not modal, with the report in an HTML viewer filling it, a button
/// bar above and a status bar below.
class TRepView : public QWidget {
    Q_OBJECT
public:
    explicit TRepView(const AppContext& context, QWidget* parent = nullptr);

    /// Shows the report file `path` as a web browser shows it and remembers it as the current
    /// report.
    void View(const QString& path);
    /// The report shown last; empty until one has been shown.
    [[nodiscard]] const QString& CurrentReport() const { return m_current; }

    void SpeedButton1Click(); ///< Save Report
    void SpeedButton2Click(); ///< Open the report in the user's web browser

    /// Number of the name the save dialog proposes next ("Report0", "Report1", ...); wraps
    /// from 255 to 0.
    std::uint8_t SaveCounter = 0;

    /// How "Open in Web Browser" hands a page to the web browser; false when none could be
    /// started. The desktop's own way unless replaced (tests replace it).
    void SetBrowserLauncher(std::function<bool(const QUrl&)> launcher) {
        m_openUrl = std::move(launcher);
    }

private:
    QWidget* CreateButtonPanel();

    AppContext m_context;
    std::function<bool(const QUrl&)> m_openUrl;
    WindowTexts* m_texts;
    QString m_current;
    QTextBrowser* WebBrowser1;
    QStatusBar* StatusBar1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
};
