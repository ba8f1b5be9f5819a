#include "app/search/FindDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Найти"));
    setModal(false);

    auto* label = new QLabel(QStringLiteral("Образец:"), this);
    edFindText_ = new QLineEdit(this);
    edFindText_->setObjectName("edFindText");
    label->setBuddy(edFindText_);

    auto* ckbWholeWord = new QCheckBox(QStringLiteral("Только слово целиком"), this);
    ckbWholeWord->setObjectName("ckbWholeWord");
    auto* ckbMatchCase = new QCheckBox(QStringLiteral("С учетом регистра"), this);
    ckbMatchCase->setObjectName("ckbMatchCase");
    auto* direction = new QGroupBox(QStringLiteral("Направление"), this);
    direction->setObjectName("GrpDirection");
    auto* rbUp = new QRadioButton(QStringLiteral("Вверх"), direction);
    auto* rbDown = new QRadioButton(QStringLiteral("Вниз"), direction);
    rbDown->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(rbUp);
    directionLayout->addWidget(rbDown);
    for (QWidget* w : std::initializer_list<QWidget*>{ckbWholeWord, ckbMatchCase, direction})
        w->setEnabled(false);

    btnFindNext_ = new QPushButton(QStringLiteral("Найти далее"), this);
    btnFindNext_->setObjectName("btnFindNext");
    btnFindNext_->setDefault(true);
    auto* btnCancel = new QPushButton(QStringLiteral("Отмена"), this);
    btnCancel->setObjectName("btnCancel");

    auto* fields = new QVBoxLayout;
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(label);
    textRow->addWidget(edFindText_, 1);
    fields->addLayout(textRow);
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(ckbWholeWord);
    checks->addWidget(ckbMatchCase);
    options->addLayout(checks);
    options->addWidget(direction);
    fields->addLayout(options);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnFindNext_);
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(btnFindNext_, &QPushButton::clicked, this, &FindDialog::btnFindNextClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindDialog::text() const
{
    return edFindText_->text();
}

void FindDialog::setText(const QString& text)
{
    edFindText_->setText(text);
}

void FindDialog::execute()
{
    show();
    raise();
    activateWindow();
    edFindText_->setFocus();
}

void FindDialog::btnFindNextClick()
{
    emit findNext(edFindText_->text());
}
