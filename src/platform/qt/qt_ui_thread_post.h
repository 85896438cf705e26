// The user-interface thread's post for Qt programs: a task posted from any thread runs in the
// application's event loop.
#pragma once

#include "platform/ui_thread_post.h"

namespace gpsclock {

// Made on the user-interface thread once the application exists; the application must outlive
// every thread that posts.
PostToUiThread QtPostToUiThread();

}  // namespace gpsclock
