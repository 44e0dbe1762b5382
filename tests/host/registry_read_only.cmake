# Fails when the program's code asks the registry for more than read access. Wine
# grants every access, so no test run under it could notice; Windows refuses write
# access to the uninstall keys for every user without administrator rights.
# Looks in SOURCES (the program's own code); test helpers that write entries live
# under tests/ and are not looked at.
set(forbidden KEY_WRITE KEY_ALL_ACCESS KEY_SET_VALUE KEY_CREATE_SUB_KEY RegCreateKey
              RegSetValue RegSetKeyValue RegDeleteKey RegDeleteValue)
file(GLOB_RECURSE sources LIST_DIRECTORIES false "${SOURCES}/*")
list(LENGTH sources count)
if(count EQUAL 0)
    message(FATAL_ERROR "no sources found in ${SOURCES}")
endif()
set(found "")
foreach(source IN LISTS sources)
    foreach(word IN LISTS forbidden)
        file(STRINGS "${source}" lines REGEX "${word}")
        foreach(line IN LISTS lines)
            string(APPEND found "${source}: ${line}\n")
        endforeach()
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "The program must only read the registry; found:\n${found}")
endif()
