#include "app/rs232/PortSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QComboBox* Choice(QWidget* parent, const char* name, const QList<std::pair<QString, int>>& items, int current)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (const auto& [text, value] : items)
        box->addItem(text, value);
    box->setCurrentIndex(std::max(0, box->findData(current)));
    return box;
}

} // namespace

PortSettingsDialog::PortSettingsDialog(const PortSettings& settings, QWidget* parent)
    : QDialog(parent), shownPort_(settings.portName)
{
    setObjectName(QStringLiteral("ComSetupDialog"));
    setWindowTitle(QStringLiteral("Настройка порта"));

    // The ports the machine has, and room to type a device path (a port that is not listed).
    cbPort = new QComboBox(this);
    cbPort->setObjectName(QStringLiteral("cbPort"));
    cbPort->setEditable(true);
    cbPort->setInsertPolicy(QComboBox::NoInsert);
    cbPort->addItems(AvailablePortNames());
    cbPort->setCurrentText(settings.portName);

    cbBaudRate = new QComboBox(this);
    cbBaudRate->setObjectName(QStringLiteral("cbBaudRate"));
    cbBaudRate->setEditable(true);
    for (int rate : {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200})
        cbBaudRate->addItem(QString::number(rate));
    cbBaudRate->setValidator(new QIntValidator(1, 4000000, cbBaudRate));
    cbBaudRate->setCurrentText(QString::number(settings.baudRate));

    cbDataBits = Choice(this, "cbDataBits",
                        {{QStringLiteral("5"), QSerialPort::Data5},
                         {QStringLiteral("6"), QSerialPort::Data6},
                         {QStringLiteral("7"), QSerialPort::Data7},
                         {QStringLiteral("8"), QSerialPort::Data8}},
                        settings.dataBits);
    cbParity = Choice(this, "cbParity",
                      {{QStringLiteral("Нет"), QSerialPort::NoParity},
                       {QStringLiteral("Чёт"), QSerialPort::EvenParity},
                       {QStringLiteral("Нечёт"), QSerialPort::OddParity},
                       {QStringLiteral("Маркер"), QSerialPort::MarkParity},
                       {QStringLiteral("Пробел"), QSerialPort::SpaceParity}},
                      settings.parity);
    cbStopBits = Choice(this, "cbStopBits",
                        {{QStringLiteral("1"), QSerialPort::OneStop},
                         {QStringLiteral("1.5"), QSerialPort::OneAndHalfStop},
                         {QStringLiteral("2"), QSerialPort::TwoStop}},
                        settings.stopBits);
    cbFlowControl = Choice(this, "cbFlowControl",
                           {{QStringLiteral("Нет"), QSerialPort::NoFlowControl},
                            {QStringLiteral("XON/XOFF"), QSerialPort::SoftwareControl},
                            {QStringLiteral("RTS/CTS"), QSerialPort::HardwareControl}},
                           settings.flowControl);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Порт"), cbPort);
    form->addRow(QStringLiteral("Скорость, бод"), cbBaudRate);
    form->addRow(QStringLiteral("Биты данных"), cbDataBits);
    form->addRow(QStringLiteral("Чётность"), cbParity);
    form->addRow(QStringLiteral("Стоповые биты"), cbStopBits);
    form->addRow(QStringLiteral("Управление потоком"), cbFlowControl);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PortSettings PortSettingsDialog::value() const
{
    PortSettings settings;
    settings.portName = cbPort->currentText().trimmed();
    if (settings.portName.isEmpty())
        settings.portName = shownPort_;
    bool ok = false;
    const int rate = cbBaudRate->currentText().toInt(&ok);
    settings.baudRate = ok && rate > 0 ? rate : 9600;
    settings.dataBits = static_cast<QSerialPort::DataBits>(cbDataBits->currentData().toInt());
    settings.parity = static_cast<QSerialPort::Parity>(cbParity->currentData().toInt());
    settings.stopBits = static_cast<QSerialPort::StopBits>(cbStopBits->currentData().toInt());
    settings.flowControl = static_cast<QSerialPort::FlowControl>(cbFlowControl->currentData().toInt());
    return settings;
}

std::optional<PortSettings> PortSettingsDialog::ask(QWidget* parent, const PortSettings& settings)
{
    PortSettingsDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}
