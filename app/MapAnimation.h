// A short looping animation for the about box: a Karnaugh map whose groups form one by one.
#pragma once

#include <QTimer>
#include <QWidget>

/// Draws a four-variable map with its Gray-code labels; its groups of ones appear one after
/// another, then the result formula, and the animation starts over.
class MapAnimation : public QWidget {
    Q_OBJECT
public:
    explicit MapAnimation(QWidget* parent = nullptr);

    /// Number of animation steps in one round (all groups shown, then a pause).
    [[nodiscard]] static int StepCount();
    /// The step being shown, from 0.
    [[nodiscard]] int Step() const { return m_step; }
    void SetStep(int step);

    [[nodiscard]] QSize sizeHint() const override { return {300, 225}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Advance();

    QTimer m_timer;
    int m_step = 0;
};
