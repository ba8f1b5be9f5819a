#pragma once
// A modeless find dialog: a text field and "Найти далее". The options for letter case, whole
// words and direction are shown but disabled: every search runs forward, exactly as described
// for its table or text.
#include <QDialog>

class QLineEdit;
class QPushButton;

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // Shows the dialog, or raises it when it is already open; it keeps its text.
    void execute();

    // Same as pressing "Найти далее".
    void btnFindNextClick();

signals:
    void findNext(const QString& text);

private:
    QLineEdit* edFindText_ = nullptr;
    QPushButton* btnFindNext_ = nullptr;
};
