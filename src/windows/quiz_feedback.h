#pragma once

#include <QLabel>

namespace tavrin {

// Learning mode's word after a quiz answer: right or wrong, the right answer and why, over the
// question and its choices until the player goes on (a click, Enter or Space). It takes the
// focus, so that a screen reader reads it out, and no timer moves the quiz on.
class QuizFeedback : public QLabel {
    Q_OBJECT
public:
    // `box`: where it stands in the quiz window, in pixels.
    QuizFeedback(QWidget& quizWindow, const QRect& box);

    // Shows the text (plain text: it comes from the content files) and takes the focus.
    void present(const QString& text);
    bool isShown() const { return isVisible(); }
    // Whether the text, wrapped, stands in the box without being cut.
    bool fits(const QString& text) const;

signals:
    void goOn();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void finish();
};

// The feedback's text: the verdict, the right answer with its number, and the explanation when
// the set has one.
QString feedbackText(bool right, const QString& rightChoice, const QString& explanation);

} // namespace tavrin
