// The WAV window's long work off its own thread: the job runs on a thread of
// its own and reports its share done through an atomic, which a timer on the
// window's thread copies to the progress bar; "Annuler" (or closing the
// window) asks the job to stop at its next report. The job's result is taken
// on the window's thread once the job has ended, so nothing it computes is
// read while it is written.
#include "gui/signal/WavWindow.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <thread>

namespace vornax {

struct WavWindow::Work {
    std::atomic<bool> cancel{false};
    std::atomic<bool> ended{false};
    std::atomic<int> value{0};  // of the progress bar, 0 .. 10 000
    std::function<void(bool)> done;
    std::thread thread;
};

WavWindow::~WavWindow()
{
    if (work_) {
        work_->cancel = true;
        work_->thread.join();
    }
}

void WavWindow::closeEvent(QCloseEvent* event)
{
    // A closed window wants no more of its work: stopped, nothing is written.
    cancelWork();
    QWidget::closeEvent(event);
}

void WavWindow::cancelWork()
{
    if (work_)
        work_->cancel = true;
}

void WavWindow::startWork(std::function<void(const ProgressCheck&)> job, std::function<void(bool)> done)
{
    if (work_)
        return;
    work_ = std::make_shared<Work>();
    work_->done = std::move(done);
    Work* work = work_.get();
    prowav_->setValue(0);
    // The controls that would start other work wait for it; "Annuler" stops it.
    applyEnabled();
    // The thread ends before work_ goes (pollWork, or the destructor joins it).
    work->thread = std::thread([work, job = std::move(job)] {
        job([work](double fraction) {
            work->value = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 10000.0);
            return !work->cancel;
        });
        work->ended = true;
    });
    workTimer_->start();
}

void WavWindow::pollWork()
{
    if (!work_) {
        workTimer_->stop();
        return;
    }
    prowav_->setValue(work_->value);
    if (!work_->ended)
        return;
    workTimer_->stop();
    work_->thread.join();
    const bool cancelled = work_->cancel;
    const auto done = std::move(work_->done);
    work_.reset();
    applyEnabled();
    prowav_->setValue(cancelled ? 0 : 10000);
    done(cancelled);
    emit workFinished();
}

}  // namespace vornax
