# cmake -DQUELLE=<source dir> -DZIEL=<build dir> -P programm.cmake
# The program's preset configures and builds with GoogleTest and Google
# Benchmark out of reach: scripts/run installs neither, so nothing the
# program needs may look for them.
include(${CMAKE_CURRENT_LIST_DIR}/hilfen.cmake)

ausfuehren(aus ${CMAKE_COMMAND} -S ${QUELLE} --preset programm -B ${ZIEL}
           -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
ausfuehren(aus ${CMAKE_COMMAND} --build ${ZIEL})
