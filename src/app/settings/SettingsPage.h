#pragma once
// The page "Параметры": every processing setting, changed here and read by the commands
// when they run. Controls carry the settings' names (ckbCourse, edNameCourseID, sePrecession,
// cbFormatAngle, cklAdditionOption, ...).
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QSpinBox;
class Session;
class AdditionOptionsModel;

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew; values the program put in out of range are clamped.
    void refresh();

    // Handlers: each writes its control's value into the settings at once.
    void ckbCourseClick();
    void ckbPolevikClick();
    void ckbCameralClick();
    void ckbInstrumentClick();
    void edNameCourseIDChange();
    void edNamePolevikChange();
    void edNameCameralChange();
    void edinstrumentChange();
    void sePrecessionChange();
    void seLinePrecessionChange();
    void seAnglePrecessionChange();
    void edCourseTemplateChange();
    void edPiketTemplateChange();
    void cbFormatAngleChange();
    void cbSelectNamePointChange();
    void ckbhorizClick();
    void ckbRefClick();
    void edRefChange();
    void cklAdditionOptionClickCheck(int position, bool checked);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Places the controls for a page of width W (designed for 674 pixels).
    void layoutPage(int W, int H);

    Session& session_;
    QGroupBox* GbIdentification = nullptr;
    QGroupBox* GbCalculation = nullptr;
    QGroupBox* GbAdditional = nullptr;
    QCheckBox* ckbCourse = nullptr;
    QCheckBox* ckbPolevik = nullptr;
    QCheckBox* ckbCameral = nullptr;
    QCheckBox* ckbInstrument = nullptr;
    QLineEdit* edNameCourseID = nullptr;
    QLineEdit* edNamePolevik = nullptr;
    QLineEdit* edNameCameral = nullptr;
    QLineEdit* edinstrument = nullptr;
    QLabel* lbPrecession = nullptr;
    QSpinBox* sePrecession = nullptr;
    QLabel* lbLinePrecession = nullptr;
    QSpinBox* seLinePrecession = nullptr;
    QLabel* lbAnglePrecession = nullptr;
    QSpinBox* seAnglePrecession = nullptr;
    QLabel* lbCourseTemplate = nullptr;
    QLineEdit* edCourseTemplate = nullptr;
    QLabel* lbPiketTemplate = nullptr;
    QLineEdit* edPiketTemplate = nullptr;
    QLabel* lbFormatAngle = nullptr;
    QComboBox* cbFormatAngle = nullptr;
    QLabel* lbSelectNamePoint = nullptr;
    QComboBox* cbSelectNamePoint = nullptr;
    QCheckBox* ckbhoriz = nullptr;
    QCheckBox* ckbRef = nullptr;
    QLineEdit* edRef = nullptr;
    QListView* cklAdditionOption = nullptr;
    AdditionOptionsModel* additionModel_ = nullptr;
};
