// The user-interface side of a serial layer whose port is read in a thread of its own: the batches
// of the reader thread become one receive notification per byte, in order, with its arrival.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/batch_inbox.h"
#include "platform/serial_layer.h"
#include "platform/ui_thread_post.h"

namespace gpsclock {

class ReceivedByteDelivery {
 public:
  // `closePort` is the layer's own Close: a lost port is closed before the handler hears of it.
  ReceivedByteDelivery(PostToUiThread post, std::function<void()> closePort);
  ReceivedByteDelivery(const ReceivedByteDelivery&) = delete;
  ReceivedByteDelivery& operator=(const ReceivedByteDelivery&) = delete;

  // At the open: the inbox the new reader thread reports to. The layer must stop its reader
  // thread before this object goes.
  std::shared_ptr<BatchInbox> StartPort();
  // At the close: what the port's reader thread reported and was not delivered yet is dropped,
  // and a delivery under way stops after the byte being handled.
  void StopPort();

  void SetCommHandler(SerialLayer::CommHandler handler) { handler_ = std::move(handler); }
  std::string Input() const { return std::string(1, current_); }
  ByteArrival InputArrival() const { return arrival_; }

 private:
  void DeliverArrivals();
  // Stops when the handler closed the port (and maybe opened it again) before the batch ended.
  void DeliverBatch(const StampedBatch& batch, const std::shared_ptr<BatchInbox>& inbox);

  const PostToUiThread post_;
  const std::function<void()> closePort_;
  SerialLayer::CommHandler handler_;
  // The open port's; none while closed.
  std::shared_ptr<BatchInbox> inbox_;
  bool delivering_ = false;
  char current_ = 0;
  ByteArrival arrival_;
};

}  // namespace gpsclock
