#pragma once
// The job's numbers as the main window's boxes hold them: each box's text,
// read with WM_GETTEXT and a limit, taken as atoi takes it (text that is not
// a number gives 0; nothing is held to the spins' ranges).

#include <windows.h>

#include <cstddef>

#include "core/job/job_settings.hpp"

namespace veltrim {

// The limit the job reads its boxes with: 30000, the size WM_GETTEXT is
// given (so at most 29999 characters and the NUL).
inline constexpr std::size_t kJobBoxLimit = 30000;

// The number in box `id`, read with WM_GETTEXT given `limit`.
int ReadBoxNumber(HWND window, int id, std::size_t limit);

// Every number box of the job, once.
JobSettings ReadJobSettings(HWND window);

}  // namespace veltrim
