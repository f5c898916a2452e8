#include "core/platform/draw_text.hpp"

#include <algorithm>
#include <cstddef>
#include <string>

// Layout model (that of Windows' DrawText, as Wine's user32 reproduces it):
//
// - The line height is tmHeight (DT_EXTERNALLEADING is not among the
//   formats the program uses, so tmExternalLeading never counts). Lines
//   start at rect.top and follow each other by that height.
// - Without kDtNoPrefix, "&x" is drawn "x" and "&&" "&"; an '&' that is the
//   text's last character is drawn as it is. The underline under the
//   prefixed character is not drawn.
// - Without kDtSingleLine a line ends at CR, LF, CR LF or LF CR (one pair
//   is one break; "\r\r" and "\n\n" are two). A break at the very end of
//   the text opens no empty last line. With kDtSingleLine, CR and LF are
//   ordinary characters and kDtWordBreak is ignored.
// - kDtWordBreak: when a line does not fit in rect.right - rect.left, it is
//   broken before the word that passes the right edge. A left-aligned line
//   keeps the blanks that fit after its last word; a centred or
//   right-aligned one drops one of them. When the character that passes
//   the edge is a blank, the line ends before it and that one blank is
//   dropped (the next line does not start with it). A word that does not
//   fit on a line of its own is broken after its last character that fits
//   (at least one) with kDtEditControl; without it the whole word makes the
//   line and runs past the right edge, as Windows draws it. A line broken
//   just before a CR/LF leaves that break to start the next line, which is
//   then empty (Windows and Wine alike).
// - Clipping: a line is drawn only where it shows: after the first line
//   (which is always laid out), a line whose top is at or below rect.bottom
//   ends the text, and with kDtEditControl so does a line that would show
//   only partly (its bottom below rect.bottom). kDtNoClip and kDtCalcRect
//   lay out every line. The lines are not clipped at the rectangle: the
//   surface draws each one whole.
// - Alignment per line: kDtLeft x = rect.left; kDtCenter x = (rect.left +
//   rect.right - width) / 2; kDtRight x = rect.right - width. With
//   kDtSingleLine, kDtVCenter puts the line at rect.top + (rect.bottom -
//   rect.top) / 2 - height / 2 and kDtBottom at rect.bottom - height (the
//   height the surface measures for the line).
// - kDtCalcRect draws nothing; rect.right becomes rect.left + the widest
//   line and rect.bottom the bottom of the last line (as Windows, for multi-
//   line text too). Empty text: rect.right = rect.left and rect.bottom =
//   rect.top (+ the line height with kDtSingleLine).
// - The result is the bottom of the last line laid out less rect.top (the
//   line height for empty text), at least 1; 0 when the surface fails.
//
// Measuring uses GetTextExtentPoint32A on prefixes of a line, starting from
// the number of average characters that fit and galloping from there, so a
// surface with uniform widths answers in two or three calls per line.

namespace veltrim {
namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

std::string WithoutPrefixes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&x" -> "x", "&&" -> "&"
    out += text[i];
  }
  return out;
}

class Measurer {
 public:
  explicit Measurer(Surface& surface) : surface_(surface) {}

  Size Extent(std::string_view text) {
    Size size{};
    if (text.empty()) return size;
    if (!surface_.GetTextExtentPoint32A(text, size)) failed_ = true;
    return size;
  }

  // How many leading characters of `text` fit in `width`; `guess` is where
  // to start looking.
  std::size_t Fit(std::string_view text, int width, std::size_t guess) {
    const std::size_t length = text.size();
    if (length == 0 || width <= 0 || failed_) return 0;
    const auto fits = [&](std::size_t count) { return Extent(text.substr(0, count)).cx <= width; };
    guess = std::clamp<std::size_t>(guess, 1, length);
    std::size_t fitting = 0;             // known to fit
    std::size_t passing = length + 1;    // known not to fit (length + 1: nothing known)
    if (fits(guess)) {
      fitting = guess;
      for (std::size_t step = 1; fitting < length && !failed_; step *= 2) {
        const std::size_t probe = std::min(length, fitting + step);
        if (!fits(probe)) {
          passing = probe;
          break;
        }
        fitting = probe;
      }
      if (fitting == length) return failed_ ? 0 : length;
    } else {
      passing = guess;
      for (std::size_t step = 1; passing > 1 && !failed_; step *= 2) {
        const std::size_t probe = passing > step ? passing - step : 0;
        if (probe == 0) break;
        if (fits(probe)) {
          fitting = probe;
          break;
        }
        passing = probe;
      }
    }
    while (passing - fitting > 1 && !failed_) {
      const std::size_t middle = fitting + (passing - fitting) / 2;
      if (fits(middle)) {
        fitting = middle;
      } else {
        passing = middle;
      }
    }
    return failed_ ? 0 : fitting;
  }

  bool Failed() const { return failed_; }

 private:
  Surface& surface_;
  bool failed_ = false;
};

struct Break {
  std::size_t length;  // characters of the segment on this line
  std::size_t used;    // characters of the segment consumed (dropped blank included)
};

// Where a segment that does not fit breaks; `fit` characters fit, the one at
// `fit` passes the edge.
Break BreakSegment(std::string_view segment, std::size_t fit, std::uint32_t format) {
  const bool trimOneBlank = (format & (kDtCenter | kDtRight)) != 0;
  if (segment[fit] == ' ') {
    Break line{fit, fit + 1};
    if (trimOneBlank && line.length > 0 && segment[line.length - 1] == ' ') --line.length;
    return line;
  }
  std::size_t wordStart = fit;
  while (wordStart > 0 && segment[wordStart - 1] != ' ') --wordStart;
  if (wordStart > 0) {
    Break line{wordStart, wordStart};
    if (trimOneBlank) --line.length;  // segment[wordStart - 1] is a blank
    return line;
  }
  if (format & kDtEditControl) {
    const std::size_t length = std::max<std::size_t>(fit, 1);
    return Break{length, length};
  }
  std::size_t wordEnd = fit;
  while (wordEnd < segment.size() && segment[wordEnd] != ' ') ++wordEnd;
  return Break{wordEnd, wordEnd < segment.size() ? wordEnd + 1 : wordEnd};
}

}  // namespace

int DrawTextByWords(Surface& surface, std::string_view text, Rect& rect, std::uint32_t format) {
  TextMetrics metrics;
  if (!surface.GetTextMetricsA(metrics)) return 0;
  const int lineHeight = metrics.tmHeight;

  if (format & kDtSingleLine) format &= ~kDtWordBreak;
  if (format & kDtCalcRect) format |= kDtNoClip;

  if (text.empty()) {
    if (format & kDtCalcRect) {
      rect.right = rect.left;
      rect.bottom = rect.top + ((format & kDtSingleLine) ? lineHeight : 0);
    }
    return std::max(lineHeight, 1);
  }

  std::string stripped;
  if (!(format & kDtNoPrefix)) stripped = WithoutPrefixes(text);
  const std::string_view s = (format & kDtNoPrefix) ? text : std::string_view(stripped);

  Measurer measurer(surface);
  const int width = rect.right - rect.left;
  const std::size_t averageFit =
      metrics.tmAveCharWidth > 0 && width > 0 ? static_cast<std::size_t>(width / metrics.tmAveCharWidth) : 1;
  const bool needWidth = (format & (kDtCenter | kDtRight | kDtCalcRect)) != 0;
  const bool needHeight = (format & kDtSingleLine) && (format & (kDtVCenter | kDtBottom));

  int y = rect.top;
  int widest = 0;
  std::size_t pos = 0;
  bool first = true;
  do {
    if (!first && !(format & kDtNoClip)) {
      const bool hidden = (format & kDtEditControl) ? y + lineHeight > rect.bottom : y >= rect.bottom;
      if (hidden) break;
    }
    first = false;

    std::size_t segmentEnd = s.size();
    if (!(format & kDtSingleLine)) {
      segmentEnd = pos;
      while (segmentEnd < s.size() && !IsLineBreak(s[segmentEnd])) ++segmentEnd;
    }
    const std::string_view segment = s.substr(pos, segmentEnd - pos);

    std::size_t lineLength = segment.size();
    std::size_t next = segmentEnd;
    bool broken = false;
    if ((format & kDtWordBreak) && !segment.empty()) {
      const std::size_t fit = measurer.Fit(segment, width, averageFit);
      if (measurer.Failed()) return 0;
      if (fit < segment.size()) {
        const Break line = BreakSegment(segment, fit, format);
        lineLength = line.length;
        next = pos + line.used;
        broken = true;
      }
    }
    if (!broken && next < s.size()) {  // consume the line break
      ++next;
      if (next < s.size() && IsLineBreak(s[next]) && s[next] != s[next - 1]) ++next;
    }

    const std::string_view line = s.substr(pos, lineLength);
    Size size{};
    if (!line.empty() && (needWidth || needHeight)) {
      size = measurer.Extent(line);
      if (measurer.Failed()) return 0;
    }

    int x = rect.left;
    if (format & kDtCenter) {
      x = (rect.left + rect.right - size.cx) / 2;
    } else if (format & kDtRight) {
      x = rect.right - size.cx;
    }
    if (format & kDtSingleLine) {
      if (format & kDtVCenter) {
        y = rect.top + (rect.bottom - rect.top) / 2 - size.cy / 2;
      } else if (format & kDtBottom) {
        y = rect.bottom - size.cy;
      }
    }

    if (format & kDtCalcRect) {
      widest = std::max(widest, size.cx);
    } else if (!line.empty() && !surface.TextOutA(x, y, line)) {
      return 0;
    }

    y += lineHeight;
    pos = next;
  } while (pos < s.size());

  if (format & kDtCalcRect) {
    rect.right = rect.left + widest;
    rect.bottom = y;
  }
  const int height = y - rect.top;
  return height == 0 ? 1 : height;
}

}  // namespace veltrim
