# Settings every target of the project gets. Third-party code (GoogleTest
# built from source for mingw) is compiled without them.

set(VELTRIM_WARNINGS -Wall -Wextra -Wshadow -Werror)

if(VELTRIM_SANITIZE)
  set(VELTRIM_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=all)
  add_compile_options(${VELTRIM_SANITIZER_FLAGS})
  add_link_options(${VELTRIM_SANITIZER_FLAGS})
endif()

function(veltrim_defaults target)
  target_compile_options(${target} PRIVATE ${VELTRIM_WARNINGS})
  target_compile_features(${target} PUBLIC cxx_std_20)
  if(WIN32)
    # ANSI Win32 calls throughout; keep <windows.h> lean.
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
  endif()
endfunction()
