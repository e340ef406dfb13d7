# cmake -DSRC=<file> -DDST=<file> -P CopyIfMissing.cmake
# Copies SRC to DST only when DST does not exist: a file the user has changed stays.
if(NOT EXISTS "${DST}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
