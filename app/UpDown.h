// UpDownControl: a pair of arrow buttons that step a number shown in a buddy edit box.
#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

/// Steps a position between a minimum and a maximum (without wrapping) and writes it into its
/// buddy edit box. Before every step the changing callback sees the requested value and may
/// refuse the step. The position follows the buddy's text whenever that holds a whole number
/// inside the range, so that a count typed into the box is where the arrows step on from.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    /// Called with the requested position before a step; clearing `allow` refuses it.
    using Changing = std::function<void(int requested, bool& allow)>;

    UpDownControl(QLineEdit* buddy, QWidget* parent);

    void setRange(int min, int max);
    [[nodiscard]] int minimum() const { return m_min; }
    [[nodiscard]] int maximum() const { return m_max; }
    [[nodiscard]] int position() const { return m_position; }
    /// Sets the position (limited to the range) and writes it into the buddy.
    void setPosition(int position);
    void setChanging(Changing changing) { m_changing = std::move(changing); }

    /// One step up (+1) or down (-1), as a click on an arrow does.
    void step(int delta);

    /// The arrow buttons, for naming them.
    [[nodiscard]] QToolButton* upButton() const { return m_up; }
    [[nodiscard]] QToolButton* downButton() const { return m_down; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followBuddy(const QString& text);

    QLineEdit* m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
    Changing m_changing;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
};
