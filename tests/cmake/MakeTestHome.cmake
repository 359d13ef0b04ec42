# Makes the program folder the command-line suites start from (tests/support/DemoHome.h): a fresh folder in which
# the first start makes the demo provider, then the stored data of the demo days taken in with odds.
#   cmake -DCLI=<renoka-cli> -DHOME=<folder> -P MakeTestHome.cmake
file(REMOVE_RECURSE "${HOME}")
execute_process(COMMAND "${CLI}" --home "${HOME}" --now "2026-12-12 08:00" download --setup --odds
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    file(REMOVE_RECURSE "${HOME}")
    message(FATAL_ERROR "the download into ${HOME} failed (${result}): ${errors}")
endif()
