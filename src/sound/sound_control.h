#pragma once

#include "sound/sound_device.h"

#include <QObject>
#include <QString>
#include <memory>

namespace tavrin {

class AudioEngine;

// A multimedia device driven, as the game's windows drive it, by writing properties: set
// DeviceType ("WaveAudio" or "Sequencer") and FileName, then write Command ("Open", "Play",
// "Sound", "Next", "Prev", "Close", in any case) to carry the command out at once. Notify and
// Wait apply to the next command only.
//
// Failures are silent by design: a missing file, no sound card, "Open" on an open device or
// any command on a closed one leaves the device quiet and the game going. Done(1) is raised,
// as a later event, only when a play sent with Notify has reached its end; a play that could
// not start or was interrupted raises nothing, so a handler that restarts the music on every
// Done cannot spin. No command blocks: Wait is accepted, but the UI thread never waits for a
// sound to end.
//
// The engine must outlive its devices.
class SoundControl : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString deviceType READ deviceType WRITE setDeviceType)
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString command READ command WRITE setCommand)
    Q_PROPERTY(bool notify READ notify WRITE setNotify)
    Q_PROPERTY(bool wait READ wait WRITE setWait)
    Q_PROPERTY(bool shareable READ shareable WRITE setShareable)
public:
    static constexpr int kNotifySuccessful = 1;

    explicit SoundControl(AudioEngine& engine, QObject* parent = nullptr);
    ~SoundControl() override;

    QString deviceType() const { return deviceType_; }
    QString fileName() const { return fileName_; }
    QString command() const { return lastCommand_; }
    bool notify() const { return notify_; }
    bool wait() const { return wait_; }
    bool shareable() const { return shareable_; }

    void setDeviceType(const QString& type) { deviceType_ = type; }
    void setFileName(const QString& path) { fileName_ = path; }
    void setCommand(const QString& command);
    void setNotify(bool notify) { notify_ = notify; }
    void setWait(bool wait) { wait_ = wait; }
    void setShareable(bool shareable) { shareable_ = shareable; }

    bool isOpen() const { return device_ != nullptr; }
    bool isPlaying() const { return device_ && device_->isPlaying(); }

signals:
    void done(int notifyCode);

private:
    void open();
    void carryOut(const QString& command, bool notify);

    AudioEngine& engine_;
    std::unique_ptr<SoundDevice> device_;
    QString deviceType_;
    QString fileName_;
    QString lastCommand_;
    bool notify_ = false;
    bool wait_ = false;
    bool shareable_ = false;
};

} // namespace tavrin
