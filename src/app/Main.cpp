#include "app/Program.h"

int main() { return skl::RunProgram(); }
