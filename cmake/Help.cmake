# The help manual: each page of resources/help framed by cmake/HelpPage.cmake into
# ${CMAKE_BINARY_DIR}/help, built into the program and installed beside it. The bar at the top
# of every page lists the pages in this order.
set(SCRIVANT_HELP_PAGES
    "index=Contents" "menus=Menus" "dialogs=Dialogs" "search=Find and replace" "preview=Preview"
    "upload=Uploading" "timer-toolbar=Timer and tool bar" "options=Options and colours"
    "files=Files" "settings=Settings" "legal=Licence")
list(JOIN SCRIVANT_HELP_PAGES "," help_bar)

set(SCRIVANT_HELP_FILES)
foreach(page IN LISTS SCRIVANT_HELP_PAGES)
  string(REGEX REPLACE "=.*" "" name "${page}")
  set(source ${PROJECT_SOURCE_DIR}/resources/help/${name}.html)
  set(output ${CMAKE_BINARY_DIR}/help/${name}.html)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DOUTPUT=${output} "-DPAGES=${help_bar}"
            -P ${PROJECT_SOURCE_DIR}/cmake/HelpPage.cmake
    DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/HelpPage.cmake
    VERBATIM)
  list(APPEND SCRIVANT_HELP_FILES ${output})
endforeach()
