# Fails when FILE is larger than MAX bytes: keeps what the shipped files drag in under watch.
# Run by ctest through `cmake -P`.
cmake_minimum_required(VERSION 3.25)
file(SIZE ${FILE} size)
if(size GREATER MAX)
  message(FATAL_ERROR "${FILE} is ${size} bytes, more than the ${MAX} allowed; see which objects "
                      "grew with -Wl,-Map in the link")
endif()
message(STATUS "${FILE}: ${size} bytes of ${MAX} allowed")
