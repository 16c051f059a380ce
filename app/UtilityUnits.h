#pragma once
// Start-up and clean-up of the program's utility units. Start loads the
// resource thunk and registers the clean-up, which at process end (also
// through Halt) unloads the thunk and then releases the single-instance
// mapping.

void StartUtilityUnits();
void StopUtilityUnits();
