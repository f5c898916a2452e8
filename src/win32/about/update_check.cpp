#include "win32/about/update_check.hpp"

#include <shellapi.h>
#include <wininet.h>

#include <cstdlib>
#include <vector>

#include "backends/gdi/win_handles.hpp"

namespace veltrim {
namespace {

struct InternetCloser {
  void operator()(HINTERNET handle) const { ::InternetCloseHandle(handle); }
};
using OwnedInternet = win::UniqueHandle<HINTERNET, InternetCloser>;

struct Record {
  FetchStatus status = FetchStatus::NoInternet;
  std::string text;
};

// Only a real answer holds the record: a closed port fails to open, and an
// error page (404, 500, ...) is not taken for it either.
bool Answered(HINTERNET address) {
  DWORD status = 0, size = sizeof status;
  return ::HttpQueryInfoA(address, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) &&
         status == HTTP_STATUS_OK;
}

// Time-outs a handle passes on to what it opens (on Windows), set on the request itself too, since not every
// implementation passes them on.
void SetTimeouts(HINTERNET handle) {
  for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                             INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD timeout = kNetworkTimeoutMs;
    ::InternetSetOptionA(handle, option, &timeout, sizeof timeout);
  }
}

// One address asked for the record: a connection and a GET request sent on it, uncached.
struct OpenAddress {
  OwnedInternet connection;
  OwnedInternet request;
};

OpenAddress Ask(HINTERNET internet, const std::string& url) {
  OpenAddress open;
  char host[INTERNET_MAX_HOST_NAME_LENGTH] = {}, path[INTERNET_MAX_PATH_LENGTH] = {};
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof parts;
  parts.lpszHostName = host;
  parts.dwHostNameLength = sizeof host;
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = sizeof path;
  if (!::InternetCrackUrlA(url.c_str(), 0, 0, &parts)) return open;
  open.connection.Reset(
      ::InternetConnectA(internet, host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!open.connection) return open;
  const DWORD flags = INTERNET_FLAG_RELOAD | (parts.nScheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
  open.request.Reset(::HttpOpenRequestA(open.connection.Get(), "GET", path, nullptr, nullptr, nullptr, flags, 0));
  if (!open.request) return open;
  SetTimeouts(open.request.Get());
  if (!::HttpSendRequestA(open.request.Get(), nullptr, 0, nullptr, 0)) open.request.Reset();
  return open;
}

Record FetchRecord() {
  Record record;
  const OwnedInternet internet(::InternetOpenA("", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!internet) return record;
  SetTimeouts(internet.Get());
  record.status = FetchStatus::NoAnswer;
  for (const std::string& base : UpdateBases(std::getenv(kUpdateBasesVariable))) {
    const OpenAddress address = Ask(internet.Get(), base + std::string(kRecordName));
    if (!address.request || !Answered(address.request.Get())) continue;
    std::vector<char> buffer(kRecordBufferSize, '\0');
    DWORD read = 0;
    ::InternetReadFile(address.request.Get(), buffer.data(), static_cast<DWORD>(kRecordReadLimit), &read);
    record.text = std::string(RecordText(std::string_view(buffer.data(), read)));
    record.status = FetchStatus::Read;
    break;
  }
  return record;
}

bool ShellOpen(HWND owner, const std::string& target) {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

void Tell(HWND owner, const char* text) { ::MessageBoxA(owner, text, "Information", MB_OK | MB_ICONEXCLAMATION); }

}  // namespace

FetchStatus FetchRecordLine(int line, std::string& out) {
  const Record record = FetchRecord();
  if (record.status == FetchStatus::NoInternet) out = kNoConnectionText;
  if (record.status == FetchStatus::Read) out = RecordLine(record.text, line);
  return record.status;
}

bool CheckForNewerVersion(std::uint32_t id) {
  std::string line;
  return FetchRecordLine(VersionLineNumber(id), line) == FetchStatus::Read && IsNewerVersion(line, id);
}

bool OpenDownloadPage(std::uint32_t id) {
  const Record record = FetchRecord();
  if (record.status != FetchStatus::Read) return false;
  const std::string address = RecordLine(record.text, 1) + RecordLine(record.text, DownloadLineNumber(id));
  if (!IsOpenableWebAddress(address)) {
    Tell(::GetActiveWindow(), "The download page could not be reached !");
    return false;
  }
  return ShellOpen(::GetActiveWindow(), address);
}

void OpenWebsite(HWND owner) {
  std::string address;
  if (FetchRecordLine(1, address) == FetchStatus::Read && IsOpenableWebAddress(address))
    ShellOpen(owner, address);
  else
    Tell(owner, "The web site could not be reached !");
}

void SendFeedbackMail(HWND owner) {
  std::string address;
  if (FetchRecordLine(2, address) == FetchStatus::Read && IsPlainMailAddress(address))
    ShellOpen(owner, FeedbackMailLink(address));
  else
    Tell(owner, "The contact address could not be found !");
}

void RunUpdateDialogue(HWND owner) {
  ::MessageBoxA(owner,
                "This application is going to connect to the internet in order to search for a newer version. "
                "Please instruct your antivirus(es) and/or firewall(s) not to block it !",
                "Request", MB_OK | MB_ICONEXCLAMATION);
  if (!CheckForNewerVersion(kProductVersionId)) {
    ::MessageBoxA(owner, "You are using the latest version of this software !", "Information",
                  MB_OK | MB_ICONINFORMATION);
    return;
  }
  if (::MessageBoxA(owner, "A newer version has been found. Do you wish to start downloading it ?", "Question",
                    MB_YESNO | MB_ICONQUESTION) == IDYES)
    OpenDownloadPage(kProductVersionId);
}

}  // namespace veltrim
