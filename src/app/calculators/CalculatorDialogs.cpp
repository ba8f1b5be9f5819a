#include "app/calculators/CalculatorDialogs.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "app/main/MainWindow.h"
#include "core/Calculators.h"
#include "core/TextRoutines.h"
#include "work/CalculatorCommands.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Characters allowed after a pasted "," in the four coordinate fields; unlike the main
// window's fields, these let "-" through there.
constexpr int kDigitsAfterComma = 2;
constexpr bool kMinusAfterComma = true;

QLineEdit* makeField(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter on a focused button presses it; Enter in a field never presses a button.
    button->setAutoDefault(true);
    return button;
}

// Enter that a field leaves alone reaches the dialog, which would press whichever button it
// holds as the default: in these dialogs only a focused button answers Enter.
bool swallowEnter(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    event->accept();
    return true;
}

void bringForward(QDialog* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

// -------------------------------------------------------------------------------------------------

TFrmCalcDir::TFrmCalcDir(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("FrmCalcDir");
    setWindowTitle(QStringLiteral("Обратная геодезическая задача"));
    setModal(false);

    neTCX = makeField(this, "neTCX");
    neTCY = makeField(this, "neTCY");
    neTOX = makeField(this, "neTOX");
    neTOY = makeField(this, "neTOY");
    edDir = makeField(this, "edDir");
    edDirRad = makeField(this, "edDirRad");
    edHD = makeField(this, "edHD");
    QPalette input = edDir->palette();
    input.setColor(QPalette::Base, QColor(213, 231, 249));
    edDir->setPalette(input);

    btnChange = makeButton(this, "btnChange", QStringLiteral("Поменять местами"));
    btnCalc = makeButton(this, "btnCalc", QStringLiteral("Рассчитать"));
    btnWriteBeginDir = makeButton(this, "btnWriteBeginDir", QStringLiteral("Записать в начальный дирекционный угол"));
    btnWriteEndDir = makeButton(this, "btnWriteEndDir", QStringLiteral("Записать в конечный дирекционный угол"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Х тс, м"), this), 0, 0);
    grid->addWidget(neTCX, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("У тс, м"), this), 0, 2);
    grid->addWidget(neTCY, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Х то, м"), this), 1, 0);
    grid->addWidget(neTOX, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("У то, м"), this), 1, 2);
    grid->addWidget(neTOY, 1, 3);
    grid->addWidget(btnChange, 2, 0, 1, 2);
    grid->addWidget(btnCalc, 2, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Дирекционный угол, град/рад"), this), 3, 0, 1, 4);
    grid->addWidget(edDir, 4, 0, 1, 2);
    grid->addWidget(edDirRad, 4, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Расстояние ТС - ТО, м"), this), 5, 0, 1, 2);
    grid->addWidget(edHD, 5, 2, 1, 2);
    grid->addWidget(btnWriteBeginDir, 6, 0, 1, 4);
    grid->addWidget(btnWriteEndDir, 7, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* edit : {neTCX, neTCY, neTOX, neTOY})
        edit->installEventFilter(this);
    setTabOrder(neTCX, neTCY);
    setTabOrder(neTCY, neTOX);
    setTabOrder(neTOX, neTOY);
    setTabOrder(neTOY, btnCalc);

    connect(btnChange, &QPushButton::clicked, this, &TFrmCalcDir::btnChangeClick);
    connect(btnCalc, &QPushButton::clicked, this, &TFrmCalcDir::btnCalcClick);
    connect(btnWriteBeginDir, &QPushButton::clicked, this, &TFrmCalcDir::btnWriteBeginDirClick);
    connect(btnWriteEndDir, &QPushButton::clicked, this, &TFrmCalcDir::btnWriteEndDirClick);
}

void TFrmCalcDir::showCalculator()
{
    bringForward(this);
    if (!shownBefore_) {
        shownBefore_ = true;
        neTCX->setFocus(Qt::OtherFocusReason);
    }
}

void TFrmCalcDir::btnChangeClick()
{
    const QString x = neTCX->text();
    const QString y = neTCY->text();
    neTCX->setText(neTOX->text());
    neTCY->setText(neTOY->text());
    neTOX->setText(x);
    neTOY->setText(y);
}

void TFrmCalcDir::btnCalcClick()
{
    session_.guarded(this, [&] {
        const kalimor::InverseProblemResult r =
            kalimor::ComputeInverseProblem(cp(neTCX->text()), cp(neTCY->text()), cp(neTOX->text()), cp(neTOY->text()));
        edDirRad->setText(qs(r.edDirRad));
        edDir->setText(qs(r.edDir));
        edHD->setText(qs(r.edHD));
    });
}

void TFrmCalcDir::btnWriteBeginDirClick()
{
    kalimor::WriteStartDirection(session_.work, cp(edDir->text()));
    emit session_.workChanged();
}

void TFrmCalcDir::btnWriteEndDirClick()
{
    kalimor::WriteEndDirection(session_.work, cp(edDir->text()));
    emit session_.workChanged();
}

bool TFrmCalcDir::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        QWidget* next = edit == neTCX   ? static_cast<QWidget*>(neTCY)
                        : edit == neTCY ? static_cast<QWidget*>(neTOX)
                        : edit == neTOX ? static_cast<QWidget*>(neTOY)
                                        : static_cast<QWidget*>(btnCalc);
        next->setFocus(Qt::TabFocusReason);
        return true; // consumed: the dialog must not press a button for it
    }
    if (key->text().size() != 1 || !key->text()[0].isPrint())
        return QDialog::eventFilter(watched, event);
    const std::string typed = cp(key->text());
    // A key typed over a selection replaces it (Enter leaves the next field all selected):
    // judge the field as it will be, with the caret where the selection starts.
    QString text = edit->text();
    int caret = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        caret = edit->selectionStart();
        text.remove(caret, edit->selectedText().size());
    }
    const auto accepted = kalimor::NumericKeyFilter(cp(text), caret, typed[0], kDigitsAfterComma, kMinusAfterComma);
    if (!accepted)
        return true;
    if (*accepted != typed[0]) {
        edit->insert(QString(QChar::fromLatin1(*accepted)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmCalcDir::keyPressEvent(QKeyEvent* event)
{
    if (!swallowEnter(event))
        QDialog::keyPressEvent(event);
}

// -------------------------------------------------------------------------------------------------

TFrmGradRad::TFrmGradRad(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("FrmGradRad");
    setWindowTitle(QStringLiteral("Угловые преобразования"));
    setModal(false);

    EDiNdms = makeField(this, "EDiNdms");
    EDoUTrAD = makeField(this, "EDoUTrAD");
    edInRad = makeField(this, "edInRad");
    edOutDMS = makeField(this, "edOutDMS");
    btnDmsToRad = makeButton(this, "btnDmsToRad", QStringLiteral("Перевести ->"));
    btnRadToDms = makeButton(this, "btnRadToDms", QStringLiteral("Перевести ->"));

    auto* column = new QVBoxLayout(this);
    const auto addRow = [&](const QString& caption, const char* name, QLineEdit* in, QPushButton* button,
                            QLineEdit* out) {
        auto* group = new QGroupBox(caption, this);
        group->setObjectName(QString::fromLatin1(name));
        auto* row = new QHBoxLayout(group);
        row->addWidget(in);
        row->addWidget(button);
        row->addWidget(out);
        column->addWidget(group);
    };
    addRow(QStringLiteral("Градусы в радианы"), "GroupDmsToRad", EDiNdms, btnDmsToRad, EDoUTrAD);
    addRow(QStringLiteral("Радианы в градусы"), "GroupRadToDms", edInRad, btnRadToDms, edOutDMS);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnDmsToRad, &QPushButton::clicked, this, &TFrmGradRad::btnDmsToRadClick);
    connect(btnRadToDms, &QPushButton::clicked, this, &TFrmGradRad::btnRadToDmsClick);
}

void TFrmGradRad::showCalculator()
{
    bringForward(this);
}

void TFrmGradRad::keyPressEvent(QKeyEvent* event)
{
    if (!swallowEnter(event))
        QDialog::keyPressEvent(event);
}

void TFrmGradRad::btnDmsToRadClick()
{
    session_.guarded(this, [&] { EDoUTrAD->setText(qs(kalimor::PackedTextToRadiansText(cp(EDiNdms->text())))); });
}

void TFrmGradRad::btnRadToDmsClick()
{
    session_.guarded(this, [&] { edOutDMS->setText(qs(kalimor::RadiansTextToPackedText(cp(edInRad->text())))); });
}

// -------------------------------------------------------------------------------------------------

void installCalculators(TFrmMain& window)
{
    auto* calcDir = new TFrmCalcDir(window.session(), &window);
    auto* gradRad = new TFrmGradRad(window.session(), &window);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("btnUtilCourse"));
    if (!button)
        return;
    auto* menu = new QMenu(button);
    menu->setObjectName("PopupUtilCourse");
    QAction* dir = menu->addAction(QStringLiteral("Обратная геодезическая"));
    dir->setObjectName("MnuCalcDir");
    QAction* conv = menu->addAction(QStringLiteral("Перевод угловых величин"));
    conv->setObjectName("MnuGradRad");
    QObject::connect(dir, &QAction::triggered, calcDir, &TFrmCalcDir::showCalculator);
    QObject::connect(conv, &QAction::triggered, gradRad, &TFrmGradRad::showCalculator);
    button->setMenu(menu);
    button->setEnabled(true);
}
