// The element model: revisions move only on a real change, and the log view keeps its heading
// and the newest thousand lines.
#include <gtest/gtest.h>

#include "elements/window_elements.h"

namespace gpsclock {
namespace {

TEST(WindowElements, RevisionMovesOnlyWhenAValueChanges) {
  ClockLabel label(kBlack, kDarkGreen);
  const auto start = label.Revision();
  label.SetForeground(kDarkGreen);
  label.SetCaption("");
  EXPECT_EQ(label.Revision(), start);
  label.SetForeground(kBrightGreen);
  label.SetCaption(" 12:00:00");
  EXPECT_EQ(label.Revision(), start + 2);
}

TEST(WindowElements, LogViewKeepsItsHeadingAndTheNewestLines) {
  LogView view("跟踪记录");
  for (int line = 1; line <= 1005; ++line) view.AppendLine(std::to_string(line));
  EXPECT_EQ(view.Lines().size(), LogView::kMaxLines);
  EXPECT_EQ(view.Lines().front(), "6");
  EXPECT_EQ(view.Lines().back(), "1005");
  EXPECT_EQ(view.AppendedCount(), 1005u);
  EXPECT_EQ(view.Text().substr(0, 17), "跟踪记录\r\n\r\n6");
}

}  // namespace
}  // namespace gpsclock
