# Writes one page of the help manual: its own text in the frame all pages share (head, the bar
# of pages with this one in bold, the foot line), so that the frame is written once.
#   cmake -DSOURCE=page.html -DOUTPUT=out.html -DPAGES=name=Label,... -P HelpPage.cmake
# The source's first line is the page's title; the rest is its text.
file(READ "${SOURCE}" text)
string(FIND "${text}" "\n" eol)
string(SUBSTRING "${text}" 0 ${eol} title)
math(EXPR from "${eol} + 1")
string(SUBSTRING "${text}" ${from} -1 body)
get_filename_component(name "${SOURCE}" NAME_WE)

string(REPLACE "," ";" pages "${PAGES}")
set(links "")
foreach(page IN LISTS pages)
  string(REPLACE "=" ";" parts "${page}")
  list(GET parts 0 page_name)
  list(GET parts 1 label)
  if(links)
    string(APPEND links " |\n")
  endif()
  if(page_name STREQUAL name)
    string(APPEND links "<b>${label}</b>")
  else()
    string(APPEND links "<a href=\"${page_name}.html\">${label}</a>")
  endif()
endforeach()

if(name STREQUAL "index")
  set(foot "<a href=\"legal.html\">Licence and legal information</a>")
else()
  set(foot "<a href=\"index.html\">Contents</a>")
endif()

file(WRITE "${OUTPUT}" "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">
<html>
<head>
<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">
<title>The Corvane Scrivant Pro - ${title}</title>
</head>
<body style=\"font-family: sans-serif; font-size: 10pt;\">

<p style=\"background-color: #E8ECF4; padding: 4px;\">
${links}
</p>

${body}
<hr>
<p style=\"font-size: 8pt; color: #606060;\">The Corvane Scrivant Pro &#8212;
${foot}</p>
</body>
</html>
")
