// The box holds the heading, the empty line its CR LF ends in, then one line per entry; without
// wrapping, each of them is one line of the edit control.
#include "shell/win32/log_box_view.h"

#include <string>

#include "shell/win32/screen_text.h"

namespace gpsclock {
namespace {

constexpr std::uint64_t kFirstEntryLine = 2;

void ReplaceSelection(HWND box, WPARAM from, LPARAM to, const std::wstring& text) {
  SendMessageW(box, EM_SETSEL, from, to);
  SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

void LogBoxView::Draw(const LogView& log) {
  const auto& lines = log.Lines();
  const std::uint64_t newLines = log.AppendedCount() - drawnCount_;
  if (!drawn_ || newLines > lines.size()) {
    SetWindowTextW(box_, ScreenText(log.Text()).c_str());
  } else {
    // The oldest lines go first, so that the caret ends behind the newest line, in view.
    const auto count = static_cast<std::uint64_t>(SendMessageW(box_, EM_GETLINECOUNT, 0, 0));
    if (count + newLines > kFirstEntryLine + lines.size()) {
      const auto surplus = static_cast<WPARAM>(count + newLines - kFirstEntryLine - lines.size());
      const LRESULT first = SendMessageW(box_, EM_LINEINDEX, kFirstEntryLine, 0);
      const LRESULT kept = SendMessageW(box_, EM_LINEINDEX, kFirstEntryLine + surplus, 0);
      ReplaceSelection(box_, static_cast<WPARAM>(first), kept, L"");
    }
    std::string appended;
    for (auto line = lines.end() - static_cast<std::ptrdiff_t>(newLines); line != lines.end();
         ++line) {
      appended += "\r\n" + *line;
    }
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(box_));
    ReplaceSelection(box_, end, static_cast<LPARAM>(end), ScreenText(appended));
  }
  drawn_ = true;
  drawnCount_ = log.AppendedCount();
}

}  // namespace gpsclock
