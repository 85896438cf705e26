// The reader thread only appends and wakes; the user-interface thread takes the reports in order.
#include "platform/batch_inbox.h"

#include <utility>

namespace gpsclock {

BatchInbox::BatchInbox(PostToUiThread post, std::function<void()> deliver)
    : post_(std::move(post)), deliver_(std::move(deliver)) {}

void BatchInbox::Push(StampedBatch batch) {
  std::unique_lock lock(mutex_);
  batches_.push_back(std::move(batch));
  WakeUiThread(lock);
}

void BatchInbox::PushPortLost() {
  std::unique_lock lock(mutex_);
  portLost_ = true;
  WakeUiThread(lock);
}

void BatchInbox::WakeUiThread(std::unique_lock<std::mutex>& lock) {
  if (deliveryPosted_) return;
  deliveryPosted_ = true;
  lock.unlock();
  // The post holds the inbox weakly: a layer that closed its port, or is gone, drops the inbox,
  // and a delivery posted before that finds nothing to deliver to.
  const bool posted = post_([weak = weak_from_this()] {
    if (const std::shared_ptr<BatchInbox> inbox = weak.lock()) inbox->deliver_();
  });
  // A refused post (a full message queue) leaves the next report to try again.
  if (!posted) {
    lock.lock();
    deliveryPosted_ = false;
  }
}

std::optional<StampedBatch> BatchInbox::Take() {
  const std::lock_guard lock(mutex_);
  if (batches_.empty()) {
    deliveryPosted_ = false;
    return {};
  }
  StampedBatch batch = std::move(batches_.front());
  batches_.pop_front();
  return batch;
}

bool BatchInbox::PortLost() const {
  const std::lock_guard lock(mutex_);
  return portLost_;
}

}  // namespace gpsclock
