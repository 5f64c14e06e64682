// Veltrane: the launcher and its sub-programs.
#include "app/program_start.h"
#include "foundation/ui/veltrane_application.h"

int main(int argc, char** argv) {
  veltrane::VeltraneApplication app(argc, argv);
  return veltrane::RunProgram(app);
}
