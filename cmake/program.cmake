# The program: everything but the application object itself is an object
# library, so the Win32 tests can link the same code.
add_library(tessik_program OBJECT
    app/main_frame.cpp
    app/my_app.cpp
    app/settings_profile.cpp
    history/my_view.cpp
    history/clipboard_monitor.cpp
    history/list_commands.cpp
    history/horizontal_extent.cpp
    history/list_box.cpp
    history/list_font.cpp
    transfer/view_transfer.cpp
    transfer/drag_out.cpp
)
target_include_directories(tessik_program PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tessik_program PUBLIC tessik_framework)

add_executable(tessik WIN32
    app/the_app.cpp
    framework/win_main.cpp
    $<TARGET_OBJECTS:tessik_program>
    $<TARGET_OBJECTS:tessik_resources>
)
target_link_libraries(tessik PRIVATE tessik_program tessik_framework)
set_target_properties(tessik PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The program's path as Windows programs under Wine see it (drive Z: is the
# Unix root), for the tests that start or read the executable.
string(REPLACE "/" "\\" TESSIK_EXE_WINDOWS_PATH "Z:${CMAKE_BINARY_DIR}/tessik.exe")
