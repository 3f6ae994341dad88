# SPDX-License-Identifier: GPL-3.0-or-later
# The core's folders under src/, lowest level first. Each folder is one level: its files include
# files of their own folder or of a folder before it, never one after it (tests/core/
# layering_test.cpp checks every file). Above the core stand qt/ (the serial adapter and other
# QtCore code) and window/ (the windows, Qt Widgets). Included by src/CMakeLists.txt and by the
# web edition's build (web/core/CMakeLists.txt).
set(TLV_CORE_FOLDERS radio language help image link editor exchange line document texts)

# The core's sources below `source_dir` (src/), folder by folder.
function(tlv_core_sources source_dir out)
    set(sources)
    foreach(folder ${TLV_CORE_FOLDERS})
        file(GLOB found CONFIGURE_DEPENDS ${source_dir}/${folder}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()
