# Our own targets build with the compiler's common warnings. The presets and
# test.sh also make them errors; a user's newer or older compiler may warn
# where ours does not, and that must not stop the build.
option(TEASER_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(teaser_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 $<$<BOOL:${TEASER_WARNINGS_AS_ERRORS}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${TEASER_WARNINGS_AS_ERRORS}>:-Werror>)
  endif()
endfunction()
