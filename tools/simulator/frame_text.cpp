// The frame's fields from the calendar time.
#include "frame_text.h"

#include "receiver/frame_layout.h"

namespace gpsclock::simulator {

std::string BuildFrame(const std::tm& local, char status) {
  return frame::Format({local.tm_year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec, status});
}

}  // namespace gpsclock::simulator
