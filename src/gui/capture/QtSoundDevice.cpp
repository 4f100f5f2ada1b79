#include "gui/capture/QtSoundDevice.h"

#include "capture/WavWriter.h"
#include "common/Translation.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QMediaDevices>

namespace vornax {
namespace {

std::optional<SampleType> sampleType(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8: return SampleType::UInt8;
    case QAudioFormat::Int16: return SampleType::Int16;
    case QAudioFormat::Int32: return SampleType::Int32;
    case QAudioFormat::Float: return SampleType::Float;
    default: return std::nullopt;
    }
}

QAudioFormat qtFormat(int rate, int channels, QAudioFormat::SampleFormat type)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(type);
    return format;
}

std::optional<PcmFormat> pcmFormat(const QAudioFormat& format)
{
    const auto type = sampleType(format.sampleFormat());
    if (!type)
        return std::nullopt;
    PcmFormat pcm{format.sampleRate(), format.channelCount(), *type};
    if (!pcm.valid())
        return std::nullopt;
    return pcm;
}

// The recorder's own format when the device takes it, else 16-bit mono at the
// same rate, else what the device prefers.
QAudioFormat formatFor(const QAudioDevice& device)
{
    for (const QAudioFormat& wanted :
         {qtFormat(kRecordingRate, 1, QAudioFormat::UInt8), qtFormat(kRecordingRate, 1, QAudioFormat::Int16)})
        if (device.isFormatSupported(wanted))
            return wanted;
    return device.preferredFormat();
}

// 16-bit mono at 48 000 Hz, else at the input's own rate, else what it prefers.
QAudioFormat microphoneFormatFor(const QAudioDevice& device)
{
    const int own = device.preferredFormat().sampleRate();
    for (const QAudioFormat& wanted :
         {qtFormat(kMicrophoneRate, 1, QAudioFormat::Int16), qtFormat(own, 1, QAudioFormat::Int16)})
        if (wanted.sampleRate() > 0 && device.isFormatSupported(wanted))
            return wanted;
    return device.preferredFormat();
}

// The chosen input, or the default when it is gone.
QAudioDevice inputById(const std::string& id)
{
    if (!id.empty())
        for (const QAudioDevice& device : QMediaDevices::audioInputs())
            if (device.id().toStdString() == id)
                return device;
    return QMediaDevices::defaultAudioInput();
}

// 16-bit mono samples in a device's encoding, each repeated on every channel.
QByteArray fromMicrophoneSamples(const std::vector<std::int16_t>& samples, SampleType type, int channels)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(samples.size()) * channels * 4);
    auto put = [&out](const auto v) { out.append(reinterpret_cast<const char*>(&v), sizeof v); };
    for (const std::int16_t v : samples)
        for (int c = 0; c < channels; ++c) {
            switch (type) {
            case SampleType::UInt8: put(static_cast<std::uint8_t>((v >> 8) + 128)); break;
            case SampleType::Int16: put(v); break;
            case SampleType::Int32: put(static_cast<std::int32_t>(v) * 65536); break;
            case SampleType::Float: put(static_cast<float>(v / 32768.0)); break;
            }
        }
    return out;
}

}  // namespace

QtSoundDevice::QtSoundDevice(QObject* parent) : QObject(parent) {}

QtSoundDevice::~QtSoundDevice() { close(); }

std::vector<SoundInputInfo> QtSoundDevice::inputs() const
{
    std::vector<SoundInputInfo> list;
    const QAudioDevice standard = QMediaDevices::defaultAudioInput();
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        list.push_back({device.id().toStdString(), device.description().toStdString(), device.id() == standard.id()});
    return list;
}

void QtSoundDevice::setCapture(CaptureMode mode, const std::string& inputId)
{
    captureMode_ = mode;
    inputId_ = inputId;
}

void QtSoundDevice::open()
{
    close();
    open_ = true;
}

Status QtSoundDevice::record()
{
    endRecording();
    endPlaying();
    samples_.clear();
    micSamples_.clear();
    if (!open_)
        return Failure{tx("Recorder", "The sound device is not ready.")};
    const bool microphone = captureMode_ == CaptureMode::Microphone;
    recordedMicrophone_ = microphone;
    const QAudioDevice device = microphone ? inputById(inputId_) : QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return Failure{
            tx("Recorder", "No sound input was found: connect a microphone or a line input, then press Record again.")};
    const QAudioFormat format = microphone ? microphoneFormatFor(device) : formatFor(device);
    const std::optional<PcmFormat> pcm = pcmFormat(format);
    if (!pcm)
        return Failure{tx("Recorder", "The sound input offers no format the recorder can read.")};

    source_ = std::make_unique<QAudioSource>(device, format);
    // The source's own buffer size is kept: a larger one set here made Qt 6.4
    // drop the first half second of the recording.
    input_ = source_->start();
    if (!input_ || source_->error() != QAudio::NoError) {
        source_.reset();
        input_ = nullptr;
        return Failure{tx("Recorder", "The sound input could not be opened.")};
    }
    if (microphone) {
        micConverter_.emplace(*pcm);
        micRate_ = pcm->sampleRate;
    } else {
        converter_.emplace(*pcm);
    }
    inputFormat_ = pcm;
    connect(input_, &QIODevice::readyRead, this, &QtSoundDevice::takeInput);
    // A source that stops by itself (an input unplugged) ends the recording;
    // what arrived before stays. Deleting it is left to the event loop, since
    // it is the sender.
    connect(source_.get(), &QAudioSource::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && source_ && source_->error() != QAudio::NoError) {
            takeInput();
            if (!source_)
                return;
            QAudioSource* failed = source_.release();
            disconnect(failed, nullptr, this, nullptr);
            input_ = nullptr;
            failed->deleteLater();
        }
    });
    return success();
}

void QtSoundDevice::takeInput()
{
    if (input_ && micConverter_) {
        const QByteArray bytes = input_->readAll();
        micConverter_->feed(
            {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())},
            micSamples_);
        if (micSamples_.size() > kMaxRecordingSamples / 2) {
            micSamples_.resize(kMaxRecordingSamples / 2);
            micConverter_.reset();
            QMetaObject::invokeMethod(this, &QtSoundDevice::endRecording, Qt::QueuedConnection);
        }
        return;
    }
    if (!input_ || !converter_)
        return;
    const QByteArray bytes = input_->readAll();
    converter_->feed({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())},
                     samples_);
    if (samples_.size() > kMaxRecordingSamples) {
        // A full WAV file: the recording ends. Later, since the source may be
        // the one calling.
        samples_.resize(kMaxRecordingSamples);
        converter_.reset();
        QMetaObject::invokeMethod(this, &QtSoundDevice::endRecording, Qt::QueuedConnection);
    }
}

void QtSoundDevice::endRecording()
{
    if (!source_)
        return;
    takeInput();
    // What the resampler's filter still holds ends the recording.
    if (converter_) {
        converter_->finish(samples_);
        if (samples_.size() > kMaxRecordingSamples)
            samples_.resize(kMaxRecordingSamples);
        converter_.reset();
    }
    micConverter_.reset();
    disconnect(source_.get(), nullptr, this, nullptr);
    if (input_)
        disconnect(input_, nullptr, this, nullptr);
    source_->stop();
    source_.reset();
    input_ = nullptr;
}

void QtSoundDevice::endPlaying()
{
    if (!sink_)
        return;
    disconnect(sink_.get(), nullptr, this, nullptr);
    sink_->stop();
    sink_.reset();
    playback_.reset();
    playbackBytes_.clear();
}

void QtSoundDevice::stop()
{
    endRecording();
    endPlaying();
}

Status QtSoundDevice::play()
{
    endRecording();
    endPlaying();
    if (!open_)
        return Failure{tx("Recorder", "The sound device is not ready.")};
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return Failure{tx("Recorder", "No sound output was found to play the recording.")};

    const bool microphone = recordedMicrophone_;
    const int rate = microphone ? micRate_ : kRecordingRate;
    QAudioFormat format = qtFormat(rate, 1, microphone ? QAudioFormat::Int16 : QAudioFormat::UInt8);
    if (!device.isFormatSupported(format)) {
        format = device.preferredFormat();
        format.setSampleRate(rate);
        if (!sampleType(format.sampleFormat()) || format.channelCount() < 1 || format.channelCount() > 32)
            format = qtFormat(rate, 1, QAudioFormat::Int16);
    }
    if (microphone) {
        playbackBytes_ = fromMicrophoneSamples(micSamples_, *sampleType(format.sampleFormat()), format.channelCount());
    } else {
        const std::vector<std::uint8_t> bytes =
            fromRecordingSamples(samples_, *sampleType(format.sampleFormat()), format.channelCount());
        playbackBytes_ = QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }
    playback_ = std::make_unique<QBuffer>(&playbackBytes_);
    playback_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    // The buffer running dry means the recording has been played to its end.
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if ((state == QAudio::IdleState || state == QAudio::StoppedState) && sink_) {
            QAudioSink* finished = sink_.release();
            disconnect(finished, nullptr, this, nullptr);
            finished->stop();
            finished->deleteLater();
        }
    });
    sink_->start(playback_.get());
    if (sink_ && sink_->error() != QAudio::NoError) {
        endPlaying();
        return Failure{tx("Recorder", "The sound output could not be opened.")};
    }
    return success();
}

Status QtSoundDevice::save(const std::filesystem::path& file)
{
    takeInput();
    if (recordedMicrophone_)
        return writeWav16File(file, micSamples_, micRate_);
    return writeWavFile(file, samples_);
}

std::string QtSoundDevice::mode() const
{
    if (!open_)
        return modeword::kNotReady;
    if (source_)
        return modeword::kRecording;
    if (sink_)
        return modeword::kPlaying;
    if (QMediaDevices::defaultAudioInput().isNull())
        return modeword::kNoInput;
    return modeword::kStopped;
}

void QtSoundDevice::close()
{
    endRecording();
    endPlaying();
    samples_.clear();
    micSamples_.clear();
    converter_.reset();
    open_ = false;
}

}  // namespace vornax
