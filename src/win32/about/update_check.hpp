#pragma once
// The about box's internet actions on WinINet: reading the version record
// from the first base address that answers, and the website, feedback-mail
// and update-check buttons. Every address fetched is checked by the core
// before the shell sees it.

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/about/version_record.hpp"

namespace veltrim {

// Line `line` of the version record into `out`: on NoInternet `out` holds
// kNoConnectionText, on NoAnswer it is left as it was.
FetchStatus FetchRecordLine(int line, std::string& out);

// True when the record publishes a version newer than `id`.
bool CheckForNewerVersion(std::uint32_t id);

// Opens line 1 followed by the download line; true when the shell took it.
// An address that is not a plain web address is not opened.
bool OpenDownloadPage(std::uint32_t id);

// The buttons Website (4005), E-mail (4006) and Updates (4007).
void OpenWebsite(HWND owner);
void SendFeedbackMail(HWND owner);
void RunUpdateDialogue(HWND owner);

}  // namespace veltrim
