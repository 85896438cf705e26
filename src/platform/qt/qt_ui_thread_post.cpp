// A queued call on the application object is an event in its thread's queue, and Qt's posting of
// events is safe from any thread.
#include "platform/qt/qt_ui_thread_post.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <utility>

namespace gpsclock {

PostToUiThread QtPostToUiThread() {
  QCoreApplication* const application = QCoreApplication::instance();
  return [application](std::function<void()> task) {
    return application != nullptr &&
           QMetaObject::invokeMethod(application, std::move(task), Qt::QueuedConnection);
  };
}

}  // namespace gpsclock
