// The toolkit reports a display it cannot open as a fatal message about its platform plugin, after
// warnings of its own; the user gets one line saying what is missing and how to run without one.
#include "platform/qt/display_opening.h"

#include <cstdio>
#include <cstdlib>

namespace gpsclock {

DisplayOpening* DisplayOpening::current_ = nullptr;

DisplayOpening::DisplayOpening(std::string noDisplayLine)
    : noDisplayLine_(std::move(noDisplayLine)) {
  current_ = this;
  previous_ = qInstallMessageHandler(&DisplayOpening::Hold);
}

DisplayOpening::~DisplayOpening() {
  qInstallMessageHandler(previous_);
  current_ = nullptr;
  for (const HeldMessage& message : held_) {
    const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                     message.category.c_str());
    previous_(message.type, context, message.text);
  }
}

void DisplayOpening::Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg && text.contains(QStringLiteral("platform plugin"))) {
    std::fprintf(stderr, "%s\n", current_->noDisplayLine_.c_str());
    std::_Exit(1);
  }
  if (type == QtFatalMsg) {
    current_->previous_(type, context, text);
    return;
  }
  current_->held_.push_back({type, context.file ? context.file : "", context.line,
                             context.function ? context.function : "",
                             context.category ? context.category : "", text});
}

}  // namespace gpsclock
