#include "PrivatePulseServer.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

#include <signal.h>
#include <sys/prctl.h>

namespace vornax::testing {
namespace fs = std::filesystem;

PrivatePulseServer::PrivatePulseServer(fs::path folder) : folder_(std::move(folder)) {}

PrivatePulseServer::~PrivatePulseServer() { stop(); }

QString PrivatePulseServer::address() const { return "unix:" + QString::fromStdString((folder_ / "native").string()); }

QProcessEnvironment PrivatePulseServer::clientEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_SERVER", address());
    env.insert("PULSE_COOKIE", QString::fromStdString((folder_ / "cookie").string()));
    return env;
}

void PrivatePulseServer::useInThisProcess() const
{
    qputenv("PULSE_SERVER", address().toUtf8());
    qputenv("PULSE_COOKIE", QByteArray::fromStdString((folder_ / "cookie").string()));
}

bool PrivatePulseServer::start()
{
    for (const char* program : {"pulseaudio", "pactl", "paplay"})
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            problem_ = std::string(program) + " is not installed";
            return false;
        }
    std::error_code ec;
    fs::create_directories(folder_ / "runtime", ec);
    fs::create_directories(folder_ / "state", ec);

    // Runtime and state under the test's folder, so nothing of the user's
    // sound setup is read or written; no default script (-n), only the modules
    // named here; never exits by itself.
    QProcessEnvironment env = clientEnvironment();
    env.insert("PULSE_RUNTIME_PATH", QString::fromStdString((folder_ / "runtime").string()));
    env.insert("PULSE_STATE_PATH", QString::fromStdString((folder_ / "state").string()));
    daemon_.setProcessEnvironment(env);
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    // Should the test itself be killed, the daemon goes with it.
    daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    daemon_.start("pulseaudio", {"--daemonize=no", "--system=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
                                 "--log-target=stderr",
                                 "--load=module-native-protocol-unix auth-anonymous=1 socket=" +
                                     QString::fromStdString((folder_ / "native").string()),
                                 "--load=module-null-sink sink_name=vsink"});
    if (!daemon_.waitForStarted(10000)) {
        problem_ = "pulseaudio did not start: " + daemon_.errorString().toStdString();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 15000) {
        if (daemon_.state() == QProcess::NotRunning) {
            problem_ = "pulseaudio ended at once: " + daemon_.readAll().toStdString();
            return false;
        }
        if (run("pactl", {"info"}, 5000))
            return true;
        QThread::msleep(200);
    }
    problem_ = "pulseaudio does not answer: " + problem_;
    stop();
    return false;
}

bool PrivatePulseServer::run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    launch(process, program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        problem_ = program.toStdString() + " did not finish";
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished(2000);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        problem_ = program.toStdString() + " failed: " + process.readAll().toStdString();
        return false;
    }
    return true;
}

void PrivatePulseServer::launch(QProcess& process, const QString& program, const QStringList& arguments) const
{
    process.setProcessEnvironment(clientEnvironment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForStarted(10000);
}

void PrivatePulseServer::stop()
{
    const qint64 id = daemon_.processId();
    if (id <= 0 || daemon_.state() == QProcess::NotRunning)
        return;
    ::kill(static_cast<pid_t>(id), SIGTERM);
    if (!daemon_.waitForFinished(5000)) {
        ::kill(static_cast<pid_t>(id), SIGKILL);
        daemon_.waitForFinished(5000);
    }
}

}  // namespace vornax::testing
