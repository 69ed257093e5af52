// TransferWorker: runs one transfer job at a time on its own thread, so the
// communication dialog stays responsive while data moves. The job gets a
// session on a fresh port made on the worker thread; progress and the end
// reach the dialog through queued signals; the user's StopComm is the only
// signal the other way. Message boxes that the job shows are shown on the
// user-interface thread, which the job waits for.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

#include "base/clock_source.h"
#include "base/prompts.h"
#include "comm/byte_link.h"
#include "comm/comm_session.h"
#include "comm/transfer_result.h"

namespace ordalis {

class TransferWorker : public QObject {
  Q_OBJECT

 public:
  // Makes the port of one job; called on the worker thread.
  using LinkFactory = std::function<std::unique_ptr<ByteLink>()>;
  // A job: works only on what it was given and the session; returns its
  // result code (0 on success).
  using Job = std::function<TransferResult(CommSession& session, Prompts& prompts)>;

  // `prompts` (used on this object's thread), `clock` and `stopComm` must
  // outlive the worker. `stopComm` is cleared when a job starts; the job ends
  // at its next wait once it is set.
  TransferWorker(Prompts& prompts, Clock& clock, LinkFactory makeLink, std::atomic<bool>& stopComm,
                 QObject* parent = nullptr);
  // Stops a running job and waits for its thread.
  ~TransferWorker() override;

  // Starts `job` unless one is running; false then.
  bool start(Job job);
  bool running() const { return m_thread != nullptr; }
  // Asks the running job to stop at its next wait.
  void stop() { m_stopComm = true; }

 signals:
  void progress(int percent);
  // The job is over and its thread has ended.
  void finished(int result);

 private:
  void jobEnded(int result);

  Prompts& m_prompts;
  Clock& m_clock;
  LinkFactory m_makeLink;
  std::atomic<bool>& m_stopComm;
  QThread* m_thread = nullptr;
};

}  // namespace ordalis
