#include "app/rs232/Rs232Page.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "app/rs232/Lamp.h"
#include "app/rs232/PortSettingsDialog.h"
#include "intake/ReceivedText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

#include <cmath>

namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A sunken panel with a caption and a lamp at its right end.
QFrame* LampPanel(QWidget* parent, const char* name, const QString& caption, Lamp* lamp)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(new QLabel(caption, panel), 1);
    layout->addWidget(lamp);
    return panel;
}

// How the port is named in messages: the name chosen, and the device when that differs.
QString PortLabel(const PortSettings& settings)
{
    const QString device = PortDevice(settings.portName);
    return device == settings.portName ? device : QStringLiteral("%1 (%2)").arg(settings.portName, device);
}

} // namespace

Rs232Page::Rs232Page(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), settings_(InitialPortSettings())
{
    ComPort = new QSerialPort(this);
    ComPort->setObjectName(QStringLiteral("ComPort"));
    // readyRead is delivered on this thread's event loop: the view, the chunk and the counter
    // are touched by the window's thread alone.
    connect(ComPort, &QSerialPort::readyRead, this, &Rs232Page::ComPortRxChar);
    connect(ComPort, &QSerialPort::errorOccurred, this, &Rs232Page::ComPortError);

    grpDownload = new QGroupBox(QStringLiteral("Приём данных"), this);
    grpDownload->setObjectName(QStringLiteral("grpDownload"));

    pnRxString = new QLabel(grpDownload);
    pnRxString->setObjectName(QStringLiteral("pnRxString"));
    pnRxString->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pnRxString->setIndent(4);

    // Search and printing of the received text are wired by their own commands.
    btnFindDownload = Button(grpDownload, "btnFindDownload", QStringLiteral("Найти"));
    btnFindDownload->setEnabled(false);

    redownload = new QPlainTextEdit(grpDownload);
    redownload->setObjectName(QStringLiteral("redownload"));
    QFont font(QStringLiteral("Courier New"));
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    redownload->setFont(font);
    redownload->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The view shows what the instrument sent; an edit would no longer be that.
    redownload->setReadOnly(true);
    redownload->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Megabytes of received text must not be kept twice in an undo history.
    redownload->setUndoRedoEnabled(false);

    btnPrintDownload = Button(grpDownload, "btnPrintDownload", QStringLiteral("Печать"));
    btnPrintDownload->setEnabled(false);
    lampRx = new Lamp(QColor(0, 96, 255));
    lampRx->setObjectName(QStringLiteral("lampRx"));
    pnRx = LampPanel(grpDownload, "pnRx", QStringLiteral("Прием данных    "), lampRx);
    lampConnection = new Lamp(QColor(230, 0, 0));
    lampConnection->setObjectName(QStringLiteral("lampConnection"));
    pnConnection = LampPanel(grpDownload, "pnConnection", QStringLiteral("Соединение"), lampConnection);
    btnSettingDownload = Button(grpDownload, "btnSettingDownload", QStringLiteral("Настройка"));
    btnClearDownload = Button(grpDownload, "btnClearDownload", QStringLiteral("Очистить"));
    btnDownload = Button(grpDownload, "btnDownload", QStringLiteral("Скачать"));
    btnSaveDownLoad = Button(grpDownload, "btnSaveDownLoad", QStringLiteral("Сохранить"));

    connect(btnDownload, &QPushButton::clicked, this, &Rs232Page::btnDownloadClick);
    connect(btnSettingDownload, &QPushButton::clicked, this, &Rs232Page::btnSettingDownloadClick);
    connect(btnClearDownload, &QPushButton::clicked, this, &Rs232Page::btnClearDownloadClick);
    connect(btnSaveDownLoad, &QPushButton::clicked, this, &Rs232Page::btnSaveDownLoadClick);

    // The receive lamp stays lit a moment after each chunk so that a stream shows as steady light.
    rxLampTimer = new QTimer(this);
    rxLampTimer->setSingleShot(true);
    rxLampTimer->setInterval(150);
    connect(rxLampTimer, &QTimer::timeout, lampRx, [this] { lampRx->setLit(false); });

    viewTimer = new QTimer(this);
    viewTimer->setSingleShot(true);
    viewTimer->setInterval(40);
    connect(viewTimer, &QTimer::timeout, this, &Rs232Page::flushView);

    connect(qApp, &QCoreApplication::aboutToQuit, this, &Rs232Page::closePort);

    session_.work.received.sync();
    redownload->setPlainText(qs(session_.work.received.viewText()));
    shownRevision_ = session_.work.received.revision();
    showCounter();
    showReceptionState();
    resize(674, 480);
}

Rs232Page::~Rs232Page()
{
    closePort();
}

void Rs232Page::refresh()
{
    kalimor::ReceivedText& received = session_.work.received;
    // Other commands replace the text through the engine (new work empties it, opening a
    // project assigns the stored one), which counts it anew; the view follows any such change.
    received.sync();
    if (received.revision() != shownRevision_) {
        viewPending_.clear();
        redownload->setPlainText(qs(received.viewText()));
        shownRevision_ = received.revision();
    }
    showCounter();
}

void Rs232Page::setPortSettings(const PortSettings& settings)
{
    settings_ = settings;
    // An open port takes the new line settings at once; a new port name waits for the next start.
    if (ComPort->isOpen())
        ApplyPortSettings(*ComPort, settings_);
}

bool Rs232Page::portOpen() const
{
    return ComPort->isOpen();
}

void Rs232Page::closePort()
{
    if (ComPort->isOpen())
        ComPort->close();
    ComPort->clearError();
    rxLampTimer->stop();
    showReceptionState();
}

void Rs232Page::btnDownloadClick()
{
    if (ComPort->isOpen()) {
        closePort();
        return;
    }
    chunk_.clear();
    // The port takes its settings before it opens: a device that refuses one after opening
    // (a pseudo-terminal ignores parity) still receives.
    ApplyPortSettings(*ComPort, settings_);
    if (!ComPort->open(QIODevice::ReadOnly)) {
        const QString message =
            QStringLiteral("Не удалось открыть порт %1: %2").arg(PortLabel(settings_), ComPort->errorString());
        ComPort->clearError();
        showReceptionState();
        session_.prompts.error(this, message);
        return;
    }
    // Opening raises DTR and RTS; the instruments expect both inactive. Devices without these
    // lines refuse, which does not matter for receiving.
    ComPort->setDataTerminalReady(false);
    ComPort->setRequestToSend(false);
    // Characters that reached the device while the port was closed are not part of the reception.
    ComPort->clear(QSerialPort::Input);
    ComPort->clearError();
    // The main window's end closes the port even when the program goes on running.
    window()->installEventFilter(this);
    showReceptionState();
}

void Rs232Page::btnSettingDownloadClick()
{
    if (const std::optional<PortSettings> chosen = PortSettingsDialog::ask(this, settings_))
        setPortSettings(*chosen);
}

void Rs232Page::btnClearDownloadClick()
{
    if (!session_.prompts.ask(this, QStringLiteral("Текущие данные будут удалены. Продолжить?"),
                              Prompts::Icon::Warning))
        return;
    session_.work.received.clear();
    viewPending_.clear();
    redownload->clear();
    shownRevision_ = session_.work.received.revision();
    showCounter();
}

void Rs232Page::btnSaveDownLoadClick()
{
    const QString chosen = session_.prompts.saveFile(this, QStringLiteral("Сохранить"),
                                                     {QStringLiteral("Текстовый файл (*.txt)")}, nullptr, {}, true);
    if (chosen.isEmpty())
        return;
    const std::string chosenName = QFile::encodeName(chosen).toStdString();
    // The dialog asked about the name as typed; when ".txt" is added, the file replaced is
    // another one, and the user is asked about that one too.
    const QString target = QFile::decodeName(kalimor::ReceivedSaveName(chosenName).c_str());
    if (target != chosen && QFileInfo::exists(target) &&
        !session_.prompts.ask(this, QStringLiteral("Файл %1 уже существует. Заменить?").arg(target),
                              Prompts::Icon::Warning))
        return;
    session_.guarded(this, [&] { kalimor::SaveReceivedText(session_.work.received, chosenName); });
}

void Rs232Page::ComPortRxChar()
{
    const QByteArray bytes = ComPort->readAll();
    if (bytes.isEmpty())
        return;
    chunk_.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    kalimor::ReceivedText& received = session_.work.received;
    // The view takes just the new piece while it shows the text as it was before the chunk.
    const bool viewCurrent = received.revision() == shownRevision_;
    const std::string piece = received.append(chunk_);
    if (viewCurrent) {
        appendToView(piece);
        shownRevision_ = received.revision();
    } else {
        refresh();
    }
    showCounter();
    lampRx->setLit(true);
    rxLampTimer->start();
}

void Rs232Page::ComPortError(QSerialPort::SerialPortError error)
{
    // A device that vanished while receiving (an adapter pulled out, the other end of a line
    // gone) fails every read: the reception ends, the text collected so far stays.
    if (!ComPort->isOpen() || (error != QSerialPort::ResourceError && error != QSerialPort::ReadError))
        return;
    const QString message =
        QStringLiteral("Приём прерван: порт %1 недоступен (%2)").arg(PortLabel(settings_), ComPort->errorString());
    closePort();
    // Reported once the port's own notification has returned.
    QTimer::singleShot(0, this, [this, message] { session_.prompts.error(this, message); });
}

bool Rs232Page::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::Hide && !event->spontaneous())
        closePort();
    return QWidget::eventFilter(watched, event);
}

void Rs232Page::showReceptionState()
{
    const bool open = ComPort->isOpen();
    btnDownload->setText(open ? QStringLiteral("Остановить") : QStringLiteral("Скачать"));
    lampConnection->setLit(open);
    if (!open)
        lampRx->setLit(false);
}

void Rs232Page::showCounter()
{
    pnRxString->setText(qs(session_.work.received.counterText()));
}

void Rs232Page::appendToView(const std::string& piece)
{
    // Every update of the view costs a repaint whatever its size, so a fast burst (hundreds of
    // chunks a second) is gathered and shown a few times a second; a slow line shows each chunk.
    viewPending_ += piece;
    if (!viewTimer->isActive())
        viewTimer->start();
}

void Rs232Page::flushView()
{
    if (viewPending_.empty())
        return;
    // Appending at the end lays out only the new lines; the view follows the end while the
    // user has not scrolled away from it.
    QScrollBar* bar = redownload->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    QTextCursor cursor(redownload->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(qs(viewPending_));
    viewPending_.clear();
    if (following)
        bar->setValue(bar->maximum());
}

void Rs232Page::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void Rs232Page::layoutControls()
{
    const int W = width();
    const int H = height();
    grpDownload->setGeometry(0, 0, W, H);
    // Laid out for a width of 674: the bottom row shares what the page has beyond that.
    const int extra = static_cast<int>(std::nearbyint((W - 674) / 7.0));
    const int button = 78 + extra;
    const int panel = 120 + extra;
    const int rowHeight = 25;
    const int topY = 20;
    const int bottomY = H - rowHeight - 8;

    int x = 6;
    for (auto [widget, width] : {std::pair<QWidget*, int>{btnPrintDownload, button},
                                 {pnRx, panel},
                                 {pnConnection, panel},
                                 {btnSettingDownload, button},
                                 {btnClearDownload, button},
                                 {btnDownload, button},
                                 {btnSaveDownLoad, button}}) {
        widget->setGeometry(x, bottomY, width, rowHeight);
        x += width + 3;
    }
    const int downloadRight = btnDownload->x() + btnDownload->width();
    pnRxString->setGeometry(btnPrintDownload->x(), topY, downloadRight - btnPrintDownload->x(), rowHeight);
    btnFindDownload->setGeometry(downloadRight + 3, topY, button, rowHeight);
    const int viewTop = topY + rowHeight + 6;
    redownload->setGeometry(6, viewTop, W - 12, std::max(0, bottomY - 6 - viewTop));
}
