; The Windows installer of the Kestrovalinde screen saver.
;
; makensis -DVERSION=1.0.0 -DHOST_PROGRAM=<Kestrovalinde.scr>
;          -DRENDERER_PROGRAM=<Kestrovalinde.dll> -DLICENSE_FILE=<LICENSE>
;          -DOUTPUT_FILE=<setup.exe> [-DTARGET=amd64-unicode] kestrovalinde.nsi
;
; TARGET is x86-unicode for the shipped 32-bit programs; amd64-unicode packs
; an x86_64 build of them the same way (for machines that run only 64-bit
; Windows programs).
;
; For all users (administrators) the two programs go into the system folder
; of their bitness, where the screen-saver settings list them, and the
; uninstaller into Program Files. For the current user alone everything goes
; into the per-user program folder. Command line: /S silent, /ALLUSERS or
; /CURRENTUSER to choose, /D=<folder> for the uninstaller's (all users) or
; the whole installation's (current user) folder.
;
; Both ways make the saver the current one for the installing user and
; register an uninstaller under Add/Remove Programs. The settings file beside
; the host is never written here, so an upgrade keeps it.

!ifndef TARGET
  !define TARGET x86-unicode
!endif
Target ${TARGET}

!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include MUI2.nsh

!define PRODUCT_NAME "Kestrovalinde"
!define PUBLISHER "The Kestrovalinde developers"
!define HOST_FILE "Kestrovalinde.scr"
; RENDERER_FILE, SETTINGS_FILE, WORK_FOLDER and SPRITE_FILE come from the
; names both programs agree on (make-installer passes them).
!define UNINSTALLER_FILE "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrovalinde"
!define DESKTOP_KEY "Control Panel\Desktop"
!define PER_USER_FOLDER "$LOCALAPPDATA\Programs\Kestrovalinde"
!if "${TARGET}" == "amd64-unicode"
  !define ALL_USERS_FOLDER "$PROGRAMFILES64\Kestrovalinde"
!else
  !define ALL_USERS_FOLDER "$PROGRAMFILES\Kestrovalinde"
!endif
; Exit code of a refused /ALLUSERS.
!define EXIT_NOT_ADMIN 5

Name "${PRODUCT_NAME} ${VERSION}"
OutFile "${OUTPUT_FILE}"
RequestExecutionLevel highest
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT_NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT_NAME} screen saver setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) ${PUBLISHER}"

Var IsAdmin      ; 1 when the installer runs with administrator rights
Var AllUsers     ; 1: for all users, 0: for the current user
Var GivenFolder  ; the /D folder, or empty
Var SaverFolder  ; where the two programs are
Var ModeRadioAllUsers

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
Page custom InstallModePage InstallModePageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The system folder of the programs' bitness, as the system itself names it.
; A 32-bit installer on 64-bit Windows sees SysWOW64 under the name of
; system32, but the path stored for the screen saver is read without that
; redirection, so it must say SysWOW64.
!macro SYSTEM_SAVER_FOLDER prefix
  Function ${prefix}SystemSaverFolder
    !if "${TARGET}" == "amd64-unicode"
      StrCpy $SaverFolder $SYSDIR
    !else
      System::Call 'kernel32::GetSystemWow64DirectoryW(w .r0, i ${NSIS_MAX_STRLEN}) i .r1'
      ${If} $1 = 0
        StrCpy $SaverFolder $SYSDIR
      ${Else}
        StrCpy $SaverFolder $0
      ${EndIf}
    !endif
  FunctionEnd
!macroend
!insertmacro SYSTEM_SAVER_FOLDER ""
!insertmacro SYSTEM_SAVER_FOLDER "un."

!macro READ_ADMIN_RIGHTS
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    StrCpy $IsAdmin 1
  ${Else}
    StrCpy $IsAdmin 0
  ${EndIf}
!macroend

Function UseAllUsers
  StrCpy $AllUsers 1
  SetShellVarContext all
  Call SystemSaverFolder
  ${If} $GivenFolder == ""
    StrCpy $INSTDIR "${ALL_USERS_FOLDER}"
  ${EndIf}
FunctionEnd

Function UseCurrentUser
  StrCpy $AllUsers 0
  SetShellVarContext current
  ${If} $GivenFolder == ""
    StrCpy $INSTDIR "${PER_USER_FOLDER}"
  ${EndIf}
  StrCpy $SaverFolder $INSTDIR
FunctionEnd

Function .onInit
  StrCpy $GivenFolder $INSTDIR
  !insertmacro READ_ADMIN_RIGHTS
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/CURRENTUSER" $R1
  ${IfNot} ${Errors}
    Call UseCurrentUser
    Return
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
  ${AndIf} $IsAdmin = 0
    MessageBox MB_ICONSTOP "Installing for all users needs administrator rights." /SD IDOK
    SetErrorLevel ${EXIT_NOT_ADMIN}
    Quit
  ${EndIf}
  ${If} $IsAdmin = 1
    Call UseAllUsers
  ${Else}
    Call UseCurrentUser
  ${EndIf}
FunctionEnd

; Administrators choose between all users and themselves; others install
; for themselves without being asked.
Function InstallModePage
  ${If} $IsAdmin = 0
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Choose users" "Who may use the ${PRODUCT_NAME} screen saver?"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 12u "&Anyone who uses this computer (into the system folder)"
  Pop $ModeRadioAllUsers
  ${NSD_CreateRadioButton} 0 18u 100% 12u "Only &me"
  Pop $1
  ${If} $AllUsers = 1
    ${NSD_Check} $ModeRadioAllUsers
  ${Else}
    ${NSD_Check} $1
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function InstallModePageLeave
  ${NSD_GetState} $ModeRadioAllUsers $0
  ${If} $0 = ${BST_CHECKED}
    Call UseAllUsers
  ${Else}
    Call UseCurrentUser
  ${EndIf}
FunctionEnd

; The host's path as the screen-saver setting holds it. The system starts the
; saver with this text followed by the switch, unquoted, so a path with a
; blank would split; its short form has none.
Function SaverPathForSetting
  StrCpy $0 "$SaverFolder\${HOST_FILE}"
  StrCpy $1 0
  ${Do}
    StrCpy $2 $0 1 $1
    ${If} $2 == " "
      GetFullPathName /SHORT $0 $0
      ${Break}
    ${EndIf}
    IntOp $1 $1 + 1
  ${LoopUntil} $2 == ""
FunctionEnd

Section "${PRODUCT_NAME}" SectionPrograms
  SetOutPath $SaverFolder
  File "/oname=${HOST_FILE}" "${HOST_PROGRAM}"
  File "/oname=${RENDERER_FILE}" "${RENDERER_PROGRAM}"
  CreateDirectory $INSTDIR
  WriteUninstaller "$INSTDIR\${UNINSTALLER_FILE}"

  Call SaverPathForSetting
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"

  ; SHCTX is HKLM for all users and HKCU for the current user.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME} screen saver"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$SaverFolder\${HOST_FILE},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" $SaverFolder
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_FILE}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_FILE}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SectionPrograms} $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller knows its installation by its own key: the all-users key
; names this uninstaller when it was installed for all users.
Function un.onInit
  !insertmacro READ_ADMIN_RIGHTS
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "UninstallString"
  ${If} $0 == '"$INSTDIR\${UNINSTALLER_FILE}"'
    ${If} $IsAdmin = 0
      MessageBox MB_ICONSTOP "Removing ${PRODUCT_NAME} for all users needs administrator rights." /SD IDOK
      SetErrorLevel ${EXIT_NOT_ADMIN}
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
    Call un.SystemSaverFolder
  ${Else}
    StrCpy $AllUsers 0
    ReadRegStr $SaverFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $SaverFolder == ""
      StrCpy $SaverFolder $INSTDIR
    ${EndIf}
  ${EndIf}
FunctionEnd

; Clears the screen-saver setting only when it still names this saver, in
; either the long or the short form of its path.
Function un.ResetCurrentSaver
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  StrCpy $1 "$SaverFolder\${HOST_FILE}"
  GetFullPathName /SHORT $2 $1
  ${If} $0 == $1
  ${OrIf} $0 == $2
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.ResetCurrentSaver
  Delete "$SaverFolder\${HOST_FILE}"
  Delete "$SaverFolder\${RENDERER_FILE}"
  Delete "$SaverFolder\${SETTINGS_FILE}"
  ${If} $AllUsers = 1
    ; A user without administrator rights who saved the settings of a host
    ; in the system folder has them in the virtual store of that user.
    StrCpy $R0 $SaverFolder "" 2
    Delete "$LOCALAPPDATA\VirtualStore$R0\${SETTINGS_FILE}"
    SetShellVarContext all
  ${EndIf}
  Delete "${SPRITE_FILE}"
  RMDir "${WORK_FOLDER}"

  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  Delete "$INSTDIR\${UNINSTALLER_FILE}"
  RMDir $INSTDIR
SectionEnd
