' Prints the script host's own platform: AMD64 for a 64-bit cscript, x86
' for a 32-bit one, so that a test knows which host it started.
WScript.Echo CreateObject("WScript.Shell").Environment("PROCESS")("PROCESSOR_ARCHITECTURE")
