# Puts beside an installed MinGW-built teaser.exe what it needs on a machine
# that has none of it: the Qt plugins it loads (the platform, the style and
# the .ico reader), the DLLs the program and the plugins import, and theirs
# in turn. This Qt has no windeployqt, so the import tables are read with
# objdump. A DLL found in none of the folders below is taken to be part of
# Windows.
if(NOT CMAKE_OBJDUMP)
  message(FATAL_ERROR "objdump of the MinGW toolchain is needed to deploy teaser.exe")
endif()

set(deployed_plugins
  "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>" platforms
  "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>" styles
  "$<TARGET_FILE:Qt6::QICOPlugin>" imageformats)
# The folders of the libraries' DLLs (Qt's, SDL's), then the compiler's
# runtime DLLs; they may be one folder.
execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
set(linked_dlls "$<TARGET_RUNTIME_DLLS:teaser>" "${runtime_dll}")

install(CODE "
  set(program_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TEASER_INSTALL_DIR}\")
  set(plugins \"${deployed_plugins}\")
  set(linked_dlls \"${linked_dlls}\")
  set(objdump \"${CMAKE_OBJDUMP}\")")
install(CODE [[
  set(dll_dirs)
  foreach(dll IN LISTS linked_dlls)
    get_filename_component(dir "${dll}" DIRECTORY)
    list(APPEND dll_dirs "${dir}")
  endforeach()
  list(REMOVE_DUPLICATES dll_dirs)
  set(queue "${program_dir}/teaser.exe")
  while(plugins)
    list(POP_FRONT plugins plugin folder)
    file(INSTALL "${plugin}" DESTINATION "${program_dir}/${folder}")
    get_filename_component(name "${plugin}" NAME)
    list(APPEND queue "${program_dir}/${folder}/${name}")
  endwhile()
  while(queue)
    list(POP_FRONT queue file)
    execute_process(COMMAND "${objdump}" -p "${file}" OUTPUT_VARIABLE imports COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${imports}")
    foreach(import IN LISTS imports)
      string(REPLACE "DLL Name: " "" dll "${import}")
      if(EXISTS "${program_dir}/${dll}")
        continue()
      endif()
      foreach(dir IN LISTS dll_dirs)
        if(EXISTS "${dir}/${dll}")
          file(INSTALL "${dir}/${dll}" DESTINATION "${program_dir}")
          list(APPEND queue "${program_dir}/${dll}")
          break()
        endif()
      endforeach()
    endforeach()
  endwhile()
]])
