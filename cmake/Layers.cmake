# The layers of the tree, lowest first: each entry names a folder and the
# folders its files may include besides their own. A folder's widgets (its
# qt/ subfolder) may include what the folder may include and the widgets of
# those folders; an entry for "<folder>/qt" or a deeper folder adds to that.
# Tests and benchmarks may include whatever they test. tests/check_layers.cmake
# holds every include of the tree to this list.
set(ORDALIS_LAYERS
  "base:"
  "clock:base"
  "installation:base"
  "image:base,clock,installation"
  "functions:base,clock,installation"
  "week:base,clock,installation,functions"
  "editor:base,clock,installation,functions,week"
  "comm:base,clock,installation,image,functions"
  "app:base,clock,installation,image,functions,week,editor,comm"
  # printing and export; its widgets paint the week view on any QPainter
  "export:base,clock,installation,functions,week,editor"
  # widgets only: the main window, and the program's entry on top of it
  "mainwindow:base,clock,installation,image,functions,week,editor,comm,app,export"
  "app/qt:mainwindow/qt"
  # programs beside the widgets: the core and the lower widgets, never the main window
  "cli:base,clock,installation,image,functions,week,editor,comm,app,export,tools,base/qt,comm/qt,app/qt,export/qt"
  "tools:base,clock,installation,image,functions,week,editor,comm,app,base/qt,comm/qt,editor/qt"
  # the screenshot tool takes pictures of the main window
  "tools/screenshot:mainwindow/qt"
)

# The folders whose top-level files form the core library, lowest first.
set(ORDALIS_SUBSYSTEMS base clock installation image functions week editor comm app export mainwindow)
