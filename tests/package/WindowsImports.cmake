# Fails unless every program of the Windows media is a program with windows (no
# console opens with it) that needs no DLL beyond those of Windows itself: a user who
# unpacks the zip has nothing else.
# Run as a script (cmake -P) with
#   OBJDUMP     the cross toolchain's objdump
#   PRODUCT_DIR the product folder
cmake_minimum_required(VERSION 3.25)
set(windows_dlls advapi32 bcrypt comctl32 comdlg32 crypt32 gdi32 imm32 kernel32 msvcrt ntdll
    ole32 oleacc oleaut32 rpcrt4 shell32 shlwapi user32 uxtheme version ws2_32)
foreach(program setup.exe Lettrino.exe)
    execute_process(COMMAND ${OBJDUMP} -p ${PRODUCT_DIR}/${program}
                    OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
    if(NOT headers MATCHES "Subsystem[ \t]+0+2[ \t]+\\(Windows GUI\\)")
        message(FATAL_ERROR "${program} is no program with windows")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
    if(NOT imports)
        message(FATAL_ERROR "${program}: no imports read; is it a Windows program?")
    endif()
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "DLL Name: ([^.]+)\\.[dD][lL][lL]" "\\1" dll "${import}")
        string(TOLOWER "${dll}" dll)
        if(NOT dll IN_LIST windows_dlls)
            message(FATAL_ERROR "${program} needs ${dll}.dll, which Windows does not have")
        endif()
    endforeach()
    message(STATUS "${program}: ${imports}")
endforeach()
