/* A DLL that the tests put beside their program, as an attacker would plant one. */
__declspec(dllexport) int plantedProbe(void) { return 42; }
