# Shared settings of the project's targets.

# Warnings of our own code; errors with WARLOOM_WERROR (the presets switch it on).
function(warloom_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wsign-conversion -Wnon-virtual-dtor -Wold-style-cast)
  if(WARLOOM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Sanitizers for every target, chosen by the preset: "address,undefined" or "thread".
set(WARLOOM_SANITIZE "" CACHE STRING "Sanitizers to build with")
if(WARLOOM_SANITIZE)
  add_compile_options(-fsanitize=${WARLOOM_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${WARLOOM_SANITIZE})
endif()
