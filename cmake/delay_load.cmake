# Windows DLLs that the program needs only after its main window is up (OLE for the search
# window's HTML view) or only when the user or a feed asks for them (the font dialog,
# WinINet, BCrypt) are bound at their first call instead of at process start: under Wine each
# costs milliseconds of loading and initialising before WinMain runs.
#
# zyf_delay_import(TARGET DLL FUNCTION...) makes a delay-load import library of the listed
# functions, as the imported library TARGET. Link it before the DLL's ordinary import library,
# which then binds anything not listed as usual, and link delayimp after it.
find_program(ZYF_DLLTOOL NAMES ${CMAKE_DLLTOOL} x86_64-w64-mingw32-dlltool REQUIRED)

function(zyf_delay_import target dll)
  set(dir ${CMAKE_BINARY_DIR}/delay_import)
  set(def ${dir}/${target}.def)
  set(lib ${dir}/lib${target}.a)
  string(JOIN "\n" exports ${ARGN})
  file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
  if(NOT EXISTS ${lib} OR ${def} IS_NEWER_THAN ${lib})
    execute_process(COMMAND ${ZYF_DLLTOOL} --input-def ${def} --dllname ${dll} --output-delaylib ${lib}
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "dlltool could not make ${lib}")
    endif()
  endif()
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${lib})
endfunction()

zyf_delay_import(zyf_delay_comdlg32 comdlg32.dll ChooseFontA)
zyf_delay_import(zyf_delay_ole32 ole32.dll CoCreateInstance OleInitialize OleUninitialize)
zyf_delay_import(zyf_delay_oleaut32 oleaut32.dll SysAllocStringLen SysFreeString SysStringLen VariantInit)
zyf_delay_import(zyf_delay_wininet wininet.dll HttpOpenRequestA HttpQueryInfoA HttpSendRequestA
                 InternetCloseHandle InternetConnectA InternetCrackUrlA InternetOpenA InternetReadFile
                 InternetSetOptionA)
zyf_delay_import(zyf_delay_bcrypt bcrypt.dll BCryptCloseAlgorithmProvider BCryptDecrypt BCryptDestroyKey
                 BCryptEncrypt BCryptGenerateSymmetricKey BCryptOpenAlgorithmProvider BCryptSetProperty)
