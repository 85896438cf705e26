// What a serial port's reader thread hands to the user-interface thread: the bytes of each read
// with the moment they were read, and the end of the port. The only part shared by both threads.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/ui_thread_post.h"

namespace gpsclock {

// The bytes of one read and the clocks read the moment the read returned.
struct StampedBatch {
  std::string bytes;
  std::int64_t realtimeNs = 0;
  std::int64_t monotonicNs = 0;
  // What the driver still held, unread, when the clocks were read.
  std::int32_t heldByDriver = 0;
};

// One per open port, shared by its reader thread and the user-interface thread. A post that runs
// after the inbox is gone (the port closed, the layer destroyed) does nothing.
class BatchInbox : public std::enable_shared_from_this<BatchInbox> {
 public:
  // `deliver` runs on the user-interface thread after reports arrived, and only while the inbox
  // still exists; whoever holds the inbox keeps what `deliver` uses alive.
  BatchInbox(PostToUiThread post, std::function<void()> deliver);

  // From the reader thread.
  void Push(StampedBatch batch);
  // From the reader thread, as its last report: the device went away.
  void PushPortLost();

  // From the user-interface thread: the oldest batch not yet taken, if any.
  std::optional<StampedBatch> Take();
  // From the user-interface thread, once Take has nothing left: whether the port was lost.
  bool PortLost() const;

 private:
  // Called with the lock held; posts a delivery unless one is already on its way.
  void WakeUiThread(std::unique_lock<std::mutex>& lock);

  const PostToUiThread post_;
  const std::function<void()> deliver_;
  mutable std::mutex mutex_;
  std::deque<StampedBatch> batches_;
  bool portLost_ = false;
  // A delivery is posted that has not yet found the inbox empty: one post serves every report
  // that lands before it runs.
  bool deliveryPosted_ = false;
};

}  // namespace gpsclock
