find_package(Threads REQUIRED)
find_package(PkgConfig REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Network Multimedia LinguistTools DBus Test Concurrent)
find_package(SQLite3 REQUIRED)

pkg_check_modules(TAGLIB REQUIRED IMPORTED_TARGET taglib)
pkg_check_modules(CHROMAPRINT REQUIRED IMPORTED_TARGET libchromaprint)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET libavformat libavcodec libavutil libswresample)
pkg_check_modules(CURL REQUIRED IMPORTED_TARGET libcurl)
pkg_check_modules(TINYXML2 REQUIRED IMPORTED_TARGET tinyxml2)
pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
# Optional: lets the widget kit ask an X server whether a compositing manager runs.
pkg_check_modules(XCB QUIET IMPORTED_TARGET xcb)

if(TIDEWELL_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
