#pragma once
// The serial port's settings as a plain value: what "Настройка" edits and "Скачать" applies.
#include <QSerialPort>
#include <QString>
#include <QStringList>

struct PortSettings {
    QString portName = QStringLiteral("COM1"); // as the user chose or typed it
    qint32 baudRate = 9600;
    QSerialPort::DataBits dataBits = QSerialPort::Data7;
    QSerialPort::Parity parity = QSerialPort::EvenParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flowControl = QSerialPort::SoftwareControl; // XON/XOFF, no handshake lines

    friend bool operator==(const PortSettings&, const PortSettings&) = default;
};

// The settings at every start: the first serial port the machine lists (a USB adapter before
// the built-in ports), else "COM1", at 9600 baud, 7 data bits, even parity, 1 stop bit, XON/XOFF.
PortSettings InitialPortSettings();

// The ports the machine has, USB adapters first.
QStringList AvailablePortNames();

// The device a port name stands for. "COM1" names no port here: a "COMn" means /dev/ttyS(n-1);
// a bare name is looked up in /dev, a path is taken as it stands.
QString PortDevice(const QString& portName);

// Gives the port these settings; on a closed port they take effect when it opens.
void ApplyPortSettings(QSerialPort& port, const PortSettings& settings);
