#pragma once
// The two calculators of the traverse page, opened from its button "Утилиты": the inverse
// geodetic problem and the angle conversions. Both are created once, shown without blocking
// the main window, and keep their fields between openings.
#include <QDialog>

class QKeyEvent;
class QLineEdit;
class QPushButton;
class Session;
class TFrmMain;

// "Обратная геодезическая задача".
class TFrmCalcDir : public QDialog {
    Q_OBJECT
public:
    TFrmCalcDir(Session& session, QWidget* parent = nullptr);

    // Shows the dialog, or brings it forward with its fields as they were left.
    void showCalculator();

    void btnChangeClick();
    void btnCalcClick();
    void btnWriteBeginDirClick();
    void btnWriteEndDirClick();

    QLineEdit* neTCX = nullptr;
    QLineEdit* neTCY = nullptr;
    QLineEdit* neTOX = nullptr;
    QLineEdit* neTOY = nullptr;
    QLineEdit* edDir = nullptr;
    QLineEdit* edDirRad = nullptr;
    QLineEdit* edHD = nullptr;
    QPushButton* btnChange = nullptr;
    QPushButton* btnCalc = nullptr;
    QPushButton* btnWriteBeginDir = nullptr;
    QPushButton* btnWriteEndDir = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Session& session_;
    bool shownBefore_ = false;
};

// "Угловые преобразования".
class TFrmGradRad : public QDialog {
    Q_OBJECT
public:
    TFrmGradRad(Session& session, QWidget* parent = nullptr);

    void showCalculator();

    void btnDmsToRadClick();
    void btnRadToDmsClick();

    QLineEdit* EDiNdms = nullptr;
    QLineEdit* EDoUTrAD = nullptr;
    QLineEdit* edInRad = nullptr;
    QLineEdit* edOutDMS = nullptr;
    QPushButton* btnDmsToRad = nullptr;
    QPushButton* btnRadToDms = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Session& session_;
};

// Creates both dialogs and gives the traverse page's "Утилиты" its two items
// "Обратная геодезическая" (MnuCalcDir) and "Перевод угловых величин" (MnuGradRad).
void installCalculators(TFrmMain& window);
