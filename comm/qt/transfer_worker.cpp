// The transfer's worker thread.
#include "comm/qt/transfer_worker.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace ordalis {

namespace {

// The user as a job on the worker thread sees it: every question and beep is
// put to the user-interface thread's prompts, and the job waits for the answer.
class ForwardedPrompts final : public Prompts {
 public:
  ForwardedPrompts(Prompts& prompts, QObject* uiObject) : m_prompts(prompts), m_uiObject(uiObject) {}

  Answer ask(const Message& message) override {
    Answer answer = Answer::Ok;
    onUiThread([&] { answer = m_prompts.ask(message); });
    return answer;
  }
  std::optional<std::string> openFileName(const FileDialog& dialog) override {
    std::optional<std::string> name;
    onUiThread([&] { name = m_prompts.openFileName(dialog); });
    return name;
  }
  std::optional<std::string> saveFileName(const FileDialog& dialog) override {
    std::optional<std::string> name;
    onUiThread([&] { name = m_prompts.saveFileName(dialog); });
    return name;
  }
  void setBusy(bool busy) override {
    onUiThread([&] { m_prompts.setBusy(busy); });
  }
  void beep() override {
    onUiThread([&] { m_prompts.beep(); });
  }

 private:
  void onUiThread(const std::function<void()>& work) {
    QMetaObject::invokeMethod(m_uiObject, work, Qt::BlockingQueuedConnection);
  }

  Prompts& m_prompts;
  QObject* m_uiObject;
};

}  // namespace

TransferWorker::TransferWorker(Prompts& prompts, Clock& clock, LinkFactory makeLink, std::atomic<bool>& stopComm,
                               QObject* parent)
    : QObject(parent), m_prompts(prompts), m_clock(clock), m_makeLink(std::move(makeLink)), m_stopComm(stopComm) {}

TransferWorker::~TransferWorker() {
  if (!m_thread) return;
  blockSignals(true);  // the dialog that listens is going away
  stop();
  // The job may be waiting for a message box on this thread: answer those
  // while waiting for the thread to end.
  while (m_thread && !m_thread->wait(10)) QCoreApplication::processEvents();
  delete m_thread;
}

bool TransferWorker::start(Job job) {
  if (m_thread) return false;
  m_stopComm = false;
  m_thread = QThread::create([this, job = std::move(job)] {
    ForwardedPrompts prompts(m_prompts, this);
    std::unique_ptr<ByteLink> link = m_makeLink();
    CommSession session(*link, m_clock, m_stopComm);
    session.onProgress = [this](int percent) { emit progress(percent); };
    const TransferResult result = job(session, prompts);
    link.reset();  // the port ends on the thread that opened it
    QMetaObject::invokeMethod(this, [this, result] { jobEnded(result); }, Qt::QueuedConnection);
  });
  m_thread->start();
  return true;
}

void TransferWorker::jobEnded(int result) {
  m_thread->wait();
  delete m_thread;
  m_thread = nullptr;
  emit finished(result);
}

}  // namespace ordalis
