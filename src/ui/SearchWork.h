#pragma once
// A search of the core on a worker thread, as the progress box sees it: the
// best total so far, the share of the budget used, and Cancel. The search is
// given the progress callback to pass on; everything it reads is copied into
// it, so the plan may change meanwhile.

#include "optimize/OrderSearch.h"
#include "toolkit/Platform.h"
#include "util/FormatDuration.h"

#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <functional>
#include <utility>

namespace korvelin {

template <typename Result> class SearchWork : public BackgroundWork {
  public:
    // `searching` is the status until a first total is known.
    SearchWork(QString searching, std::function<Result(const OptimizeProgressCallback &)> search)
        : searching_(std::move(searching))
    {
        future_ = QtConcurrent::run([this, search = std::move(search)] {
            return search([this](const OptimizeProgress &progress) {
                best_.store(progress.bestTotal);
                percent_.store(progress.permilleUsed / 10);
                return !cancelled_.load();
            });
        });
    }
    ~SearchWork() override
    {
        cancelled_.store(true);
        future_.waitForFinished();
    }

    bool Finished() const override { return future_.isFinished(); }
    int Percent() const override { return percent_.load(); }
    QString Status() const override
    {
        const int64_t best = best_.load();
        if (best < 0)
            return searching_;
        return QStringLiteral("Best total so far: ") + QString::fromStdString(FormatDuration(best));
    }
    void Cancel() override { cancelled_.store(true); }
    Result TakeResult() { return future_.result(); }

  private:
    QString searching_;
    std::atomic<bool> cancelled_{false};
    std::atomic<int64_t> best_{-1};
    std::atomic<int> percent_{0};
    QFuture<Result> future_;
};

} // namespace korvelin
