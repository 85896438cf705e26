// Runs on the user-interface thread only, one byte's handler at a time.
#include "platform/received_byte_delivery.h"

#include <optional>
#include <utility>

namespace gpsclock {

ReceivedByteDelivery::ReceivedByteDelivery(PostToUiThread post, std::function<void()> closePort)
    : post_(std::move(post)), closePort_(std::move(closePort)) {}

std::shared_ptr<BatchInbox> ReceivedByteDelivery::StartPort() {
  inbox_ = std::make_shared<BatchInbox>(post_, [this] { DeliverArrivals(); });
  return inbox_;
}

void ReceivedByteDelivery::StopPort() {
  inbox_.reset();
}

// A handler that runs an event loop of its own lets later posts in: they return at once, and the
// loop further up the stack goes on in order once the handler is back, so no byte overtakes the
// rest of its batch.
void ReceivedByteDelivery::DeliverArrivals() {
  if (delivering_) return;
  delivering_ = true;
  // The inbox may change under the loop: the handler closes the port, or closes and reopens it.
  while (const std::shared_ptr<BatchInbox> inbox = inbox_) {
    if (const std::optional<StampedBatch> batch = inbox->Take()) {
      DeliverBatch(*batch, inbox);
      continue;
    }
    // The reader thread reports the loss after its last batch, and ends.
    if (inbox->PortLost()) {
      closePort_();
      if (handler_) handler_(CommEvent::kPortLost);
    }
    break;
  }
  delivering_ = false;
}

// One stamp serves the whole batch; each byte counts the bytes of the batch after it and what the
// driver still held as arrived behind it.
void ReceivedByteDelivery::DeliverBatch(const StampedBatch& batch,
                                        const std::shared_ptr<BatchInbox>& inbox) {
  const auto size = static_cast<std::int32_t>(batch.bytes.size());
  for (std::int32_t index = 0; index < size; ++index) {
    current_ = batch.bytes[static_cast<std::size_t>(index)];
    arrival_ = {batch.realtimeNs, batch.monotonicNs, size - 1 - index + batch.heldByDriver};
    if (handler_) handler_(CommEvent::kReceive);
    if (inbox_ != inbox) return;
  }
}

}  // namespace gpsclock
