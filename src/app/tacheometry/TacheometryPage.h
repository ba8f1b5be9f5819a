#pragma once
// The page "Тахеометрия": station setup, picket fields, the statement and its commands.
// Every handler calls the engine and shows the work again; nothing is computed here.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Session;
class StatementView;

class TacheometryPage : public QWidget {
    Q_OBJECT
public:
    TacheometryPage(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew.
    void refresh();

    // Handlers, one per control event.
    void ckbAutoManualClick(bool checked);
    void cbTCChange(int item);
    void cbTOChange(int item);
    void cbTCTextChange(const QString& text);
    void cbTOTextChange(const QString& text);
    void btnChangeTCTOClick();
    void cbSelectPiketTemplateChange(int item);
    void btnPrevPiketClick();
    void btnNextPiketClick();
    void neCurrentPiketChange();
    void sePointPiketCountChange(int count);
    void btnClearPiketClick();
    void btnCalcPiketClick();
    void btnToTCPiketClick();
    void btnToTOPiketClick();
    void rePiketMouseDown(int line);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void layoutPage();
    void showStation();
    void showPicket();
    void showModes();
    void storeTypedPicketFields();
    QWidget* enterTarget(QObject* from) const;
    template <class F> void run(F&& handler);

    Session& session_;
    bool refreshing_ = false;

    QLabel* lbTemplate = nullptr;
    QComboBox* cbSelectPiketTemplate = nullptr;
    QCheckBox* ckbAutoManual = nullptr;
    QLabel *lbTC = nullptr, *lbTO = nullptr;
    QComboBox *cbTC = nullptr, *cbTO = nullptr;
    QLineEdit *edTC = nullptr, *edTO = nullptr;
    QLabel *lbTCX = nullptr, *lbTCY = nullptr, *lbHeight = nullptr, *lbTOX = nullptr, *lbTOY = nullptr,
           *lbito = nullptr;
    QLineEdit *neTCX = nullptr, *neTCY = nullptr, *nehcenter = nullptr, *nei = nullptr, *neTOX = nullptr,
              *neTOY = nullptr, *neito = nullptr;
    QPushButton* btnChangeTCTO = nullptr;
    QLabel *lbCurrent = nullptr, *lbCount = nullptr;
    QLineEdit* neCurrentPiket = nullptr;
    QSpinBox* sePointPiketCount = nullptr;
    QLabel *lbName = nullptr, *lbSD = nullptr, *lbHz = nullptr, *lbV = nullptr;
    QLineEdit *edNamePiket = nullptr, *neSDpiket = nullptr, *neHzPiket = nullptr, *neV3piket = nullptr;
    StatementView* rePiket = nullptr;
    QPushButton *btnPrintPiket = nullptr, *btnPrevPiket = nullptr, *btnNextPiket = nullptr, *btnToTCPiket = nullptr,
                *btnToTOPiket = nullptr, *btnClearPiket = nullptr, *btnCalcPiket = nullptr, *btnSavePiket = nullptr,
                *btnFindPiket = nullptr;
};
