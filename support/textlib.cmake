# The string library the scanner stands on: every string it creates is a GetBlock block.
wb_add_support(textlib SOURCES textlib.cpp HEADERS support/textlib.h DEPS genlib)
