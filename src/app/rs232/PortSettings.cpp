#include "app/rs232/PortSettings.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

QStringList AvailablePortNames()
{
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    // A surveyor's instrument hangs on a USB adapter far more often than on a built-in port.
    std::stable_sort(ports.begin(), ports.end(), [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
        return a.hasVendorIdentifier() && !b.hasVendorIdentifier();
    });
    QStringList names;
    for (const QSerialPortInfo& info : ports)
        names << info.portName();
    return names;
}

PortSettings InitialPortSettings()
{
    PortSettings settings;
    const QStringList ports = AvailablePortNames();
    if (!ports.isEmpty())
        settings.portName = ports.first();
    return settings;
}

QString PortDevice(const QString& portName)
{
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]*)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QString name = portName.trimmed();
    if (const QRegularExpressionMatch m = com.match(name); m.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(m.captured(1).toLongLong() - 1);
    if (name.startsWith(QLatin1Char('/')))
        return name;
    return QStringLiteral("/dev/") + name;
}

void ApplyPortSettings(QSerialPort& port, const PortSettings& settings)
{
    // A setting the device refuses (a pseudo-terminal takes no parity) is reported through the
    // port's error signal; the others still apply.
    if (!port.isOpen())
        port.setPortName(PortDevice(settings.portName));
    port.setBaudRate(settings.baudRate);
    port.setDataBits(settings.dataBits);
    port.setParity(settings.parity);
    port.setStopBits(settings.stopBits);
    port.setFlowControl(settings.flowControl);
}
