# The character stack behind the two-stack editor buffer.
wb_add_support(charstack SOURCES charstack.cpp HEADERS support/charstack.h DEPS genlib)
