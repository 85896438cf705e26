// The window elements as plain data: what the core sets and the shell shows. Every change bumps
// the element's revision, so the shell redraws only what changed, after the handler ran.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace gpsclock {

// 24-bit colour values blue * 65536 + green * 256 + red.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0;
inline constexpr Colour kBrightGreen = 65280;
inline constexpr Colour kDarkGreen = 32768;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kWhite = 0xFFFFFF;

class Element {
 public:
  std::uint64_t Revision() const { return revision_; }

 protected:
  template <typename T>
  void Assign(T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    Touch();
  }
  void Touch() { ++revision_; }

 private:
  std::uint64_t revision_ = 0;
};

// A label in the window's own colours.
class Label : public Element {
 public:
  explicit Label(std::string caption) : caption_(std::move(caption)) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }

 private:
  std::string caption_;
};

// A clock label: a caption in colours of its own.
class ClockLabel : public Label {
 public:
  ClockLabel(Colour background, Colour foreground)
      : Label(""), background_(background), foreground_(foreground) {}
  Colour Background() const { return background_; }
  Colour Foreground() const { return foreground_; }
  void SetBackground(Colour colour) { Assign(background_, colour); }
  void SetForeground(Colour colour) { Assign(foreground_, colour); }

 private:
  Colour background_;
  Colour foreground_;
};

// A round indicator: a filled circle.
class Indicator : public Element {
 public:
  explicit Indicator(Colour fill) : fill_(fill) {}
  Colour Fill() const { return fill_; }
  void SetFill(Colour colour) { Assign(fill_, colour); }

 private:
  Colour fill_;
};

class MenuItem : public Element {
 public:
  explicit MenuItem(std::string caption) : caption_(std::move(caption)) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }

 private:
  std::string caption_;
};

// The log view text1: its heading line, then one line per appended entry, newest last. Only the
// newest kMaxLines entries are kept; AppendedCount lets the shell append just the new ones.
class LogView : public Element {
 public:
  static constexpr std::size_t kMaxLines = 1000;

  explicit LogView(std::string heading) : heading_(std::move(heading)) {}
  const std::string& Heading() const { return heading_; }
  const std::deque<std::string>& Lines() const { return lines_; }
  std::uint64_t AppendedCount() const { return appendedCount_; }
  void AppendLine(std::string line);
  // The whole text as the text box holds it: heading, CR LF, then CR LF and a line per entry.
  std::string Text() const;

 private:
  std::string heading_;
  std::deque<std::string> lines_;
  std::uint64_t appendedCount_ = 0;
};

}  // namespace gpsclock
