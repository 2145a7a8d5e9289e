# Sources that include no <windows.h>; the native build proves they stay that way.
set(TESSIK_PORTABLE_SOURCES
    app/module_names.cpp
    app/command_line.cpp
    app/profile_binary.cpp
    app/settings_records.cpp
    app/reachable_placement.cpp
    transfer/drag_start_rule.cpp
    transfer/drop_effect.cpp
)
