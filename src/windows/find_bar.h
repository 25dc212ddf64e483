#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace tavrin {

// A row under a page that finds words in it: Enter finds the next place, Shift+Enter the one
// before, both going round the page's end; Esc puts the row away and gives the page the keys.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(QTextBrowser& page, QWidget* parent);

    // Shows the row with the words of the last search selected, ready to type over.
    void open();
    void putAway();
    // Selects the next (or previous) place of the words in the page; false when there is none.
    bool find(bool backwards);

    QLineEdit& field() const { return *field_; }
    // Empty, or says that the words are not in the page.
    QString result() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void findFromSelectionStart();

    QTextBrowser& page_;
    QLineEdit* field_;
    QLabel* result_;
};

} // namespace tavrin
