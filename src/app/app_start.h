#pragma once
// The program's start: one instance, the splash, the main window and its companions, the loop.

namespace varnel {

int RunVarnel(int argc, char** argv);

}  // namespace varnel
