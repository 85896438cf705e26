// The log view box shows exactly the model's text, however the lines arrive between draws.
#include <gtest/gtest.h>

#include "shell/log_text_box.h"

namespace gpsclock {
namespace {

QString Expected(const LogView& log) {
  return QString::fromStdString(log.Text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string Entry(int n) {
  return "2007-07-01 12:20:" + std::to_string(n) + " 卫星锁定";
}

TEST(LogTextBoxTest, ShowsTheHeadingThenEachEntryAsItArrives) {
  LogView log("跟踪记录");
  LogTextBox box(nullptr);
  box.Draw(log);
  EXPECT_EQ(box.toPlainText(), QStringLiteral("跟踪记录\n"));
  for (int n = 0; n < 3; ++n) {
    log.AppendLine(Entry(n));
    box.Draw(log);
    EXPECT_EQ(box.toPlainText(), Expected(log));
  }
}

TEST(LogTextBoxTest, KeepsOnlyTheEntriesTheModelKeeps) {
  struct Case {
    const char* name;
    int linesPerDraw;
  };
  for (const Case& c : {Case{"one at a time", 1}, Case{"several at a time", 7},
                        Case{"more than it keeps at once", 1500}}) {
    SCOPED_TRACE(c.name);
    LogView log("跟踪记录");
    LogTextBox box(nullptr);
    box.Draw(log);
    for (int n = 0; n < 1500; ++n) {
      log.AppendLine(Entry(n));
      if ((n + 1) % c.linesPerDraw == 0) box.Draw(log);
    }
    box.Draw(log);
    EXPECT_EQ(box.blockCount(), 2 + static_cast<int>(LogView::kMaxLines));
    EXPECT_EQ(box.toPlainText(), Expected(log));
    // Nothing of the lines let go is kept for an undo.
    EXPECT_FALSE(box.document()->isUndoAvailable());
  }
}

}  // namespace
}  // namespace gpsclock
