// The device module for the NVS-7000 family, started by the management suite for one device.
#include "ProgramEntry.h"

int main(int argc, char** argv) { return ProgramEntry(argc, argv); }
