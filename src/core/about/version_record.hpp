#pragma once
// The version record the maker's site publishes, and the rules for what the
// about box does with it: which line holds what, when a published version is
// newer, and which fetched texts are safe to hand to the shell. The fetch
// itself is the front end's; everything it decides is here.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltrim {

inline constexpr std::uint32_t kProductVersionId = 0x0702029E;
inline constexpr std::string_view kRecordName = "qorvel.qorvel";
inline constexpr std::size_t kRecordBufferSize = 51200;
inline constexpr std::size_t kRecordReadLimit = 50176;  // one read, at most this much
inline constexpr std::size_t kLineBufferSize = 260;     // a line must fit with its NUL
inline constexpr std::size_t kMaxUpdateBases = 4;
// Connect, send and receive each give up after this long.
inline constexpr unsigned long kNetworkTimeoutMs = 10000;

// Replaces the built-in base addresses (mirrors, and the tests' loopback
// server): up to four, separated by ';', each ending in '/'.
inline constexpr const char* kUpdateBasesVariable = "VELTRIM_UPDATE_BASES";

// Put into a line fetch's buffer when no internet handle could be opened.
inline constexpr std::string_view kNoConnectionText = "eRrOr: couLd noT eStabLIsh a ConNectioN to ThE internET";

enum class FetchStatus { NoInternet = 0, Read = 1, NoAnswer = 2 };

// The base addresses tried in order: the variable's when it holds at least one
// valid address (entries that are not http(s) addresses ending in '/' are
// skipped, and only the first four count), else the built-in four.
std::vector<std::string> UpdateBases(const char* variable);

// The record text: the buffer up to its first NUL.
std::string_view RecordText(std::string_view buffer);

// Line `n` (from 1) of the record. CR LF, a lone CR and a lone LF each end a
// line. A line that does not exist is empty, and so is one of kLineBufferSize
// characters or more: it would not fit the caller's buffer.
std::string RecordLine(std::string_view record, int n);

// The line that holds the latest version of product `id` (6 x its top byte,
// line 1 below 2), and the one that holds its download path (two further).
int VersionLineNumber(std::uint32_t id);
int DownloadLineNumber(std::uint32_t id);

// "0x" and eight upper-case hexadecimal digits: how the record writes an id.
std::string VersionText(std::uint32_t id);

// True when the published line compares greater than the id's own text, byte
// by byte as unsigned characters (a longer text with the same start is greater).
bool IsNewerVersion(std::string_view published, std::uint32_t id);

// An address the shell may open: "http://" or "https://" followed by a host,
// printable ASCII only, shorter than kLineBufferSize, no quotes, spaces or
// backslashes. Anything else (a program or file path, the error text) is not.
bool IsOpenableWebAddress(std::string_view address);

// A mail address of the plain form local@domain: one '@' with text on both
// sides, printable ASCII without spaces, quotes or any of ? & % : / \ < >.
bool IsPlainMailAddress(std::string_view address);

// The feedback link for a plain mail address.
std::string FeedbackMailLink(std::string_view address);

}  // namespace veltrim
