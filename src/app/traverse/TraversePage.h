#pragma once
// The page "Линейно-угловой ход": the traverse settings, the table GridViewCourse, the
// statement view reCourse and the page's buttons.
#include <QWidget>

#include <string>
#include <vector>

class Session;
class CourseTableModel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHeaderView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableView;

class TraversePage : public QWidget {
    Q_OBJECT
public:
    TraversePage(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew.
    void refresh();

    // The width of each button of the lower row for a page width: 78 + round(E / 8), E being
    // the page width less the design width 674 (halves to even).
    static int buttonWidth(int pageWidth);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void SePointCourseCountChange(int value);
    void btnAddCourseClick();
    void btnDelCourseClick();
    void btnAutoCourseClick();
    void btnCalcCourseClick();
    void cbTypeCourseChange(int item);
    void cdTypeAngleCourseChange(int item);
    void cbUseDirorCoordChange(int item);
    void cbSelectCourseTemplateChange(int item);
    void reCourseChange();

    // Runs an adjusting command and lets every page and the status pane show its outcome.
    template <class F> void adjusting(F&& command);
    void refreshTable();
    void applyTemplate();
    void showStatement();
    void layoutPage();

    Session& session_;
    CourseTableModel* model_ = nullptr;
    QGroupBox* group_ = nullptr;
    QLabel* lbPointCount_ = nullptr;
    QLabel* lbSourceKind_ = nullptr;
    QLabel* lbTemplate_ = nullptr;
    QSpinBox* SePointCourseCount = nullptr;
    QComboBox* cbTypeCourse = nullptr;
    QComboBox* cdTypeAngleCourse = nullptr;
    QComboBox* cbUseDirorCoord = nullptr;
    QComboBox* cbSelectCourseTemplate = nullptr;
    QCheckBox* ckbNextBackUse = nullptr;
    QTableView* GridViewCourse = nullptr;
    QHeaderView* footer_ = nullptr;
    QPlainTextEdit* reCourse = nullptr;
    std::vector<QPushButton*> buttons_; // the lower row, in order
    std::vector<std::string> shownStatement_;
    bool showing_ = false;
};
