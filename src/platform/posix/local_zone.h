// Keeps the C library's local time zone in step with the zone the process is given, also when
// that zone changes while the program runs.
#pragma once

namespace gpsclock {

// Call before each local-time conversion: makes the conversions use the zone in force now, the
// system's (/etc/localtime) or the one TZ names, also when TZ names a file that has changed since
// the last call.
void FollowLocalZone();

}  // namespace gpsclock
