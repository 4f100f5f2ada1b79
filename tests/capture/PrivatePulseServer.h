// A PulseAudio daemon of a test's own: started in a folder of the test, with a
// null sink "vsink" to play into, reached only through its own socket, and
// stopped by its process id when the object goes. Tests run as root on
// machines without a sound card, where this is the only sound server.
#pragma once

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <string>

namespace vornax::testing {

class PrivatePulseServer {
public:
    explicit PrivatePulseServer(std::filesystem::path folder);
    ~PrivatePulseServer();
    PrivatePulseServer(const PrivatePulseServer&) = delete;
    PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

    // Starts the daemon and waits until it answers. False, with problem()
    // telling why, when it cannot be started.
    bool start();
    const std::string& problem() const { return problem_; }

    // The server address for libpulse clients ("unix:/.../native").
    QString address() const;
    // Environment of the daemon's clients: PULSE_SERVER and PULSE_COOKIE.
    QProcessEnvironment clientEnvironment() const;
    // Points this process's own sound clients (Qt Multimedia) at the server.
    void useInThisProcess() const;

    // Runs a client program (pactl, paplay) to its end; true when it exits 0.
    // The output goes into problem() on failure.
    bool run(const QString& program, const QStringList& arguments, int timeoutMs = 20000);
    // Starts a client program and leaves it running.
    void launch(QProcess& process, const QString& program, const QStringList& arguments) const;

    qint64 pid() const { return daemon_.processId(); }

private:
    void stop();

    std::filesystem::path folder_;
    QProcess daemon_;
    std::string problem_;
};

}  // namespace vornax::testing
