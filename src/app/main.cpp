#include "app_start.h"

int main(int argc, char** argv) { return varnel::RunVarnel(argc, argv); }
