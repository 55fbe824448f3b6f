#include "app/core/Program_Runner.h"

Process_Result Start_Program(const String& NomeSW, const String& Parameter, int Tipo, int Timeout_Ms,
                             const std::function<void()>& On_Poll)
{
    (void)Tipo;  // programs start without a window mode of their own here
    return Run_And_Wait(NomeSW, Split_Command_Line(Parameter), Timeout_Ms, On_Poll);
}
