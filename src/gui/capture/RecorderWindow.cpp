#include "gui/capture/RecorderWindow.h"

#include "gui/capture/QtSoundDevice.h"
#include "common/AppFolder.h"
#include "common/PlatformServices.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

namespace vornax {

RecorderWindow::RecorderWindow(std::unique_ptr<SoundDevice> device, std::filesystem::path temporaryRecording,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), device_(std::move(device))
{
    if (!device_)
        device_ = std::make_unique<QtSoundDevice>();
    recorder_ = std::make_unique<Recorder>(*device_, std::move(temporaryRecording));

    setObjectName("Form1");
    setAttribute(Qt::WA_DeleteOnClose);

    auto button = [this](const char* name, void (RecorderWindow::*handler)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setMinimumSize(100, 32);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    command2_ = button("Command2", &RecorderWindow::Command2_Click);
    command3_ = button("Command3", &RecorderWindow::Command3_Click);
    command4_ = button("Command4", &RecorderWindow::Command4_Click);
    command1_ = button("Command1", &RecorderWindow::Command1_Click);
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setFrameShape(QFrame::StyledPanel);
    label1_->setFrameShadow(QFrame::Sunken);
    label1_->setMinimumHeight(26);

    ignitionMode_ = new QRadioButton(this);
    ignitionMode_->setObjectName("IgnitionMode");
    ignitionMode_->setChecked(true);
    microphoneMode_ = new QRadioButton(this);
    microphoneMode_->setObjectName("MicrophoneMode");
    inputList_ = new QListWidget(this);
    inputList_->setObjectName("InputList");
    inputList_->setMaximumHeight(96);
    formatLine_ = new QLabel(this);
    formatLine_->setObjectName("FormatLine");
    connect(ignitionMode_, &QRadioButton::toggled, this, &RecorderWindow::takeCaptureChoice);
    connect(inputList_, &QListWidget::currentRowChanged, this, &RecorderWindow::takeCaptureChoice);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(command2_, 0, 0);
    layout->addWidget(command3_, 0, 1);
    layout->addWidget(command4_, 0, 2);
    layout->addWidget(command1_, 0, 3);
    layout->addWidget(ignitionMode_, 1, 0, 1, 2);
    layout->addWidget(microphoneMode_, 1, 2, 1, 2);
    layout->addWidget(inputList_, 2, 0, 1, 4);
    layout->addWidget(formatLine_, 3, 0, 1, 4);
    layout->addWidget(label1_, 4, 0, 1, 4);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(500);
    connect(timer1_, &QTimer::timeout, this, &RecorderWindow::Timer1_Timer);

    refreshInputs();
    showCaptions();
    recorder_->open();
    showButtons();
    timer1_->start();
}

void RecorderWindow::refreshInputs()
{
    const std::string kept = recorder_->inputId();
    const QSignalBlocker quiet(inputList_);
    inputList_->clear();
    // The input chosen before, else the system's default, else the first.
    int chosen = -1, standard = -1;
    for (const SoundInputInfo& input : recorder_->inputs()) {
        auto* item = new QListWidgetItem(QString::fromStdString(input.name), inputList_);
        item->setData(Qt::UserRole, QString::fromStdString(input.id));
        if (input.isDefault) {
            item->setText(tr("%1 (default)").arg(item->text()));
            standard = inputList_->count() - 1;
        }
        if (!kept.empty() && input.id == kept)
            chosen = inputList_->count() - 1;
    }
    if (chosen < 0)
        chosen = standard >= 0 ? standard : std::min(0, inputList_->count() - 1);
    inputList_->setCurrentRow(chosen);
    takeCaptureChoice();
}

void RecorderWindow::takeCaptureChoice()
{
    const bool microphone = microphoneMode_->isChecked();
    const QListWidgetItem* item = inputList_->currentItem();
    recorder_->setCapture(microphone ? CaptureMode::Microphone : CaptureMode::Ignition,
                          item ? item->data(Qt::UserRole).toString().toStdString() : std::string());
    showCaptureChoice();
}

void RecorderWindow::showCaptureChoice()
{
    const bool microphone = recorder_->captureMode() == CaptureMode::Microphone;
    const bool free = !recording();
    ignitionMode_->setEnabled(free);
    microphoneMode_->setEnabled(free);
    inputList_->setEnabled(free && microphone);
    formatLine_->setText(microphone ? tr("Recorded: 16 bits, mono, 48 000 Hz (or the input's own rate), "
                                         "from the input chosen above.")
                                    : tr("Recorded: 8 bits, mono, 44 100 Hz, from the system's default input."));
}

RecorderWindow::~RecorderWindow()
{
    // A window deleted without being closed (program end, tests) still ends
    // its capture and cleans up.
    if (!closed_)
        recorder_->close();
}

void RecorderWindow::showCaptions()
{
    setWindowTitle(tr("WAV Recorder"));
    command2_->setText(tr("Record"));
    command3_->setText(tr("Stop"));
    command4_->setText(tr("Play"));
    command1_->setText(tr("Save As..."));
    ignitionMode_->setText(tr("Ignition pickup (line input)"));
    microphoneMode_->setText(tr("Engine sound (microphone)"));
    if (recorder_)
        showCaptureChoice();
}

void RecorderWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showCaptions();
    QWidget::changeEvent(event);
}

void RecorderWindow::showButtons()
{
    showCaptureChoice();
    const RecorderButtons& b = recorder_->buttons();
    command2_->setEnabled(b.record);
    command3_->setEnabled(b.stop);
    command4_->setEnabled(b.play);
    command1_->setEnabled(b.saveAs);
}

void RecorderWindow::Command2_Click()
{
    recorder_->record();
    showButtons();
}

void RecorderWindow::Command3_Click()
{
    recorder_->stop();
    showButtons();
}

void RecorderWindow::Command4_Click() { recorder_->play(); }

void RecorderWindow::Command1_Click()
{
    recorder_->saveAs();
    showButtons();
}

void RecorderWindow::Timer1_Timer()
{
    label1_->setText(QString::fromStdString(recorder_->statusText()));
    showCaptureChoice();
}

bool RecorderWindow::recording() const { return device_->mode() == modeword::kRecording; }

namespace {

// "recording-20261208-233000.wav" in the Wav folder, with "-2", "-3", ... when
// a file has that name already.
std::filesystem::path freshRecordingName()
{
    const std::filesystem::path folder = defaultFolder("Wav");
    const std::string stamp =
        "recording-" + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    std::filesystem::path name = folder / (stamp + ".wav");
    for (int n = 2; std::filesystem::exists(name); ++n)
        name = folder / (stamp + "-" + std::to_string(n) + ".wav");
    return name;
}

}  // namespace

bool RecorderWindow::keepRecordingUnderWay(const std::filesystem::path& target)
{
    Command3_Click();
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    // The device writes the WAV file as "Save As..." has it written.
    const Status saved = device_->save(target);
    if (!saved) {
        platform().message(
            tr("The recording could not be saved: %1").arg(QString::fromStdString(saved.error())).toStdString(),
            windowTitle().toStdString(), MessageIcon::Warning);
        return false;
    }
    return true;
}

void RecorderWindow::closeEvent(QCloseEvent* event)
{
    if (!closed_ && recording()) {
        const std::filesystem::path target = freshRecordingName();
        const std::string question =
            tr("A recording is under way. Stop it and close? It will be saved in the Wav folder as \"%1\".")
                .arg(QString::fromStdString(target.filename().string()))
                .toStdString();
        if (!platform().ask(question, windowTitle().toStdString()) || !keepRecordingUnderWay(target)) {
            event->ignore();
            return;
        }
    }
    timer1_->stop();
    if (!closed_) {
        recorder_->close();
        closed_ = true;
    }
    event->accept();
}

}  // namespace vornax
