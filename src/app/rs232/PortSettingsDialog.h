#pragma once
// "Настройка": the serial port's settings. It edits a copy and returns it; it never touches
// the port itself.
#include "app/rs232/PortSettings.h"

#include <QDialog>

#include <optional>

class QComboBox;

class PortSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PortSettingsDialog(const PortSettings& settings, QWidget* parent = nullptr);

    PortSettings value() const;

    // Shows the dialog modally; the confirmed settings, or nothing when cancelled.
    static std::optional<PortSettings> ask(QWidget* parent, const PortSettings& settings);

private:
    QString shownPort_; // kept when the port field is left empty
    QComboBox* cbPort;
    QComboBox* cbBaudRate;
    QComboBox* cbDataBits;
    QComboBox* cbParity;
    QComboBox* cbStopBits;
    QComboBox* cbFlowControl;
};
