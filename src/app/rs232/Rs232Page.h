#pragma once
// The page "RS-232": raw text from an instrument over a serial line, collected in `redownload`.
#include "app/rs232/PortSettings.h"

#include <QSerialPort>
#include <QWidget>

#include <cstdint>
#include <string>

class Session;
class Lamp;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

class Rs232Page : public QWidget {
    Q_OBJECT
public:
    Rs232Page(Session& session, QWidget* parent = nullptr);
    ~Rs232Page() override;

    // Shows the work's state anew; a received text replaced by another command (a project
    // opened, new work) is shown and counted again.
    void refresh();

    // The settings "Скачать" opens the port with; "Настройка" changes them.
    const PortSettings& portSettings() const { return settings_; }
    void setPortSettings(const PortSettings& settings);

    bool portOpen() const;
    // Stops the reception when it runs (the program's end).
    void closePort();

    // Control events.
    void btnDownloadClick();
    void btnSettingDownloadClick();
    void btnClearDownloadClick();
    void btnSaveDownLoadClick();
    void ComPortRxChar();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ComPortError(QSerialPort::SerialPortError error);
    void showReceptionState();
    void showCounter();
    void appendToView(const std::string& piece);
    void flushView();
    void layoutControls();

    Session& session_;
    PortSettings settings_;
    std::string chunk_;               // the characters of the latest reception event
    std::string viewPending_;         // received, counted, not yet in the view
    std::uint64_t shownRevision_ = 0; // the revision of the received text the view shows

    QSerialPort* ComPort;
    QGroupBox* grpDownload;
    QLabel* pnRxString;
    QPushButton* btnFindDownload;
    QPlainTextEdit* redownload;
    QPushButton* btnPrintDownload;
    QFrame* pnRx;
    Lamp* lampRx;
    QFrame* pnConnection;
    Lamp* lampConnection;
    QPushButton* btnSettingDownload;
    QPushButton* btnClearDownload;
    QPushButton* btnDownload;
    QPushButton* btnSaveDownLoad;
    QTimer* rxLampTimer;
    QTimer* viewTimer;
};
