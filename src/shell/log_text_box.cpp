// The box holds the heading, the empty line its CR LF ends in, then one line per entry.
#include "shell/log_text_box.h"

#include <QTextBlock>

namespace gpsclock {
namespace {

constexpr int kFirstEntryBlock = 2;

QString BoxText(const LogView& log) {
  return QString::fromStdString(log.Text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

LogTextBox::LogTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The document would keep every append and removal for an undo that a read-only box never
  // offers, and with it the removed lines' text: the memory would grow with every line.
  document()->setUndoRedoEnabled(false);
}

void LogTextBox::Draw(const LogView& log) {
  const auto& lines = log.Lines();
  const std::uint64_t newLines = log.AppendedCount() - drawnCount_;
  if (!drawn_ || newLines > lines.size()) {
    setPlainText(BoxText(log));
  } else {
    for (auto line = lines.end() - static_cast<std::ptrdiff_t>(newLines); line != lines.end();
         ++line) {
      appendPlainText(QString::fromStdString(*line));
    }
    const int surplus = blockCount() - kFirstEntryBlock - static_cast<int>(lines.size());
    if (surplus > 0) {
      QTextCursor cursor(document()->findBlockByNumber(kFirstEntryBlock));
      cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, surplus);
      cursor.removeSelectedText();
    }
  }
  drawn_ = true;
  drawnCount_ = log.AppendedCount();
}

}  // namespace gpsclock
